// The document writer on the book's own journal tables, through a layout that
// draws on every kind of source.
#include "data/DataClass.h"
#include "support/Refusal.h"
#include "support/TestBook.h"

#include <cstdint>

using namespace orv;

namespace {

// Header: the clerk and the day from the window's header record, a fixed
// invoice number. Lines: the posting number and the day as the header row
// was saved, account and amount from each line, a fixed description, period
// and year from the header record.
class clsLayoutJournal : public DataClass {
public:
    static inline const QString kFailureText = QStringLiteral("Error Entering Layout Journal");

    clsLayoutJournal() { Class_Initialize(); }

    QString Send_Order(const Recordset& header, const Recordset& lines) {
        static const DocumentLayout layout{QStringLiteral("Document_T"),
                                           {fromHeader(QStringLiteral("EmployeeID"), QStringLiteral("Clerk")),
                                            fromHeader(QStringLiteral("date_dt"), QStringLiteral("Day")),
                                            fixed(QStringLiteral("inv_no"), Variant(std::int32_t{77}))},
                                           QStringLiteral("Journal_T"),
                                           {fromSaved(QStringLiteral("Doc_No_VC"), QStringLiteral("DocID")),
                                            fromLine(QStringLiteral("GL_ID"), QStringLiteral("Account")),
                                            fromLine(QStringLiteral("Amount_NU"), QStringLiteral("Amount")),
                                            fixed(QStringLiteral("Descrip_VC"), QStringLiteral("by layout")),
                                            fromSaved(QStringLiteral("date_dt"), QStringLiteral("date_dt")),
                                            fromHeader(QStringLiteral("Period_TI"), QStringLiteral("Period")),
                                            fromHeader(QStringLiteral("Year_SI"), QStringLiteral("Year"))},
                                           QStringLiteral("DocID")};
        return writeDocument(kFailureText, layout, header, lines);
    }
};

class DocumentWriterTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        clerkId = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    }
    Recordset header(const QDate& day) const {
        Recordset h;
        h.appendField(QStringLiteral("Clerk"), DataType::BigInt);
        h.appendField(QStringLiteral("Day"), DataType::Date);
        h.appendField(QStringLiteral("Period"), DataType::SmallInt);
        h.appendField(QStringLiteral("Year"), DataType::SmallInt);
        h.open();
        h.addNew();
        h.setValue(QStringLiteral("Clerk"), Variant(static_cast<std::int64_t>(clerkId)));
        h.setValue(QStringLiteral("Day"), Variant(day));
        h.setValue(QStringLiteral("Period"), Variant(static_cast<std::int32_t>(day.month())));
        h.setValue(QStringLiteral("Year"), Variant(static_cast<std::int32_t>(day.year())));
        h.update();
        return h;
    }
    // (account, amount) per line.
    static Recordset lines(const std::vector<std::pair<int, const char*>>& rows) {
        Recordset l;
        l.appendField(QStringLiteral("Account"), DataType::Integer);
        l.appendField(QStringLiteral("Amount"), DataType::Currency);
        l.open();
        for (const auto& [account, amount] : rows) {
            l.addNew();
            l.setValue(QStringLiteral("Account"), Variant(static_cast<std::int32_t>(account)));
            l.setValue(QStringLiteral("Amount"), Variant(QLatin1String(amount)));
            l.update();
        }
        return l;
    }
    void expectNothingPosted(const char* what) {
        EXPECT_EQ(count(QStringLiteral("Document_T")), 0) << what;
        EXPECT_EQ(count(QStringLiteral("Journal_T")), 0) << what;
        EXPECT_EQ(count(QStringLiteral("Ledger_T")), 0) << what;
    }

    qint64 clerkId = 0;
    clsLayoutJournal writer;
};

} // namespace

TEST_F(DocumentWriterTest, EachColumnLandsFromItsSourceAndEveryLineCarriesItsOwnHeader) {
    EXPECT_EQ(writer.Send_Order(header(QDate(2010, 6, 15)), lines({{6100, "100"}, {1010, "-100"}})),
              QStringLiteral("1"));
    EXPECT_EQ(
        writer.Send_Order(header(QDate(2010, 7, 2)), lines({{6100, "40"}, {6000, "60"}, {1010, "-100"}})),
        QStringLiteral("2"));

    const QString clerk = QString::number(clerkId);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(DocID || ' ' || EmployeeID || ' ' || date_dt || ' ' || "
                              "inv_no, ', ') FROM (SELECT * FROM Document_T ORDER BY DocID)")),
        QStringLiteral("1 %1 2010-06-15 77, 2 %1 2010-07-02 77").arg(clerk));
    EXPECT_EQ(
        scalar(QStringLiteral(
            "SELECT group_concat(Doc_No_VC || ' ' || GL_ID || ' ' || (Amount_NU / 10000) || ' ' || "
            "Descrip_VC || ' ' || date_dt || ' ' || Period_TI || '/' || Year_SI, ', ') "
            "FROM (SELECT * FROM Journal_T ORDER BY Row_ID)")),
        QStringLiteral("1 6100 100 by layout 2010-06-15 6/2010, 1 1010 -100 by layout 2010-06-15 6/2010, "
                       "2 6100 40 by layout 2010-07-02 7/2010, 2 6000 60 by layout 2010-07-02 7/2010, "
                       "2 1010 -100 by layout 2010-07-02 7/2010"));
    EXPECT_FALSE(DataClass::lastRefusal().has_value());
}

TEST_F(DocumentWriterTest, ARefusedLineOrNoLinesLeaveNeitherHeaderNorLines) {
    // The second of three lines is refused after the header and the first
    // line are written: the refusal counts the line before it.
    test::expectRefused(
        writer,
        writer.Send_Order(header(QDate(2010, 6, 15)), lines({{6100, "100"}, {6999, "-50"}, {1010, "-50"}})),
        clsLayoutJournal::kFailureText, QStringLiteral("Journal_T: unknown or inactive account"));
    ASSERT_TRUE(DataClass::lastRefusal().has_value());
    EXPECT_EQ(DataClass::lastRefusal()->sentence,
              QStringLiteral("Line 2: account 6999 is not an active account of the chart."));
    expectNothingPosted("refused line");

    // The writer writes the header alone; the books refuse a document
    // without lines when it is committed.
    test::expectRefused(writer, writer.Send_Order(header(QDate(2010, 6, 15)), lines({})),
                        clsLayoutJournal::kFailureText, QStringLiteral("document without lines"));
    expectNothingPosted("no lines");

    // Neither refusal used up a posting number.
    EXPECT_EQ(writer.Send_Order(header(QDate(2010, 6, 15)), lines({{6100, "5"}, {1010, "-5"}})),
              QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Journal_T")), 2);
}
