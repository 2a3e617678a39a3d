#include "DE_GL_Report.h"

#include "data/Connection.h"

namespace orv::reports {

namespace {

const QString kReturnValue = QStringLiteral("RETURN_VALUE");

ReportParameter smallYear() {
    return {QStringLiteral("year"), ParameterType::SmallInt, 0};
}

} // namespace

DE_GL_Report::DE_GL_Report()
    : ReportDataSource(QStringLiteral("DE_GL_Report"), QStringLiteral("conGL"), kShapeReportConnection) {
    // The trial balance: one group over every account, with the totals of the two columns.
    addCommand(
        ReportCommand(TB_Bal, QStringLiteral("select_chart_of_acct"), kReturnValue,
                      {{QStringLiteral("year"), ParameterType::Integer, 0}},
                      QStringLiteral(" SHAPE {{? = CALL dbo.select_chart_of_acct( ?) }}  AS cmGL COMPUTE "
                                     "SUM(cmGL.'Debit Bal') AS Debit, SUM(cmGL.'Credit Bal') AS "
                                     "Credit, cmGL ")));
    addCommand(ReportCommand(cmBS, QStringLiteral("select_balance_sheet_YTD"), kReturnValue, {smallYear()}));
    addCommand(ReportCommand(cmdBS_NoCode, QStringLiteral("select_BS_without_acctcode"), kReturnValue,
                             {smallYear()}));
    addCommand(ReportCommand(cmPL, QStringLiteral("select_profit_loss"), kReturnValue, {smallYear()}));
    addCommand(ReportCommand(cm12_YTD, QStringLiteral("select_12mth_PL_YTD"), kReturnValue, {smallYear()}));
    // The listing: one group per account. Account codes run past 32767, so the range travels
    // as 32-bit whole numbers, as wide as the codes themselves.
    addCommand(ReportCommand(
        cmGListing_Grouping, QStringLiteral("select_general_ledger_listing"), kReturnValue,
        {smallYear(),
         {QStringLiteral("acctcode1"), ParameterType::Integer, 0},
         {QStringLiteral("acctcode2"), ParameterType::Integer, 0}},
        QStringLiteral(" SHAPE {{? = CALL dbo.select_general_ledger_listing( ?, ?, ?) }}  AS cmGListing "
                       "COMPUTE cmGListing, SUM(cmGListing.'Period Dr') AS SumDr, "
                       "SUM(cmGListing.'Period Cr') AS SumCr BY 'GL_ID'")));
}

} // namespace orv::reports
