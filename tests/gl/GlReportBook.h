#pragma once

#include "GlBook.h"
#include "gl/clsREEntry.h"
#include "reports/ShapedRows.h"
#include "reports/gl/DE_GL_Report.h"

#include <vector>

namespace orv::test {

// A small trading book posted through the journal and the year-end windows'
// data classes, for the general-ledger reports:
//   2010  capital 10,000.00 into the bank; sales 4,000.00; rent 1,200.00 and
//         salaries 800.50 paid; equipment 3,000.00 on a bank loan;
//         depreciation 250.25; the year closed to retained earnings
//         (profit 1,749.25).
//   2011  sales 1,500.00 and rent 600.00, not closed.
class GlReportBook : public GlBook {
protected:
    void SetUp() override;

    // Closes the year with the lines the year-end window offers, dated its last day.
    void closeYear(int year);
    void postTradingBook();

    // Runs a command of DE_GL_Report as its button does and returns its rows.
    reports::ShapedRows::Ptr run(const QString& command, const std::vector<Variant>& inputs);
    static Variant money(const char* amount) { return Variant(Currency::parse(QString::fromLatin1(amount))); }
    static Variant year(int y) { return Variant::smallInt(std::int16_t(y)); }

    qint64 employee = 0;
    clsREEntry yearEnd;
    // The reports' data source, as a report window holds its own.
    reports::DE_GL_Report glReports;
};

} // namespace orv::test
