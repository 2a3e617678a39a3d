#pragma once

#include "GlWindowTest.h"
#include "support/gui/EntryGestures.h"

#include "ui/LineGrid.h"
#include "ui/PickGrid.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace orv::test {

// A journal window (journal or year-end transfer) with the clerk's gestures:
// drag an account from the pick grid, edit a cell, choose the employee.
template <class W> class JournalWindowTest : public GlWindowTest<W> {
protected:
    using GlWindowTest<W>::window;

    int pickRow(int code) const { return pickRowOf(*window, 0, QString::number(code)); }
    // Presses the account's pick row and releases it over the line grid.
    void drop(int code) {
        const int row = pickRow(code);
        ASSERT_GE(row, 0) << "account " << code << " is not offered";
        dropPickRow(*window, row);
    }
    // Types a cell's new text and commits it, as the clerk does.
    void editCell(int row, const QString& field, const QString& text) {
        editLineCell(*window, row, field, text);
    }
    // A line of the given account with its amount and description.
    void line(int code, const QString& amount, const QString& description) {
        drop(code);
        const int row = window->lines().recordCount() - 1;
        if (!amount.isNull())
            editCell(row, QStringLiteral("Amount"), amount);
        editCell(row, QStringLiteral("Descrip"), description);
    }
    QString cell(int row, const QString& field) const { return lineCell(*window, row, field); }
    void chooseEmployee() { window->cboEmployee->setCurrentIndex(0); }
    void setDate(const QDate& date) { window->dtpOrder->setDate(date); }
    bool posted() const { return isPosted(*window); }
};

} // namespace orv::test
