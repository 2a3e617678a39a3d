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

// A bank journal: a bank row between the header and the lines, its cheque
// number computed from the header and the saved header; lines linked through
// the bank row as saved, each amount written negated and a blank memo left
// out.
class clsBankJournal : public DataClass {
public:
    clsBankJournal() { Class_Initialize(); }

    QString Send_Order(const Recordset& header, const Recordset& lines) {
        static const DocumentLayout layout{
            QStringLiteral("Document_T"),
            {fromHeader(QStringLiteral("EmployeeID"), QStringLiteral("Clerk")),
             fromHeader(QStringLiteral("date_dt"), QStringLiteral("Day"))},
            QStringLiteral("Journal_T"),
            {fromSaved(QStringLiteral("Doc_No_VC"), QStringLiteral("Cash_T"), QStringLiteral("Doc_No")),
             fromLine(QStringLiteral("GL_ID"), QStringLiteral("Account")),
             scaledLine(QStringLiteral("Amount_NU"), QStringLiteral("Amount"), -1),
             whenGiven(fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Memo"))),
             fromSaved(QStringLiteral("date_dt"), QStringLiteral("date_dt")),
             fromHeader(QStringLiteral("Period_TI"), QStringLiteral("Period")),
             fromHeader(QStringLiteral("Year_SI"), QStringLiteral("Year"))},
            QStringLiteral("DocID"),
            {{QStringLiteral("Cash_T"),
              {fromSaved(QStringLiteral("Doc_No"), QStringLiteral("DocID")),
               fromHeader(QStringLiteral("Bank_Code_VC"), QStringLiteral("Bank")),
               computed(QStringLiteral("Chq_No_VC"),
                        [](const DocumentValues& v) {
                            return Variant(v.header(QStringLiteral("Cheque")).toString() +
                                           QStringLiteral("-") + v.saved(QStringLiteral("DocID")).toString());
                        }),
               fixed(QStringLiteral("Cash_Category_VC"), QStringLiteral("CH"))}}}};
        return writeDocument(QStringLiteral("Error Entering Bank Journal"), layout, header, lines);
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
        h.appendField(QStringLiteral("Bank"), DataType::Integer);
        h.appendField(QStringLiteral("Cheque"), DataType::Text, 5);
        h.open();
        h.addNew();
        h.setValue(QStringLiteral("Clerk"), Variant(static_cast<std::int64_t>(clerkId)));
        h.setValue(QStringLiteral("Day"), Variant(day));
        h.setValue(QStringLiteral("Period"), Variant(static_cast<std::int32_t>(day.month())));
        h.setValue(QStringLiteral("Year"), Variant(static_cast<std::int32_t>(day.year())));
        h.setValue(QStringLiteral("Bank"), Variant(std::int32_t{1020}));
        h.setValue(QStringLiteral("Cheque"), Variant(QStringLiteral("77")));
        h.update();
        return h;
    }
    struct Line {
        int account;
        const char* amount;
        const char* memo = "";
    };
    static Recordset lines(const std::vector<Line>& rows) {
        Recordset l;
        l.appendField(QStringLiteral("Account"), DataType::Integer);
        l.appendField(QStringLiteral("Amount"), DataType::Currency);
        l.appendField(QStringLiteral("Memo"), DataType::Text, 10);
        l.open();
        for (const Line& r : rows) {
            l.addNew();
            l.setValue(QStringLiteral("Account"), Variant(static_cast<std::int32_t>(r.account)));
            l.setValue(QStringLiteral("Amount"), Variant(QLatin1String(r.amount)));
            l.setValue(QStringLiteral("Memo"), Variant(QLatin1String(r.memo)));
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

    // The lines go in together, many to a statement: 37 lines land whole and in order.
    std::vector<Line> many(36, Line{6100, "1"});
    many.push_back({1010, "-36"});
    EXPECT_EQ(writer.Send_Order(header(QDate(2010, 7, 3)), lines(many)), QStringLiteral("3"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) || ' ' || sum(Amount_NU > 0) || ' ' || max(Amount_NU > 0 "
                              "AND Row_ID > (SELECT Row_ID FROM Journal_T WHERE Amount_NU < 0 AND "
                              "Doc_No_VC = '3')) FROM Journal_T WHERE Doc_No_VC = '3'")),
        QStringLiteral("37 36 0"));
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

TEST_F(DocumentWriterTest, ComputedConditionalAndSingleRowColumnsLandWhereDeclared) {
    // No landed document writes a bank row on a journal, which the book's
    // kind rules would flag.
    skipBookChecks();
    build(R"(
        account  1020  OCBC Current
        bank     1020  OCBC
    )");
    clsBankJournal bankJournal;
    EXPECT_EQ(bankJournal.Send_Order(header(QDate(2010, 6, 15)),
                                     lines({{6100, "-100", "rent"}, {1010, "100", "  "}})),
              QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Doc_No || ' ' || Bank_Code_VC || ' ' || Chq_No_VC || ' ' || "
                                    "Cash_Category_VC FROM Cash_T")),
              QStringLiteral("1 1020 77-1 CH"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Doc_No_VC || ' ' || GL_ID || ' ' || (Amount_NU / 10000) || "
                  "' ' || COALESCE(Descrip_VC, 'none'), ', ') FROM "
                  "(SELECT * FROM Journal_T ORDER BY Row_ID)")),
              QStringLiteral("1 6100 100 rent, 1 1010 -100 none"));
}
