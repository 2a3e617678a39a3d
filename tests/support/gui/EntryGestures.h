#pragma once

#include "ui/EntryWindow.h"
#include "ui/LineGrid.h"
#include "ui/PickGrid.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace orv::test {

// The clerk's gestures on an entry window.

// The first pick-grid row whose cell in the column reads text, or -1.
inline int pickRowOf(const EntryWindow& window, int column, const QString& text) {
    for (int row = 0; row < window.hfgProducts->rows(); ++row)
        if (window.hfgProducts->cellText(row, column) == text)
            return row;
    return -1;
}

// Presses a pick-grid row and releases it over the line grid.
inline void dropPickRow(EntryWindow& window, int row) {
    PickGrid* pick = window.hfgProducts;
    QTest::mousePress(pick->viewport(), Qt::LeftButton, {},
                      pick->visualRect(pick->model()->index(row, 1)).center());
    window.dgrOrderDetails_DragDrop();
}

// Types a line cell's new text and commits it.
inline void editLineCellAt(EntryWindow& window, int row, int column, const QString& text) {
    LineGrid* grid = window.dgrOrderDetails;
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor commits on the next turn of the event loop, and the grid
    // reports the edit on the turn after.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

inline void editLineCell(EntryWindow& window, int row, const QString& field, const QString& text) {
    editLineCellAt(window, row, window.lines().fieldIndex(field), text);
}

// A line field's value as text.
inline QString lineCell(const EntryWindow& window, int row, const QString& field) {
    const Recordset& lines = window.lines();
    return lines.valueAt(row, lines.fieldIndex(field)).toString();
}

// After a successful post the document can be neither changed nor posted again.
inline bool isPosted(const EntryWindow& window) {
    return !window.cmdSend->isEnabled() && !window.dgrOrderDetails->isEnabled() &&
           !window.hfgProducts->isEnabled();
}

} // namespace orv::test
