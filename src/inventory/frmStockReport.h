#pragma once

#include "ui/ReportWindow.h"

namespace orv {

// "Stock Report": previews the stock ageing and the stock balance as they
// stand, and the stock movements of the year in the year box. Each button
// runs one command of DE_Stk_Report and shows its layout.
class frmStockReport : public ReportWindow {
    Q_OBJECT
public:
    static inline const QString kSpecifyYear = QStringLiteral("Please Specify YEAR");
    // How a message names the year box when its text is not a whole number in range.
    static inline const QString kYearBoxName = QStringLiteral("The year");

    explicit frmStockReport(QWidget* parent = nullptr);
};

} // namespace orv
