// The book builder the tests share: a book read from a table holds what its
// lines say, made by the book's own requests and postings, and a line the
// book or the table refuses stops the test with the reason.
#include "support/TestBook.h"

#include <stdexcept>
#include <string>

using namespace orv;

namespace {

using BookBuilderTest = test::TestBook;

// The message of what the call throws, or "" when it throws nothing.
template <class F> std::string thrown(F&& call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

TEST_F(BookBuilderTest, ATableMakesTheMastersAndPostsTheJournals) {
    build(R"(
        # a customer in each currency, a supplier, a bank, a shipper
        account   1200   Acme Debtor
        account   1210   Globex Debtor
        account   2010   Harbour Supplies
        account   1020   OCBC Current
        account   6900   Old Costs     PL
        inactive  6900
        customer  1200   Acme Trading
        customer  1210   Globex Inc    USD
        supplier  2010   Harbour Supplies
        bank      1020   OCBC
        shipper   Speedy Freight
        employee  Tan    Mary
        journal   2010-03-15  rent  6100 1200.50 / 1000 -1200.50
        journal   2011-01-04  cash  1000 50 / 1010 -50
    )");
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(CustomerID || ' ' || Cur_Type, ', ') FROM "
                                    "(SELECT * FROM Customers ORDER BY CustomerID)")),
              QStringLiteral("1200 SGD, 1210 USD"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CustomerID || ' ' || VAT_Reg FROM Creditors")),
              QStringLiteral("2010 M90312345X"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CompanyName FROM Shippers")), QStringLiteral("Speedy Freight"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Acct_Type || Status_bt FROM COA_T WHERE GL_ID = 6900")),
              QStringLiteral("PL0"));
    // the journals are posted by the book's clerk, each in its own year
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(GL_ID || ':' || Amount_NU || ':' || Year_SI, ' ') FROM "
                              "(SELECT * FROM Ledger_T ORDER BY Post_No, Amount_NU DESC)")),
        QStringLiteral("6100:12005000:2010 1000:-12005000:2010 1000:500000:2011 1010:-500000:2011"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(DISTINCT LastName) FROM Employees e JOIN Document_T d "
                              "ON d.EmployeeID = e.EmployeeID")),
        QStringLiteral("Lim"));
    EXPECT_EQ(count(QStringLiteral("Employees")), 2);
}

TEST_F(BookBuilderTest, ASupplierIsMadeInEitherCurrency) {
    build(R"(
        account   2010  Harbour Supplies
        account   2020  Pacific Traders
        supplier  2010  Harbour Supplies
        supplier  2020  Pacific Traders  USD
    )");
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(CustomerID || ' ' || Cur_Type || ' ' || Forex || ' ' || "
                              "UnRG, ', ') FROM (SELECT * FROM Creditors ORDER BY CustomerID)")),
        QStringLiteral("2010 SGD 0 1, 2020 USD 1 4210"));
}

TEST_F(BookBuilderTest, AJournalNamingAPartyGivesThePartyHistory) {
    build(R"(
        account   1200  Acme Debtor
        customer  1200  Acme Trading
    )");
    const qint64 doc = postJournal(kPettyCash, 1200);
    EXPECT_EQ(scalar(QStringLiteral("SELECT customerid FROM Document_T WHERE DocID = %1").arg(doc)),
              QStringLiteral("1200"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT sum(Amount_NU) || '/' || count(*) FROM Ledger_T WHERE Post_No = %1")
                   .arg(doc)),
        QStringLiteral("0/2"));
    // a party unknown to the book is refused by the header's own rule
    const std::string refused = thrown([&] { postJournal(kPettyCash, 1299); });
    EXPECT_NE(refused.find("party unknown"), std::string::npos) << refused;
    EXPECT_EQ(count(QStringLiteral("Document_T")), 1) << "nothing of the refused journal remains";
}

TEST_F(BookBuilderTest, ARefusedOrUnreadableLineStopsWithItsReason) {
    build(QStringLiteral("account  1200  Acme Debtor"));
    const struct {
        const char* table;
        const char* reason;
    } cases[] = {
        {"account  1250  acme debtor", "account name exists"},
        {"customer  6100  Acme Trading", "not an active balance sheet account"},
        {"journal  2010-06-15  rent  6100 100 / 1010 -90", "does not balance"},
        {"journal  2010-06-15  rent  6100 0.001 / 1010 -0.001", "whole cents"},
        {"journal  15/06/2010  rent  6100 100 / 1010 -100", "the date is not yyyy-mm-dd"},
        {"journal  2010-06-15  rent  6100 / 1010 -100", "a leg is not <code> <amount>"},
        {"account  12x0  Bad Code", "an account code is not a whole number"},
        {"supplier  2010", "a column is missing"},
        {"creditor  2010  Harbour", "unknown kind of record"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        const std::string message = thrown([&] { build(QString::fromLatin1(c.table)); });
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
    EXPECT_EQ(count(QStringLiteral("COA_T WHERE GL_ID IN (1250, 1200)")), 1);
    EXPECT_EQ(count(QStringLiteral("Customers")), 0);
    EXPECT_EQ(count(QStringLiteral("Journal_T")), 0);
}

} // namespace
