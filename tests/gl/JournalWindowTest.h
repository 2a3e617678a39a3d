#pragma once

#include "GlWindowTest.h"

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

    int pickRow(int code) const {
        for (int row = 0; row < window->hfgProducts->rows(); ++row)
            if (window->hfgProducts->cellText(row, 0) == QString::number(code))
                return row;
        return -1;
    }
    // Presses the account's pick row and releases it over the line grid.
    void drop(int code) {
        const int row = pickRow(code);
        ASSERT_GE(row, 0) << "account " << code << " is not offered";
        orv::PickGrid* pick = window->hfgProducts;
        QTest::mousePress(pick->viewport(), Qt::LeftButton, {},
                          pick->visualRect(pick->model()->index(row, 1)).center());
        window->dgrOrderDetails_DragDrop();
    }
    // Types a cell's new text and commits it, as the clerk does.
    void editCell(int row, const QString& field, const QString& text) {
        orv::LineGrid* grid = window->dgrOrderDetails;
        const QModelIndex cell = grid->model()->index(row, window->lines().fieldIndex(field));
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // A line of the given account with its amount and description.
    void line(int code, const QString& amount, const QString& description) {
        drop(code);
        const int row = window->lines().recordCount() - 1;
        if (!amount.isNull())
            editCell(row, QStringLiteral("Amount"), amount);
        editCell(row, QStringLiteral("Descrip"), description);
    }
    QString cell(int row, const QString& field) const {
        const Recordset& lines = window->lines();
        return lines.valueAt(row, lines.fieldIndex(field)).toString();
    }
    void chooseEmployee() { window->cboEmployee->setCurrentIndex(0); }
    void setDate(const QDate& date) { window->dtpOrder->setDate(date); }
    bool posted() const {
        return !window->cmdSend->isEnabled() && !window->dgrOrderDetails->isEnabled() &&
               !window->hfgProducts->isEnabled();
    }
};

} // namespace orv::test
