#include "frmREEntry.h"

#include <QDateEdit>
#include <QLineEdit>

#include "ui/UiServices.h"
#include "values/Clock.h"

namespace orv {

frmREEntry::frmREEntry(QWidget* parent)
    : JournalWindow({qtext(kText["Caption"]), qtext(kText["Label8"]), qtext(kText["Label9"])},
                    {800, 1000, 1500, 1500, 1000, 800, 800}, parent) {
    // The accounts offered are those of the year the window shows: a clerk
    // who dates the transfer back into last year is offered last year's.
    connect(txtYear, &QLineEdit::textChanged, this, [this] {
        if (m_transfer)
            guarded([&] { loadPickGrid(); });
    });
}

frmREEntry::~frmREEntry() = default;

void frmREEntry::Form_Load() {
    // The date comes first: the pick grid lists the year the window shows.
    dtpOrder->setDate(orv::today());
    JournalWindow::Form_Load();
}

void frmREEntry::createDataClass() {
    m_transfer = std::make_unique<clsREEntry>();
}

Recordset frmREEntry::readTable(const QString& table) {
    return m_transfer->Get_Table_Recordset(table);
}

QString frmREEntry::lookupId(const QString& table, const QString& value) {
    return m_transfer->Get_ID(table, Variant(value));
}

QString frmREEntry::sendOrder() {
    return m_transfer->Send_Order(m_header, m_lines);
}

void frmREEntry::loadPickGrid() {
    showPickRows(m_transfer->Get_GL_Code(txtYear->text()));
}

void frmREEntry::fillNewLine(Recordset& lines) {
    // The amount offered for the account; a cell that is no amount leaves
    // the line's amount empty for the clerk to fill.
    Currency amount;
    const bool offered = Currency::tryParse(copiedCells().value(2), &amount);
    fillJournalLine(lines, offered ? Variant(amount) : Variant::null());
}

CheckList frmREEntry::postChecks() {
    // No check that the lines add up: the transfer's difference goes to
    // retained earnings.
    CheckList checks = employeeChecks(qtext(kText["SpecifyEmployee"]));
    for (Check& c : lineChecks())
        checks.push_back(std::move(c));
    checks.push_back(wholeCentsCheck());
    checks.push_back(oneYearCheck());
    return checks;
}

} // namespace orv
