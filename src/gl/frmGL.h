#pragma once

#include "ui/ReportWindow.h"

namespace orv {

// "GL Reports": previews the six general-ledger reports for one reporting
// year (the trial balance, the two balance sheets, the profit and loss, the
// monthly profit and loss) and the transaction listing of a range of
// accounts. Each button runs one command of DE_GL_Report and shows its
// layout; REFRESH empties the three boxes.
class frmGL : public ReportWindow {
    Q_OBJECT
public:
    // The captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmGL", "GL Reports"},
        {"Frame2", "FINANCIAL REPORTS"},
        {"Label4", "PRINT PREVIEW - TRIAL BALANCE"},
        {"Command1", "Print TB"},
        {"Label5", "PRINT PREVIEW - BALANCE SHEET WITH ACCT CODE"},
        {"Command2", "Print BS"},
        {"Label14", "PRINT PREVIEW - BALANCE SHEET"},
        {"Command9", "Print BS"},
        {"Label6", "PRINT PREVIEW - PROFIT/ (LOSS)"},
        {"Command3", "Print PL"},
        {"Label7", "PRINT PREVIEW - 12 MTHS PROFT/ (LOSS)"},
        {"Command4", "Print 12mth YTD"},
        {"Frame1", "TRANSACTION LISTING"},
        {"Label9", "PRINT PREVIEW - TRANSACTION LISTING"},
        {"Command6", "Print GL Listing"},
        {"Label10", "STARTING GL CODE"},
        {"Label11", "ENDING GL CODE"},
        {"Command8", "REFRESH"},
        {"Label13", "SPECIFY REPORTING YEAR :"},
        {"txtYear", "2010"},
        {"SpecifyYear", "Specify a Year"},
        {"SpecifyStartCode", "Specify starting GL Code"},
        {"SpecifyEndCode", "Specify Ending GL Code"},
        // How the messages name the boxes when their text is not a number in range.
        {"YearBoxName", "Year"},
        {"StartCodeBoxName", "Starting GL code"},
        {"EndCodeBoxName", "Ending GL code"},
    });

    explicit frmGL(QWidget* parent = nullptr);

private:
    void Command8_Click(); // REFRESH
};

} // namespace orv
