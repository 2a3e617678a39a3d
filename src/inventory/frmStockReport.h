#pragma once

#include "ui/ReportWindow.h"

namespace orv {

// "Stock Report": previews the stock ageing and the stock balance as they
// stand, and the stock movements of the year in the year box. Each button
// runs one command of DE_Stk_Report and shows its layout.
class frmStockReport : public ReportWindow {
    Q_OBJECT
public:
    // The captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmStockReport", "Stock Report"},
        {"Label1", "Specify a YEAR"},
        {"txtYear", "2010"},
        {"cmdStock_Mvmt", "Stock Movement"},
        {"cmdStock_Age", "Stock Ageing"},
        {"cmdStock_Balance", "Stock Balance"},
        {"SpecifyYear", "Please Specify YEAR"},
        // How a message names the year box when its text is not a whole number in range.
        {"YearBoxName", "Year"},
    });

    explicit frmStockReport(QWidget* parent = nullptr);
};

} // namespace orv
