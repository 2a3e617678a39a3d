#include "frmREEntry.h"

#include <QDateEdit>
#include <QLineEdit>

#include "uicore/UiServices.h"
#include "values/Clock.h"

namespace orv {

frmREEntry::frmREEntry(QWidget* parent)
    : DataEntryWindow(
          lookOf<kText>({800, 1000, 1500, 1500, 1000, 800, 800}, {1800, 1600, 1200, 800}, {0, 1, 2}),
          parent) {
    // The accounts offered are those of the year the window shows: a clerk
    // who dates the transfer back into last year is offered last year's.
    connect(txtYear, &QLineEdit::textChanged, this, [this] {
        if (m_data)
            guarded([&] { reloadPick(); });
    });
}

void frmREEntry::Form_Load() {
    // The date comes first: the pick grid lists the year the window shows.
    dtpOrder->setDate(orv::today());
    JournalWindow::Form_Load();
}

Recordset frmREEntry::pickRows() {
    return m_data->Get_GL_Code(txtYear->text());
}

void frmREEntry::fillNewLine(Recordset& lines) {
    // The amount offered for the account; a cell that is no amount leaves
    // the line's amount empty for the clerk to fill.
    Currency amount;
    const bool offered = Currency::tryParse(copiedCells().value(2), &amount);
    fillJournalLine(lines, offered ? Variant(amount) : Variant::null());
}

} // namespace orv
