#pragma once

#include "reports/ReportLayout.h"

namespace orv::reports {

// The layouts of the stock reports, over DE_Stk_Report, one line per row of
// the procedure and no totals. One instance of each for the run of the program.
const ReportLayout& rptStock_Age();  // "Stock Ageing Report", over cmStock_Age
const ReportLayout& rptStock_Bal();  // "Stock Balance", over cmStock_Bal
const ReportLayout& rptStock_Mvmt(); // "Stock_Movement", over cmStock_Movement

} // namespace orv::reports
