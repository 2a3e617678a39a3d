#include "GlReportBook.h"

#include "reports/gl/DE_GL_Report.h"
#include "uicore/UiServices.h"

namespace orv::test {

void GlReportBook::SetUp() {
    GlBook::SetUp();
    employee = clerk();
}

void GlReportBook::closeYear(int y) {
    Recordset offered = yearEnd.Get_GL_Code(QString::number(y));
    Recordset lines = journalLines();
    for (offered.moveFirst(); !offered.eof(); offered.moveNext())
        addLine(lines, offered.value(0).toInt32(), offered.value(2).toString(), QStringLiteral("year end"),
                QDate(y, 12, 31));
    const QString answer = yearEnd.Send_Order(journalHeader(employee), lines);
    ASSERT_TRUE(isNumericText(answer)) << answer.toStdString();
}

void GlReportBook::postTradingBook() {
    post({{1000, "10000", "capital paid in", QDate(2010, 1, 5)},
          {3000, "-10000", "capital paid in", QDate(2010, 1, 5)}});
    post({{1000, "4000", "cash sales", QDate(2010, 2, 10)},
          {4000, "-4000", "cash sales", QDate(2010, 2, 10)}});
    post({{6100, "1200", "rent Q1", QDate(2010, 3, 15)},
          {6000, "800.50", "salaries March", QDate(2010, 3, 15)},
          {1000, "-2000.50", "rent and salaries", QDate(2010, 3, 15)}});
    post({{1500, "3000", "office equipment", QDate(2010, 7, 1)},
          {2500, "-3000", "equipment loan", QDate(2010, 7, 1)}});
    post({{6300, "250.25", "depreciation", QDate(2010, 12, 31)},
          {1510, "-250.25", "depreciation", QDate(2010, 12, 31)}});
    closeYear(2010);
    post({{1000, "1500", "cash sales", QDate(2011, 1, 20)},
          {4000, "-1500", "cash sales", QDate(2011, 1, 20)}});
    post({{6100, "600", "rent", QDate(2011, 3, 10)}, {1000, "-600", "rent", QDate(2011, 3, 10)}});
}

reports::ShapedRows::Ptr GlReportBook::run(const QString& command, const std::vector<Variant>& inputs) {
    reports::DE_GL_Report& source = glReports;
    source.resultSet(command).close();
    source.run(command, inputs);
    return source.resultSet(command).rows();
}

} // namespace orv::test
