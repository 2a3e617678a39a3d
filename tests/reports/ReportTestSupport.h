#pragma once

#include "reports/ReportLayout.h"
#include "reports/ShapedRows.h"

#include "values/Recordset.h"

#include <QString>

namespace orv::reports::test {

// A QApplication for the widget tests (offscreen), made once.
void ensureApplication();
// Held as a fixture's first member, so that its widgets find the application.
struct ApplicationGuard {
    ApplicationGuard() { ensureApplication(); }
};

// Rows of a general-ledger listing: GL_ID, Date, GL_Name_VC, Descrip_VC,
// Period Dr, Period Cr. Row i belongs to account 1000 + i / perAccount.
Recordset ledgerRows(int count, int perAccount);

// The listing the tests print: title in the page header, the account in the
// group header, one line per transaction, the account's sums in the group
// footer, today's date in the report footer.
ReportLayout sampleListing();
// The grouping statement the sample listing runs.
QString sampleListingShape();

} // namespace orv::reports::test
