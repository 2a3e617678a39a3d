#include "frmGLEntry.h"

namespace orv {

frmGLEntry::frmGLEntry(QWidget* parent)
    : JournalWindow({qtext(kText["Caption"]), qtext(kText["Label8"]), qtext(kText["Label9"])},
                    {800, 1400, 1500, 1600, 1000, 800, 800}, parent) {}

frmGLEntry::~frmGLEntry() = default;

void frmGLEntry::createDataClass() {
    m_journal = std::make_unique<clsGLEntry>();
}

Recordset frmGLEntry::readTable(const QString& table) {
    return m_journal->Get_Table_Recordset(table);
}

QString frmGLEntry::lookupId(const QString& table, const QString& value) {
    return m_journal->Get_ID(table, Variant(value));
}

QString frmGLEntry::sendOrder() {
    return m_journal->Send_Order(m_header, m_lines);
}

void frmGLEntry::loadPickGrid() {
    showPickRows(m_journal->Get_GL_Code());
}

void frmGLEntry::fillNewLine(Recordset& lines) {
    fillJournalLine(lines, Variant(Currency::fromUnits(1)));
}

CheckList frmGLEntry::postChecks() {
    CheckList checks = employeeChecks(qtext(kText["SpecifyEmployee"]));
    for (Check& c : lineChecks())
        checks.push_back(std::move(c));
    // The lines' own exact sum decides, not the total box, which the clerk
    // can type into and which shows only two decimals.
    checks.push_back(Check::when([this] { return linesTotal().raw() != 0; }, qtext(kText["NotBalanced"])));
    checks.push_back(wholeCentsCheck());
    checks.push_back(oneYearCheck());
    return checks;
}

} // namespace orv
