// The stock movements of a year: each move with its document, quantity,
// unit price, a goods received note's currency and rate, and its value in
// (Dr) or out (Cr).
#include "DE_Stk_Report.h"
#include "StockReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptStock_Mvmt"), QStringLiteral("Stock_Movement"));
    rpt.setDataMember(DE_Stk_Report::cmStock_Movement);
    rpt.setWidth(12255);
    rpt.section(SectionKind::ReportHeader, 360)
        .add(C::label(QStringLiteral("STOCK MOVEMENT"), 3456, 0, 2880).centred().boldSize(9.75));
    rpt.section(SectionKind::PageHeader, 510)
        .add(C::line(0, 0, 12096))
        .add(C::label(QStringLiteral("Transaction Date"), 0, 144, 1728).boldSize(9.75))
        .add(C::label(QStringLiteral("Product Code"), 1872, 144, 1440).boldSize(9.75))
        .add(C::label(QStringLiteral("Doc Type"), 3456, 144, 1005).boldSize(9.75))
        .add(C::label(QStringLiteral("Doc No"), 4608, 144, 720).boldSize(9.75))
        .add(C::label(QStringLiteral("Description"), 5472, 144, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("Qty"), 6912, 144, 435).boldSize(9.75))
        .add(C::label(QStringLiteral("U. Price"), 7488, 144, 864).boldSize(9.75))
        .add(C::label(QStringLiteral("Cur.Type"), 8496, 144, 870).boldSize(9.75))
        .add(C::label(QStringLiteral("Cur_Rate"), 9504, 144, 1020).boldSize(9.75))
        .add(C::label(QStringLiteral("Dr"), 10800, 144, 285).boldSize(9.75))
        .add(C::label(QStringLiteral("Cr"), 11664, 144, 285).boldSize(9.75))
        .add(C::line(0, 432, 12096));
    rpt.section(SectionKind::Detail, 528)
        .add(C::textBox(QStringLiteral("Transaction date"), 0, 0, 1296)
                 .withFormat(QStringLiteral("dd-MM-yyyy"))
                 .size(9.75))
        .add(C::textBox(QStringLiteral("Product Code"), 1872, 0, 1155).size(9.75))
        .add(C::textBox(QStringLiteral("Doc Type"), 3456, 0, 1005).size(9.75))
        .add(C::textBox(QStringLiteral("Doc No"), 4608, 0, 720).size(9.75))
        .add(C::textBox(QStringLiteral("Description"), 5472, 0, 1290).size(9.75))
        .add(C::textBox(QStringLiteral("Qty"), 6912, 0, 435).withFormat(QStringLiteral("0")).size(9.75))
        .add(C::textBox(QStringLiteral("Unit Price"), 7488, 0, 870).money().size(9.75))
        .add(C::textBox(QStringLiteral("Cur_Type"), 8640, 0, 585).size(9.75))
        .add(C::textBox(QStringLiteral("Cur_Rate"), 9504, 0, 855).size(9.75))
        .add(C::textBox(QStringLiteral("Debit"), 10656, 0, 570).money().size(9.75))
        .add(C::textBox(QStringLiteral("Credit"), 11520, 0, 735).money().size(9.75));
    rpt.section(SectionKind::PageFooter, 165);
    rpt.section(SectionKind::ReportFooter, 120);
    return rpt;
}

} // namespace

const ReportLayout& rptStock_Mvmt() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
