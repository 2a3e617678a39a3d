// The journal and year-end writes as the database posts or refuses them.
#include "GlBook.h"
#include "gl/clsGLEntry.h"
#include "gl/clsREEntry.h"
#include "support/Refusal.h"

using namespace orv;

namespace {

class JournalWriteTest : public test::GlBook {
protected:
    void SetUp() override {
        GlBook::SetUp();
        emp = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    }
    QString post(Recordset lines) { return gl.Send_Order(journalHeader(emp), std::move(lines)); }
    QString close(Recordset lines) { return re.Send_Order(journalHeader(emp), std::move(lines)); }
    // A sale of 1000 and costs of 300 rent and 200 salaries in 2010, paid by petty cash.
    void tradeIn2010() {
        Recordset lines = journalLines();
        addLine(lines, 1010, QStringLiteral("1000"), QStringLiteral("cash sale"), QDate(2010, 3, 1));
        addLine(lines, 4000, QStringLiteral("-1000"), QStringLiteral("cash sale"), QDate(2010, 3, 1));
        ASSERT_TRUE(isNumericText(post(lines)));
        lines = journalLines();
        addLine(lines, 6100, QStringLiteral("300"), QStringLiteral("rent"), QDate(2010, 4, 1));
        addLine(lines, 6000, QStringLiteral("200"), QStringLiteral("wages"), QDate(2010, 5, 1));
        addLine(lines, 1010, QStringLiteral("-500"), QStringLiteral("paid"), QDate(2010, 5, 1));
        ASSERT_TRUE(isNumericText(post(lines)));
    }
    // The transfer lines as the year-end list offers them.
    Recordset offeredTransfer(const QString& year) {
        Recordset offered = re.Get_GL_Code(year);
        Recordset lines = journalLines();
        for (offered.moveFirst(); !offered.eof(); offered.moveNext())
            addLine(lines, offered.value(0).toInt32(), offered.value(2).toString(),
                    QStringLiteral("year end"), QDate(year.toInt(), 12, 31));
        return lines;
    }

    qint64 emp = 0;
    clsGLEntry gl;
    clsREEntry re;
};

} // namespace

TEST_F(JournalWriteTest, ABalancedJournalPostsEachLineWithItsOwnDate) {
    Recordset lines = journalLines();
    addLine(lines, 6100, QStringLiteral("100"), QStringLiteral("March rent"), QDate(2010, 3, 31));
    addLine(lines, 2000, QStringLiteral("-100"), QStringLiteral("accrued"), QDate(2010, 4, 2));
    EXPECT_EQ(post(lines), QStringLiteral("1"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(Doc_No_VC || ':' || Period_TI, ',') FROM Journal_T")),
        QStringLiteral("1:3,1:4"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Doc_Kind FROM Document_T WHERE DocID = 1")),
              QStringLiteral("JNL"));
    EXPECT_EQ(balance(6100, 2010), Currency::fromUnits(100));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Period_TI FROM Ledger_T WHERE GL_ID = 2000")),
              QStringLiteral("4"));
    expectBooksSound();
}

TEST_F(JournalWriteTest, RefusedJournalsLeaveNothing) {
    struct L {
        int glId;
        const char* amount;
        QDate date = QDate(2010, 6, 1);
    };
    const QDate dec31(2010, 12, 31);
    const QDate jan1(2011, 1, 1);
    const struct {
        std::vector<L> lines;
        const char* reason;
    } cases[] = {
        {{{6100, "100"}, {2000, "-99.99"}}, "document does not balance or spans years"},
        {{{6100, "100.004"}, {2000, "-100.004"}}, "Journal_T: amount not in whole cents"},
        {{{6100, "100", dec31}, {2000, "-100", jan1}}, "Journal_T: document spans two years"},
        {{{6100, "100", dec31}, {2000, "-100", dec31}, {6200, "0", jan1}},
         "Journal_T: document spans two years"},
        {{{6100, "100"}, {2200, "-100"}}, "Journal_T: sub-ledger account"}, // the VAT control account
        {{{6100, "100"}, {6999, "-100"}}, "Journal_T: unknown or inactive account"},
        {{{6100, "1000000000000.01"}, {2000, "-1000000000000.01"}}, "Journal_T: amount over the limit"},
        {{}, "document without lines"},
    };
    const auto refused = [&](Recordset lines, const char* reason) {
        test::expectRefused(gl, post(std::move(lines)), clsGLEntry::kFailureText, QLatin1String(reason));
        EXPECT_EQ(count(QStringLiteral("Document_T")), 0) << reason;
        EXPECT_EQ(count(QStringLiteral("Journal_T")), 0) << reason;
        EXPECT_EQ(count(QStringLiteral("Ledger_T")), 0) << reason;
    };
    for (const auto& c : cases) {
        Recordset lines = journalLines();
        for (const L& l : c.lines)
            addLine(lines, l.glId, QLatin1String(l.amount), QStringLiteral("line"), l.date);
        refused(lines, c.reason);
    }

    Recordset lines = journalLines();
    addLine(lines, 6100, QStringLiteral("100"), QStringLiteral("a"), QDate(2010, 6, 1));
    lines.setValue(QStringLiteral("Period"), Variant(std::int32_t{7}));
    lines.update();
    addLine(lines, 2000, QStringLiteral("-100"), QStringLiteral("b"), QDate(2010, 6, 1));
    refused(lines, "Journal_T: period or year does not match the date");
    expectBooksSound();
}

TEST_F(JournalWriteTest, TheYearEndTransferEmptiesProfitAndLossIntoRetainedEarnings) {
    tradeIn2010();
    Recordset offered = re.Get_GL_Code(QStringLiteral("2010"));
    ASSERT_EQ(offered.recordCount(), 3);
    offered.moveFirst();
    EXPECT_EQ(offered.value(0).toInt32(), 4000);
    EXPECT_EQ(offered.value(2).toCurrency(), Currency::fromUnits(1000))
        << "a credit balance is emptied by a debit";
    EXPECT_EQ(offered.value(3).toCurrency(), Currency::fromUnits(-1000));
    EXPECT_EQ(re.Get_GL_Code(QStringLiteral("2011")).recordCount(), 0);
    EXPECT_EQ(re.Get_GL_Code(QStringLiteral("20x0")).recordCount(), 0);

    const QString number = close(offeredTransfer(QStringLiteral("2010")));
    ASSERT_EQ(number, QStringLiteral("3"));
    for (int pl : {4000, 6000, 6100})
        EXPECT_EQ(balance(pl, 2010).raw(), 0) << pl;
    EXPECT_EQ(balance(3100, 2010), Currency::fromUnits(-500)) << "retained earnings holds the profit";
    EXPECT_EQ(scalar(QStringLiteral("SELECT Descrip_VC FROM Journal_T WHERE GL_ID = 3100")),
              QStringLiteral("Transfer to retained earnings"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Closing_bt FROM Document_T WHERE DocID = 3")),
              QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT min(Closing_bt) FROM Ledger_T WHERE Post_No = 3")),
              QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Ledger_T WHERE Closing_bt = 1 AND Post_No <> 3")),
              QStringLiteral("0"));
    // The year's result, as the profit-and-loss reports read it, stays.
    EXPECT_EQ(ledgerSum(QStringLiteral("Year_SI = 2010 AND Closing_bt = 0 AND GL_ID IN "
                                       "(SELECT GL_ID FROM COA_T WHERE Acct_Type = 'PL')")),
              Currency::fromUnits(-500));
    EXPECT_EQ(re.Get_GL_Code(QStringLiteral("2010")).recordCount(), 0) << "a closed year offers nothing";
    EXPECT_EQ(close(offeredTransfer(QStringLiteral("2010"))), clsREEntry::kFailureText);
    expectBooksSound();
}

TEST_F(JournalWriteTest, AClosingMustKeepTheClosingRules) {
    tradeIn2010();
    Recordset partial = journalLines();
    addLine(partial, 4000, QStringLiteral("900"), QStringLiteral("not all"), QDate(2010, 12, 31));
    const QString closingRules = QStringLiteral("closing journal breaks the closing rules");
    test::expectRefused(re, close(partial), clsREEntry::kFailureText,
                        closingRules); // an account not left at zero

    Recordset balanceSheet = journalLines();
    addLine(balanceSheet, 4000, QStringLiteral("1000"), QStringLiteral("sales"), QDate(2010, 12, 31));
    addLine(balanceSheet, 1010, QStringLiteral("-1000"), QStringLiteral("cash"), QDate(2010, 12, 31));
    test::expectRefused(re, close(balanceSheet), clsREEntry::kFailureText,
                        closingRules); // a balance-sheet line

    Recordset ordinary = journalLines();
    addLine(ordinary, 4000, QStringLiteral("1000"), QStringLiteral("sales"), QDate(2010, 12, 31));
    test::expectRefused(gl, post(ordinary), clsGLEntry::kFailureText,
                        QStringLiteral("document does not balance")); // no closing: it must balance
    EXPECT_EQ(count(QStringLiteral("Document_T")), 2);

    // Closing lines may be changed by the clerk as long as each account ends at zero.
    Recordset split = journalLines();
    addLine(split, 4000, QStringLiteral("400"), QStringLiteral("part"), QDate(2010, 12, 30));
    addLine(split, 4000, QStringLiteral("600"), QStringLiteral("rest"), QDate(2010, 12, 31));
    EXPECT_TRUE(isNumericText(close(split)));
    EXPECT_EQ(balance(4000, 2010).raw(), 0);
    EXPECT_EQ(balance(3100, 2010), Currency::fromUnits(-1000));
    expectBooksSound();
}

TEST_F(JournalWriteTest, AccountsListActiveAccountsByCode) {
    setAccountActive(1510, false);
    Recordset accounts = gl.Get_GL_Code();
    ASSERT_GE(accounts.fieldCount(), 4);
    EXPECT_EQ(accounts.field(0).name, QStringLiteral("GL_ID"));
    int previous = -1;
    for (accounts.moveFirst(); !accounts.eof(); accounts.moveNext()) {
        EXPECT_GT(accounts.value(0).toInt32(), previous);
        EXPECT_NE(accounts.value(0).toInt32(), 1510);
        previous = accounts.value(0).toInt32();
    }
    EXPECT_EQ(accounts.recordCount(), count(QStringLiteral("COA_T")) - 1);
}

TEST_F(JournalWriteTest, AnEmployeeIsFoundAsStoredWhateverTheNameHolds) {
    // A name is looked up as a value, never as part of the statement, and
    // trimmed as it was when stored.
    const qint64 quoted = addEmployee(QStringLiteral("O'Neil;DROP x--"), QStringLiteral("Pat"));
    EXPECT_EQ(gl.Get_ID(QStringLiteral("Employees"), Variant(QStringLiteral("O'Neil;DROP x--, Pat"))),
              QString::number(quoted));
    EXPECT_EQ(gl.Get_ID(QStringLiteral("Employees"), Variant(QStringLiteral("Tan  , Mary  "))),
              QString::number(emp));
    EXPECT_EQ(gl.Get_ID(QStringLiteral("Employees"), Variant(QStringLiteral("Tan, Mary") + QChar(0))),
              QString());
}
