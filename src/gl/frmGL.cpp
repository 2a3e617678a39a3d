#include "frmGL.h"

#include "reports/gl/DE_GL_Report.h"
#include "reports/gl/GlReportLayouts.h"

#include <QLineEdit>

namespace orv {

using reports::DE_GL_Report;
using Item = ReportItem;
namespace {

constexpr auto& T = frmGL::kText;

// A report over the reporting year alone; the balance sheet without codes
// focuses an empty year box but leaves its colour.
ReportRow yearReport(PinnedText label, PinnedText button, const QString& command,
                     const reports::ReportLayout& (*layout)(), bool tint = true) {
    ReportLaunch launch{command,
                        layout,
                        {{"txtYear", qtext(T["SpecifyYear"]), tint}},
                        {{"txtYear", qtext(T["YearBoxName"])}}};
    return {{Item::label(label), Item::button(button, std::move(launch))}};
}

} // namespace

frmGL::frmGL(QWidget* parent)
    : ReportWindow(QStringLiteral("frmGL"), qtext(T["frmGL"]), sourceOf<DE_GL_Report>(), parent) {
    const ReportLaunch listing{DE_GL_Report::cmGListing_Grouping,
                               &reports::rptGLListing,
                               {{"txtYear", qtext(T["SpecifyYear"])},
                                {"txtAcctCode", qtext(T["SpecifyStartCode"])},
                                {"txtAcctCode2", qtext(T["SpecifyEndCode"])}},
                               {{"txtYear", qtext(T["YearBoxName"])},
                                {"txtAcctCode", qtext(T["StartCodeBoxName"])},
                                {"txtAcctCode2", qtext(T["EndCodeBoxName"])}}};
    build(
        {{"Frame2",
          qtext(T["Frame2"]),
          {yearReport(T.entry("Label4"), T.entry("Command1"), DE_GL_Report::TB_Bal, &reports::rptCOA),
           yearReport(T.entry("Label5"), T.entry("Command2"), DE_GL_Report::cmBS, &reports::rptBS),
           yearReport(T.entry("Label14"), T.entry("Command9"), DE_GL_Report::cmdBS_NoCode,
                      &reports::rptBS_No_Acctcode, false),
           yearReport(T.entry("Label6"), T.entry("Command3"), DE_GL_Report::cmPL, &reports::rptPL),
           yearReport(T.entry("Label7"), T.entry("Command4"), DE_GL_Report::cm12_YTD, &reports::rpt12_YTD)}},
         {"Frame1",
          qtext(T["Frame1"]),
          {{{Item::label(T.entry("Label9")), Item::button(T.entry("Command6"), listing)}},
           {{Item::label(T.entry("Label10")), Item::box("txtAcctCode"), Item::label(T.entry("Label11")),
             Item::box("txtAcctCode2")},
            true}}},
         {{},
          {},
          {{{Item::button(T.entry("Command8"), [this] { Command8_Click(); }), Item::stretch(),
             Item::label(T.entry("Label13")), Item::box(T.entry("txtYear"))}}}}});
}

// REFRESH empties the three boxes; their colours stay and nothing runs.
void frmGL::Command8_Click() {
    for (const char* name : {"txtYear", "txtAcctCode", "txtAcctCode2"})
        box(QString::fromLatin1(name))->clear();
}

} // namespace orv
