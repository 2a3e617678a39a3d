#include "reports/ReportFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::reports;

namespace {
Variant money(const char* text) {
    return Variant(Currency::parse(QString::fromLatin1(text)));
}
} // namespace

TEST(ReportFormat, NumberPicturesPutNegativesInParentheses) {
    const QString m = "#,##0.00;(#,##0.00)";
    EXPECT_EQ(ReportFormat::format(money("1234567.891"), m), "1,234,567.89");
    EXPECT_EQ(ReportFormat::format(money("-2000"), m), "(2,000.00)");
    EXPECT_EQ(ReportFormat::format(money("0"), m), "0.00");
    EXPECT_EQ(ReportFormat::format(money("0.005"), m), "0.01");
    EXPECT_EQ(ReportFormat::format(Variant(std::int32_t(-1200)), "0;(0)"), "(1200)");
    EXPECT_EQ(ReportFormat::format(Variant(std::int32_t(1200)), "0;(0)"), "1200");
    EXPECT_EQ(ReportFormat::format(Variant(std::int32_t(4100)), "0"), "4100");
    EXPECT_EQ(ReportFormat::format(Variant::null(), m), "");
}

TEST(ReportFormat, DatePicturesAndDefaultText) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const Variant d(QDate(2010, 3, 5));
    EXPECT_EQ(ReportFormat::format(d, "d.MMM.yy"), "5.Mar.10");
    EXPECT_EQ(ReportFormat::format(d, "dd-MM-yyyy"), "05-03-2010");
    EXPECT_EQ(ReportFormat::format(Variant("2010-11-22"), "dd-MM-yyyy"), "22-11-2010"); // a date kept as text
    // Without a format: a date in the short date form, anything else as it is.
    EXPECT_EQ(ReportFormat::format(d, ""), QLocale().toString(QDate(2010, 3, 5), QLocale::ShortFormat));
    EXPECT_EQ(ReportFormat::format(Variant("ACME Trading"), ""), "ACME Trading");
    EXPECT_EQ(ReportFormat::format(Variant(std::int32_t(30)), ""), "30");
    EXPECT_EQ(ReportFormat::format(Variant("not a date"), "dd-MM-yyyy"), "not a date");
    QLocale::setDefault(QLocale::system());
}
