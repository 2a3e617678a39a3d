#pragma once

#include "reports/ReportLayout.h"

namespace orv::reports {

// The layouts of the general-ledger reports, over DE_GL_Report. One instance
// of each for the run of the program.
const ReportLayout& rptCOA();            // "Trial Balance", over TB_Bal
const ReportLayout& rptBS();             // "Balance Sheet", over cmBS
const ReportLayout& rptBS_No_Acctcode(); // "BS Without AcctCode", over cmdBS_NoCode
const ReportLayout& rptPL();             // "PL for the Year", over cmPL
const ReportLayout& rpt12_YTD();         // "PL 12 MTH YTD", over cm12_YTD
const ReportLayout& rptGLListing();      // "GL Listing", over cmGListing_Grouping

} // namespace orv::reports
