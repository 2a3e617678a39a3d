// The company book's own rules: a new file's starter books, the column types,
// the document header and journal line rules, and the checks every write
// passes before COMMIT.
#include "data/DataClass.h"
#include "db/CompanyDatabase.h"
#include "support/TestBook.h"
#include "values/DataError.h"

#include <QDate>
#include <QStringList>
#include <ostream>
#include <utility>
#include <vector>

using namespace orv;

namespace {

struct JournalLine {
    int glId;
    const char* amount;
    QDate date;
};

// Posts journals the way the journal windows do: a Document_T header, then one
// Journal_T line per entry carrying the posting number, all in one write. A
// closing write first sets the closing marker, as the retained-earnings
// window's writer does.
class JournalWriter : public DataClass {
public:
    JournalWriter() { Class_Initialize(); }

    QString post(const std::vector<JournalLine>& lines, bool closing = false) {
        return write(QStringLiteral("Error Entering Journal"), [&] {
            if (closing) {
                Recordset marker = openTable(QStringLiteral("Closing_Ctx_T"));
                marker.addNew();
                marker.setValue(QStringLiteral("k"), std::int32_t(1));
                marker.update();
            }
            Recordset head = openTable(QStringLiteral("Document_T"));
            Recordset journal = openTable(QStringLiteral("Journal_T"));
            head.addNew();
            head.setValue(QStringLiteral("EmployeeID"), std::int64_t(1));
            if (party != 0)
                head.setValue(QStringLiteral("customerid"), std::int32_t(party));
            head.update();
            const QString docId = head.value(QStringLiteral("DocID")).toString();
            for (const JournalLine& l : lines) {
                journal.addNew();
                journal.setValue(QStringLiteral("Doc_No_VC"), docId);
                journal.setValue(QStringLiteral("GL_ID"), std::int32_t(l.glId));
                journal.setValue(QStringLiteral("Amount_NU"), Currency::parse(QString::fromLatin1(l.amount)));
                journal.setValue(QStringLiteral("Descrip_VC"), description);
                journal.setValue(QStringLiteral("date_dt"), l.date);
                journal.setValue(QStringLiteral("Period_TI"), std::int32_t(l.date.month() + periodSkew));
                journal.setValue(QStringLiteral("Year_SI"), std::int32_t(l.date.year()));
                journal.update();
            }
            return docId;
        });
    }

    int party = 0;
    int periodSkew = 0;
    QString description = QStringLiteral("test line");
};

class CompanyBookTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    }

    // Every rule check_invariants finds broken, one "rule: detail" per row.
    QStringList brokenRules() {
        Recordset rs = db::CompanyDatabase::execute(QStringLiteral("check_invariants"));
        QStringList out;
        for (int r = 0; r < rs.recordCount(); ++r)
            out << rs.valueAt(r, 0).toString() + QStringLiteral(": ") + rs.valueAt(r, 1).toString();
        return out;
    }
    // A plain statement is refused by the book's own rules.
    bool refused(const QString& statement) {
        try {
            sql(statement);
            return false;
        } catch (const DataError&) {
            return true;
        }
    }
    QString balance(int glId) {
        const QString raw = scalar(
            QStringLiteral("SELECT COALESCE(SUM(Amount_NU), 0) FROM Ledger_T WHERE GL_ID = %1").arg(glId));
        return Currency::fromRaw(raw.toLongLong()).toString();
    }

    JournalWriter writer;
    const QDate jan = QDate(2011, 1, 10);
    const QDate dec = QDate(2011, 12, 31);
};

} // namespace

TEST_F(CompanyBookTest, ANewBookIsSoundAndSeededOnlyOnce) {
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    EXPECT_TRUE(brokenRules().isEmpty()) << brokenRules().join(QLatin1Char('\n')).toStdString();
    const std::vector<std::pair<QString, qint64>> seeded = {{QStringLiteral("COA_T"), 25},
                                                            {QStringLiteral("Category_T"), 6},
                                                            {QStringLiteral("Sub_Category_T"), 13},
                                                            {QStringLiteral("Country_T"), 5},
                                                            {QStringLiteral("Forex_Master_T"), 5},
                                                            {QStringLiteral("VAT_T"), 3},
                                                            {QStringLiteral("Product_Category_T"), 1},
                                                            {QStringLiteral("Product_AccountSet_T"), 1},
                                                            {QStringLiteral("GL_Designated_T"), 1},
                                                            {QStringLiteral("Settings_T"), 1},
                                                            {QStringLiteral("Customers"), 0},
                                                            {QStringLiteral("Creditors"), 0},
                                                            {QStringLiteral("Bank_T"), 0},
                                                            {QStringLiteral("Product_T"), 0},
                                                            {QStringLiteral("Document_T"), 0},
                                                            {QStringLiteral("Ledger_T"), 0}};
    for (const auto& [table, rows] : seeded)
        EXPECT_EQ(count(table), rows) << table.toStdString();

    db::CompanyDatabase::closeConnection();
    for (const auto& [table, rows] : seeded)
        EXPECT_EQ(count(table), rows) << table.toStdString();
    EXPECT_EQ(count(QStringLiteral("Employees")), 1);
}

TEST_F(CompanyBookTest, StarterChartHasItsCategoriesRolesAndCurrencies) {
    // every account sits under a category and sub-category of the tables, which order the reports
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM v_COA_Order WHERE ck = 1000000 OR sk = 1000000")),
              QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Category_VC, '|') FROM (SELECT * FROM Category_T ORDER BY Row_ID)")),
              QStringLiteral("ASSETS|LIABILITIES|EQUITY|INCOME|COST OF SALES|EXPENSES"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM COA_T WHERE Status_bt <> 1")), QStringLiteral("0"));
    // retained earnings is designated; the seeded VAT codes and account set hold the other roles
    EXPECT_EQ(scalar(QStringLiteral("SELECT d.GL_ID || c.Acct_Type FROM GL_Designated_T d "
                                    "JOIN COA_T c USING (GL_ID) WHERE Role_VC = 'RE'")),
              QStringLiteral("3100BS"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(GL_ID || Role, ' ') FROM "
                                    "(SELECT * FROM v_Account_Role ORDER BY GL_ID, Role)")),
              QStringLiteral("1300STOCK 1310SHIP 2100GRNI 2200VAT 2200VAT 2200VAT 3100RE"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(VAT_Code || ':' || VAT_Rate || ':' || VAT_Control, ' ') "
                              "FROM VAT_T")),
        QStringLiteral("1:7.0:2200 2:0.0:2200 3:0.0:2200"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Sales_IN || '/' || COS_IN FROM Product_Category_T "
                                    "WHERE Pdt_Category_VC = 'GEN'")),
              QStringLiteral("4000/5000"));
    // the currencies the set-up windows list, each once, and the books' own
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Cur_Type, ' ') FROM (SELECT * FROM Forex_Master_T ORDER BY Row_ID)")),
              QStringLiteral("SGD USD EUR JPY MYR"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Clsg_Rate FROM Forex_Master_T WHERE Cur_Type = 'jpy'")),
              QStringLiteral("0.0159"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Home_Cur_Type FROM Settings_T")), QStringLiteral("SGD"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Cur_Type FROM Country_T WHERE Country = 'Germany'")),
              QStringLiteral("EUR"));
}

TEST_F(CompanyBookTest, ColumnsRefuseWhatTheProgramCannotHold) {
    // text(20): 20 characters fit, 21 do not
    const QString employee =
        QStringLiteral("INSERT INTO Employees (LastName, FirstName) VALUES ('%1', 'Ann')");
    EXPECT_TRUE(refused(employee.arg(QString(21, QLatin1Char('L')))));
    EXPECT_FALSE(refused(employee.arg(QString(20, QLatin1Char('L')))));

    // a small integer holds -32768 to 32767; letters, fractions and impossible dates never pass
    const QString rate =
        QStringLiteral("INSERT INTO Forex_Master_T (Year_TI, Period_SI, Cur_Type, Clsg_Rate, date_dt) "
                       "VALUES (%1, 6, 'GBP', 2.05, %2)");
    EXPECT_TRUE(refused(rate.arg(QStringLiteral("32768"), QStringLiteral("NULL"))));
    EXPECT_TRUE(refused(rate.arg(QStringLiteral("-32769"), QStringLiteral("NULL"))));
    EXPECT_TRUE(refused(rate.arg(QStringLiteral("'20x1'"), QStringLiteral("NULL"))));
    EXPECT_TRUE(refused(rate.arg(QStringLiteral("2011.5"), QStringLiteral("NULL"))));
    EXPECT_TRUE(refused(rate.arg(QStringLiteral("2011"), QStringLiteral("'2011-02-30'"))));
    EXPECT_TRUE(refused(rate.arg(QStringLiteral("2011"), QStringLiteral("'30/06/2011'"))));
    EXPECT_FALSE(refused(rate.arg(QStringLiteral("32767"), QStringLiteral("'2011-06-30'"))));
    EXPECT_TRUE(refused(QStringLiteral("UPDATE Forex_Master_T SET Period_SI = 13 WHERE Cur_Type = 'GBP'")));

    // names compare without regard to case: a second account "sales" is a duplicate
    EXPECT_TRUE(refused(
        QStringLiteral("INSERT INTO COA_T (GL_ID, GL_Name_VC, Acct_Type) VALUES (4001, 'sales', 'PL')")));
    EXPECT_TRUE(refused(
        QStringLiteral("INSERT INTO COA_T (GL_ID, GL_Name_VC, Acct_Type) VALUES (4001, 'Rebates', 'XX')")));
    EXPECT_TRUE(refused(QStringLiteral("INSERT INTO Customers (CustomerID, CompanyName, Cur_Type, Forex) "
                                       "VALUES (100000000, 'Too Far', 'SGD', 0)")));

    // through the write path: the save fails, the writer returns its text and nothing remains
    writer.description = QString(51, QLatin1Char('d'));
    EXPECT_EQ(writer.post({{6100, "10", jan}, {3000, "-10", jan}}), QStringLiteral("Error Entering Journal"));
    EXPECT_TRUE(writer.lastFailureReason().contains(QStringLiteral("Descrip_VC")))
        << writer.lastFailureReason().toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
    EXPECT_EQ(count(QStringLiteral("Journal_T")), 0);
    writer.description = QString(50, QLatin1Char('d'));
    EXPECT_EQ(writer.post({{6100, "10", jan}, {3000, "-10", jan}}), QStringLiteral("1"));
}

TEST_F(CompanyBookTest, ATableOpenedForWritingHasTheColumnsTheBookHasNow) {
    const QString employees = QStringLiteral("SELECT * FROM Employees WHERE 1 = 2");
    EXPECT_FALSE(db::CompanyDatabase::openTable(employees).hasField(QStringLiteral("Extra_Note")));
    db::CompanyDatabase::exec(QStringLiteral("ALTER TABLE Employees ADD COLUMN Extra_Note TEXT"));
    EXPECT_TRUE(db::CompanyDatabase::openTable(employees).hasField(QStringLiteral("Extra_Note")));
}

TEST_F(CompanyBookTest, AJournalThatDoesNotBalanceIsRolledBackWhole) {
    EXPECT_EQ(writer.post({{6100, "1000", jan}, {3000, "-1000", jan}}), QStringLiteral("1"));
    EXPECT_EQ(writer.lastFailureReason(), QString());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Doc_Kind FROM Document_T WHERE DocID = 1")),
              QStringLiteral("JNL"));
    EXPECT_EQ(balance(6100), QStringLiteral("1000"));

    EXPECT_EQ(writer.post({{6100, "1000", jan}, {3000, "-999.99", jan}}),
              QStringLiteral("Error Entering Journal"));
    EXPECT_TRUE(writer.lastFailureReason().contains(QStringLiteral("does not balance")))
        << writer.lastFailureReason().toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 1);
    EXPECT_EQ(count(QStringLiteral("Journal_T")), 2);
    EXPECT_EQ(count(QStringLiteral("Ledger_T")), 2);
    EXPECT_EQ(balance(6100), QStringLiteral("1000"));

    // a journal across two years is refused too, even when it nets to zero
    EXPECT_EQ(writer.post({{6100, "5", dec}, {3000, "-5", QDate(2012, 1, 1)}}),
              QStringLiteral("Error Entering Journal"));

    // a refused write consumes no posting number
    EXPECT_EQ(writer.post({{6000, "250.5", jan}, {3000, "-250.5", jan}}), QStringLiteral("2"));
    EXPECT_TRUE(brokenRules().isEmpty()) << brokenRules().join(QLatin1Char('\n')).toStdString();
}

TEST_F(CompanyBookTest, DocumentsFromSeparateWritersShareOnePostingSequence) {
    JournalWriter other;
    EXPECT_EQ(writer.post({{6100, "10", jan}, {3000, "-10", jan}}), QStringLiteral("1"));
    EXPECT_EQ(other.post({{6100, "20", jan}, {3000, "-20", jan}}), QStringLiteral("2"));
    EXPECT_EQ(writer.post({{6100, "30", jan}, {3000, "-30", jan}}), QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(DISTINCT Doc_No_VC) FROM Journal_T")),
              QStringLiteral("1,2,3"));
}

TEST_F(CompanyBookTest, HeaderAndJournalLineRulesLeaveNothingOfARefusedWrite) {
    const QString failed = QStringLiteral("Error Entering Journal");
    EXPECT_EQ(writer.post({}), failed); // a header without lines
    EXPECT_TRUE(writer.lastFailureReason().contains(QStringLiteral("without lines")));
    writer.party = 4242; // neither a customer nor a supplier
    EXPECT_EQ(writer.post({{6100, "1", jan}, {3000, "-1", jan}}), failed);
    writer.party = 0;
    EXPECT_EQ(writer.post({{6100, "0.005", jan}, {3000, "-0.005", jan}}), failed); // fraction of a cent
    writer.periodSkew = 1;
    EXPECT_EQ(writer.post({{6100, "1", jan}, {3000, "-1", jan}}), failed); // period is not the date's month
    writer.periodSkew = 0;
    EXPECT_EQ(writer.post({{2200, "1", jan}, {3000, "-1", jan}}), failed); // the VAT control account
    EXPECT_EQ(writer.post({{9999, "1", jan}, {3000, "-1", jan}}), failed); // no such account
    setAccountActive(6200, false);
    EXPECT_EQ(writer.post({{6200, "1", jan}, {3000, "-1", jan}}), failed); // inactive
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
    EXPECT_EQ(count(QStringLiteral("Journal_T")), 0);

    // a line of 0 is stored and posts no leg; retained earnings may be named
    EXPECT_EQ(writer.post({{6100, "0", jan}, {3100, "12", jan}, {3000, "-12", jan}}), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Journal_T")), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(Leg || GL_ID, ' ') FROM (SELECT Leg, GL_ID FROM "
                                    "Ledger_T ORDER BY Entry_ID)")),
              QStringLiteral("RE3100 ACCT3000"));
    EXPECT_TRUE(brokenRules().isEmpty()) << brokenRules().join(QLatin1Char('\n')).toStdString();
}

TEST_F(CompanyBookTest, AClosingTransfersTheResidualToRetainedEarningsOnce) {
    ASSERT_EQ(writer.post({{4000, "-800", jan}, {6100, "500", jan}, {3000, "300", jan}}),
              QStringLiteral("1"));
    // the account was set inactive with a balance: the closing may still empty it
    setAccountActive(6100, false);
    const std::vector<JournalLine> closing = {{4000, "800", dec}, {6100, "-500", dec}};
    EXPECT_EQ(writer.post(closing, true), QStringLiteral("2"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT GL_ID || ' ' || Descrip_VC || ' ' || date_dt "
                                    "FROM Journal_T WHERE Doc_No_VC = '2' AND GL_ID = 3100")),
              QStringLiteral("3100 Transfer to retained earnings 2011-12-31"));
    EXPECT_EQ(balance(3100), QStringLiteral("-300"));
    EXPECT_EQ(balance(4000), QStringLiteral("0"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) || '/' || sum(Closing_bt) FROM Ledger_T WHERE Post_No = 2")),
        QStringLiteral("3/3"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Closing_bt FROM Document_T WHERE DocID = 2")),
              QStringLiteral("1"));

    // the same closing again leaves the accounts non-zero; a marked ordinary journal is no closing
    EXPECT_EQ(writer.post(closing, true), QStringLiteral("Error Entering Journal"));
    EXPECT_EQ(writer.post({{1010, "5", dec}, {3000, "-5", dec}}, true),
              QStringLiteral("Error Entering Journal"));
    // an unmarked journal on an inactive account stays refused
    EXPECT_EQ(writer.post({{6100, "5", dec}, {3000, "-5", dec}}), QStringLiteral("Error Entering Journal"));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 2);
    EXPECT_TRUE(brokenRules().isEmpty()) << brokenRules().join(QLatin1Char('\n')).toStdString();
}

TEST_F(CompanyBookTest, CheckInvariantsFindsWhatAChangeByHandBroke) {
    ASSERT_EQ(writer.post({{6100, "10", jan}, {3000, "-10", jan}}), QStringLiteral("1"));
    skipBookChecks();
    sql(QStringLiteral("UPDATE Ledger_T SET Amount_NU = Amount_NU + 100 WHERE GL_ID = 6100"));
    sql(QStringLiteral("INSERT INTO Touched_Doc_T VALUES ('DOC', 7, '')"));
    const QStringList broken = brokenRules();
    EXPECT_TRUE(broken.contains(QStringLiteral("1 ledger balance: DOC 1 nets to 100 over 1 year(s)")))
        << broken.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(broken.contains(QStringLiteral("4 journals: Journal_T row 1 has 0 matching leg(s)")));
    EXPECT_TRUE(broken.contains(QStringLiteral("3 documents: work table Touched_Doc_T holds 1 row(s)")));

    // the next write clears the stray work row and goes on
    EXPECT_EQ(writer.post({{6100, "1", jan}, {3000, "-1", jan}}), QStringLiteral("2"));
    EXPECT_EQ(count(QStringLiteral("Touched_Doc_T")), 0);
}
