#include "frmGLEntry.h"

namespace orv {

frmGLEntry::frmGLEntry(QWidget* parent)
    : DataEntryWindow(lookOf<kText>({800, 1400, 1500, 1600, 1000, 800, 800}, {1200, 1600, 1200, 800}, {0, 1}),
                      parent) {}

Recordset frmGLEntry::pickRows() {
    return m_data->Get_GL_Code();
}

void frmGLEntry::fillNewLine(Recordset& lines) {
    fillJournalLine(lines, Variant(Currency::fromUnits(1)));
}

CheckList frmGLEntry::balanceChecks() {
    // The lines' own exact sum decides, not the total box, which the clerk
    // can type into and which shows only two decimals.
    return {Check::when([this] { return linesTotal().raw() != 0; }, qtext(kText["NotBalanced"]))};
}

} // namespace orv
