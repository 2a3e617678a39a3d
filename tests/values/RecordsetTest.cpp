#include "values/Recordset.h"
#include "values/DataError.h"

#include <gtest/gtest.h>
#include <limits>

using namespace orv;

namespace {

Recordset lineSet() {
    Recordset rs;
    rs.appendField(QStringLiteral("ProductID"), DataType::Integer);
    rs.appendField(QStringLiteral("Descrip_VC"), DataType::Text, 10);
    rs.appendField(QStringLiteral("Amount_NU"), DataType::Currency);
    rs.appendField(QStringLiteral("Qty_SI"), DataType::SmallInt);
    rs.appendField(QStringLiteral("date_dt"), DataType::Date);
    rs.open();
    return rs;
}

} // namespace

TEST(Recordset, AssignmentConvertsToTheFieldType) {
    Recordset rs = lineSet();
    rs.addNew();
    rs.setValue(QStringLiteral("ProductID"), QStringLiteral(" 42 "));
    rs.setValue(QStringLiteral("Amount_NU"), QStringLiteral("1,250.10"));
    rs.setValue(QStringLiteral("date_dt"), QStringLiteral("2010-03-31"));
    EXPECT_EQ(rs.value(QStringLiteral("ProductID")).type(), DataType::Integer);
    EXPECT_EQ(rs.value(QStringLiteral("ProductID")).toInt32(), 42);
    EXPECT_EQ(rs.value(QStringLiteral("Amount_NU")).toCurrency().raw(), 12501000);
    EXPECT_EQ(rs.value(QStringLiteral("date_dt")).toDate(), QDate(2010, 3, 31));
    rs.setValue(QStringLiteral("Amount_NU"), QString());
    EXPECT_TRUE(rs.value(QStringLiteral("Amount_NU")).isNull());
}

TEST(Recordset, BadAssignmentsAreRefusedAndKeepTheOldValue) {
    Recordset rs = lineSet();
    rs.addNew();
    rs.setValue(QStringLiteral("Qty_SI"), std::int32_t(5));
    EXPECT_THROW(rs.setValue(QStringLiteral("Qty_SI"), QStringLiteral("five")), DataError);
    EXPECT_THROW(rs.setValue(QStringLiteral("Qty_SI"), std::int32_t(40000)), DataError);
    EXPECT_THROW(rs.setValue(QStringLiteral("Descrip_VC"), QStringLiteral("eleven char")), DataError);
    EXPECT_THROW(rs.setValue(QStringLiteral("Amount_NU"), QStringLiteral("12x")), DataError);
    EXPECT_THROW(rs.setValue(QStringLiteral("date_dt"), QStringLiteral("2010-02-30")), DataError);
    EXPECT_THROW(rs.setValue(QStringLiteral("NoSuchField"), std::int32_t(1)), DataError);
    EXPECT_EQ(rs.value(QStringLiteral("Qty_SI")).toInt32(), 5);
}

TEST(Recordset, FieldNamesIgnoreCase) {
    Recordset rs = lineSet();
    rs.addNew();
    rs.setValue(QStringLiteral("productid"), std::int32_t(7));
    EXPECT_EQ(rs.value(QStringLiteral("PRODUCTID")).toInt32(), 7);
    EXPECT_THROW(rs.appendField(QStringLiteral("x"), DataType::Text), DataError); // open already
    Recordset other;
    other.appendField(QStringLiteral("CustomerID"), DataType::Integer);
    EXPECT_THROW(other.appendField(QStringLiteral("customerid"), DataType::Integer), DataError);
}

TEST(Recordset, CursorWalksRowsAndDeletes) {
    Recordset rs = lineSet();
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_THROW(rs.value(0), DataError);
    for (int i = 1; i <= 3; ++i) {
        rs.addNew();
        rs.setValue(0, i);
    }
    EXPECT_EQ(rs.recordCount(), 3);
    rs.moveFirst();
    int seen = 0;
    while (!rs.eof()) {
        seen += rs.value(0).toInt32();
        rs.moveNext();
    }
    EXPECT_EQ(seen, 6);
    EXPECT_THROW(rs.moveNext(), DataError);
    rs.moveTo(1);
    rs.deleteCurrent();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(0).toInt32(), 3);
    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(rs.recordCount(), 0);
}

TEST(Recordset, CopiesShareOneSetAndListenersHearChanges) {
    Recordset rs = lineSet();
    Recordset alias = rs;
    int heard = 0;
    const int id = rs.subscribe([&] { ++heard; });
    alias.addNew();
    alias.setValue(0, 9);
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(heard, 2);
    rs.unsubscribe(id);
    alias.setValue(0, 10);
    EXPECT_EQ(heard, 2);
}

TEST(Recordset, DetachedResultsAreReadOnly) {
    Recordset rs = Recordset::detached({{QStringLiteral("Name"), DataType::Text, 0}},
                                       {{Variant(QStringLiteral("a"))}, {Variant(QStringLiteral("b"))}});
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("name")).toString(), QStringLiteral("a"));
    EXPECT_THROW(rs.setValue(0, QStringLiteral("c")), DataError);
    EXPECT_THROW(rs.addNew(), DataError);
}

// A detached result holds its values compactly; each reads back as given, of
// its own type, in a long result and after the rows of another are added.
TEST(Recordset, DetachedResultsGiveBackEveryKindOfValueAsGiven) {
    const std::vector<Variant> kinds = {Variant(),
                                        Variant::null(),
                                        Variant(true),
                                        Variant::smallInt(-7),
                                        Variant(std::int32_t{-2147483647}),
                                        Variant(std::int64_t{9007199254740993}),
                                        Variant(Currency::fromRaw(-123456789)),
                                        Variant(0.1),
                                        Variant(QDate(1899, 12, 30)),
                                        Variant(QStringLiteral("Ünïcode text"))};
    const int width = int(kinds.size());
    std::vector<FieldInfo> fields;
    for (int c = 0; c < width; ++c)
        fields.push_back({QStringLiteral("c%1").arg(c), DataType::Text, 0});
    std::vector<std::vector<Variant>> rows(5000, kinds); // past the first block of values
    rows.back().back() = Variant(QStringLiteral("the last"));
    Recordset rs = Recordset::detached(fields, rows);
    rs.appendRows(Recordset::detached(fields, {{kinds.rbegin(), kinds.rend()}}));
    ASSERT_EQ(rs.recordCount(), 5001);
    for (int r : {0, 3276, 4998})
        for (int c = 0; c < width; ++c)
            EXPECT_TRUE(rs.valueAt(r, c) == kinds[size_t(c)]) << r << "," << c;
    EXPECT_EQ(rs.valueAt(4999, width - 1).toString(), QStringLiteral("the last"));
    for (int c = 0; c < width; ++c)
        EXPECT_TRUE(rs.valueAt(5000, c) == kinds[size_t(width - 1 - c)]) << c;
}

TEST(Variant, ConversionsFailClearlyNeverSilently) {
    EXPECT_EQ(Variant(QStringLiteral(" -12 ")).toInt32(), -12);
    EXPECT_THROW(Variant(QStringLiteral("12.5")).toInt32(), DataError);
    EXPECT_THROW(Variant(QStringLiteral("3000000000")).toInt32(), DataError);
    EXPECT_EQ(Variant(QStringLiteral("3000000000")).toInt64(), 3000000000LL);
    EXPECT_THROW(Variant(std::numeric_limits<double>::quiet_NaN()).toInt64(), DataError);
    EXPECT_THROW(Variant(1e30).toInt64(), DataError);
    EXPECT_EQ(Variant(Currency::parse(QStringLiteral("2.5"))).toInt64(), 3);
    EXPECT_TRUE(Variant(QStringLiteral("True")).toBool());
    EXPECT_THROW(Variant(QStringLiteral("yes")).toBool(), DataError);
    EXPECT_THROW(Variant(QStringLiteral("31/02/2010")).toDate(), DataError);
    EXPECT_EQ(Variant(QStringLiteral("31/01/2010")).toDate(), QDate(2010, 1, 31));
    EXPECT_TRUE(isNumericText(QStringLiteral(" 1024 ")));
    EXPECT_FALSE(isNumericText(QStringLiteral("Error Entering Journal")));
    EXPECT_FALSE(isNumericText(QString()));
}

TEST(Variant, ANumberShowsFifteenDigitsAndItsTextAlwaysReadsBack) {
    EXPECT_EQ(Variant(0.1).toString(), QStringLiteral("0.1"));
    EXPECT_EQ(Variant(2.0 / 3.0).toString(), QStringLiteral("0.666666666666667"));
    // Fifteen digits would round the ends of the range past them.
    for (const double end : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
        const QString shown = Variant(end).toString();
        EXPECT_EQ(Variant(shown).convertedTo(DataType::Double).toDouble(), end) << shown.toStdString();
    }
}

TEST(Variant, ADateReadsAsTheBookWritesIt) {
    for (const QDate& d : {QDate(2010, 1, 31), QDate(999, 12, 1), QDate(1, 1, 1), QDate(9999, 12, 31),
                           QDate(-5, 3, 4), QDate(10000, 1, 1), QDate()})
        EXPECT_EQ(Variant(d).toString(), d.toString(Qt::ISODate)) << d.toString().toStdString();
}

TEST(Recordset, RowViewReadsAndWritesRowsWithoutMovingTheCursor) {
    Recordset rs = lineSet();
    EXPECT_EQ(rs.rows().begin() != rs.rows().end(), false);
    for (int i = 1; i <= 3; ++i) {
        rs.addNew();
        rs.setValue(0, i);
        rs.setValue(QStringLiteral("Amount_NU"), QStringLiteral("1.25"));
    }
    rs.setValue(QStringLiteral("Amount_NU"), QString()); // the last amount emptied
    rs.moveTo(1);
    Currency total;
    int ids = 0;
    for (const RowView row : rs.rows()) {
        ids += static_cast<int>(row.integer(QStringLiteral("productid")));
        total += row.currency(QStringLiteral("Amount_NU"));
        row.set(QStringLiteral("Qty_SI"), row.index() * 10);
    }
    EXPECT_EQ(ids, 6);
    EXPECT_EQ(total, Currency::parse(QStringLiteral("2.50")));
    EXPECT_EQ(rs.position(), 1);
    EXPECT_EQ(rs.valueAt(2, rs.fieldIndex(QStringLiteral("Qty_SI"))).toInt32(), 20);
    EXPECT_THROW((*rs.rows().begin()).value(QStringLiteral("NoSuchField")), DataError);

    // A set returned by value can be walked directly.
    auto copy = [&rs] { return Recordset(rs); };
    int rows = 0;
    for (const RowView row : copy().rows())
        rows += row.isBlank(QStringLiteral("Amount_NU")) ? 0 : 1;
    EXPECT_EQ(rows, 2);
}

TEST(Recordset, TextIsCountedInCharactersAndRefusedWhenItCannotBeStoredAsTyped) {
    Recordset rs = lineSet();
    rs.addNew();
    // Ten emoji are ten characters, as the database counts them.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(10);
    rs.setValue(QStringLiteral("Descrip_VC"), emoji);
    EXPECT_EQ(rs.value(QStringLiteral("Descrip_VC")).toString(), emoji);
    EXPECT_THROW(rs.setValue(QStringLiteral("Descrip_VC"), emoji + QStringLiteral("x")), DataError);
    // Tabs and line breaks are kept; a NUL or half a character is refused
    // with its reason, and the field keeps what it held.
    rs.setValue(QStringLiteral("Descrip_VC"), QStringLiteral("a\tb\r\nc"));
    const struct {
        QString text;
        const char* why;
    } refused[] = {
        {QStringLiteral("Tan") + QChar(0) + QStringLiteral("x"), "control character (code 0)"},
        {QStringLiteral("bell\a"), "control character (code 7)"},
        {QStringLiteral("half") + QChar(0xD83D), "invalid character"},
        {QChar(0xDE00) + QStringLiteral("half"), "invalid character"},
    };
    for (const auto& r : refused) {
        try {
            rs.setValue(QStringLiteral("Descrip_VC"), r.text);
            ADD_FAILURE() << r.why;
        } catch (const DataError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(r.why))) << e.message().toStdString();
        }
        EXPECT_EQ(rs.value(QStringLiteral("Descrip_VC")).toString(), QStringLiteral("a\tb\r\nc"));
    }
}
