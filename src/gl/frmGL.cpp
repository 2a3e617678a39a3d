#include "frmGL.h"

#include "reports/gl/DE_GL_Report.h"
#include "reports/gl/GlReportLayouts.h"

#include <QLineEdit>

namespace orv {

using reports::DE_GL_Report;
using Item = ReportItem;

namespace {

// A report over the reporting year alone; the balance sheet without codes
// focuses an empty year box but leaves its colour.
ReportRow yearReport(const QString& label, const QString& caption, const QString& button,
                     const QString& buttonCaption, const QString& command,
                     const reports::ReportLayout& (*layout)(), bool tint = true) {
    ReportLaunch launch{
        command, layout, {{"txtYear", frmGL::kSpecifyYear, tint}}, {{"txtYear", frmGL::kYearBoxName}}};
    return {{Item::label(label, caption), Item::button(button, buttonCaption, std::move(launch))}};
}

} // namespace

frmGL::frmGL(QWidget* parent)
    : ReportWindow(QStringLiteral("frmGL"), QStringLiteral("GL Reports"), &DE_GL_Report::shared, parent) {
    const ReportLaunch listing{
        DE_GL_Report::cmGListing_Grouping,
        &reports::rptGLListing,
        {{"txtYear", kSpecifyYear}, {"txtAcctCode", kSpecifyStartCode}, {"txtAcctCode2", kSpecifyEndCode}},
        {{"txtYear", kYearBoxName}, {"txtAcctCode", kStartCodeBoxName}, {"txtAcctCode2", kEndCodeBoxName}}};
    build({{"Frame2",
            "FINANCIAL REPORTS",
            {yearReport("Label4", "PRINT PREVIEW - TRIAL BALANCE", "Command1", "Print TB",
                        DE_GL_Report::TB_Bal, &reports::rptCOA),
             yearReport("Label5", "PRINT PREVIEW - BALANCE SHEET WITH ACCT CODE", "Command2", "Print BS",
                        DE_GL_Report::cmBS, &reports::rptBS),
             yearReport("Label14", "PRINT PREVIEW - BALANCE SHEET", "Command9", "Print BS",
                        DE_GL_Report::cmdBS_NoCode, &reports::rptBS_No_Acctcode, false),
             yearReport("Label6", "PRINT PREVIEW - PROFIT/ (LOSS)", "Command3", "Print PL",
                        DE_GL_Report::cmPL, &reports::rptPL),
             yearReport("Label7", "PRINT PREVIEW - 12 MTHS PROFT/ (LOSS)", "Command4", "Print 12mth YTD",
                        DE_GL_Report::cm12_YTD, &reports::rpt12_YTD)}},
           {"Frame1",
            "TRANSACTION LISTING",
            {{{Item::label("Label9", "PRINT PREVIEW - TRANSACTION LISTING"),
               Item::button("Command6", "Print GL Listing", listing)}},
             {{Item::label("Label10", "STARTING GL CODE"), Item::box("txtAcctCode"),
               Item::label("Label11", "ENDING GL CODE"), Item::box("txtAcctCode2")},
              true}}},
           {{},
            {},
            {{{Item::button("Command8", "REFRESH", [this] { Command8_Click(); }), Item::stretch(),
               Item::label("Label13", "SPECIFY REPORTING YEAR :"), Item::box("txtYear", "2010")}}}}});
}

// REFRESH empties the three boxes; their colours stay and nothing runs.
void frmGL::Command8_Click() {
    for (const char* name : {"txtYear", "txtAcctCode", "txtAcctCode2"})
        box(QString::fromLatin1(name))->clear();
}

} // namespace orv
