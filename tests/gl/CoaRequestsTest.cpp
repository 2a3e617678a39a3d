// Account requests through clsCOASetup as the database applies or refuses
// them: a refused request leaves no row and returns the failure text.
#include "GlBook.h"
#include "gl/clsCOASetup.h"
#include "gl/clsGLEntry.h"
#include "support/Refusal.h"

using namespace orv;

namespace {

class CoaRequestsTest : public test::GlBook {
protected:
    static Recordset staging(const Variant& code, const QString& name, const QString& type,
                             const QString& category, const QString& sub, const Variant& status) {
        Recordset rs;
        rs.appendField(QStringLiteral("GL_ID"), DataType::Integer);
        rs.appendField(QStringLiteral("GL_Name_VC"), DataType::Text, 20);
        rs.appendField(QStringLiteral("Acct_Type"), DataType::Text, 10);
        rs.appendField(QStringLiteral("BS_Category_VC"), DataType::Text, 20);
        rs.appendField(QStringLiteral("Sub_Category_VC"), DataType::Text, 20);
        rs.appendField(QStringLiteral("Status_bt"), DataType::BigInt);
        rs.open();
        rs.addNew();
        rs.setValue(QStringLiteral("GL_ID"), code);
        rs.setValue(QStringLiteral("GL_Name_VC"), name);
        rs.setValue(QStringLiteral("Acct_Type"), type);
        rs.setValue(QStringLiteral("BS_Category_VC"), category);
        rs.setValue(QStringLiteral("Sub_Category_VC"), sub);
        rs.setValue(QStringLiteral("Status_bt"), status);
        return rs;
    }
    static Recordset account(int code, const QString& name, const QString& type = QStringLiteral("PL"),
                             std::int64_t status = 1) {
        return staging(Variant(static_cast<std::int32_t>(code)), name, type, QStringLiteral("EXPENSES"),
                       QStringLiteral("OPERATING EXPENSES"), Variant(status));
    }
    QString column(const QString& col, const QString& name) {
        return scalar(QStringLiteral("SELECT %1 FROM COA_T WHERE GL_Name_VC = '%2'").arg(col, name));
    }
    // Posts 10 from Rent to Accrued Expenses, so both accounts have history.
    void postRent() {
        const qint64 emp = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
        Recordset lines = journalLines();
        addLine(lines, 6100, QStringLiteral("10"), QStringLiteral("rent"), QDate(2010, 6, 1));
        addLine(lines, 2000, QStringLiteral("-10"), QStringLiteral("rent"), QDate(2010, 6, 1));
        clsGLEntry gl;
        ASSERT_EQ(gl.Send_Order(journalHeader(emp), lines), QStringLiteral("1"));
    }

    clsCOASetup coa;
};

} // namespace

TEST_F(CoaRequestsTest, CreateAddsTheAccountAndAnswersWithItsCode) {
    EXPECT_EQ(coa.Send_Order(account(6600, QStringLiteral("Travel"), QStringLiteral("pl"))),
              QStringLiteral("Account code created under : 6600"));
    EXPECT_EQ(column(QStringLiteral("GL_ID"), QStringLiteral("TRAVEL")), QStringLiteral("6600"));
    EXPECT_EQ(column(QStringLiteral("Acct_Type"), QStringLiteral("Travel")), QStringLiteral("PL"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Function_type FROM Temp_COA")), QStringLiteral("C"));

    Recordset details = coa.Get_COA_Details(QStringLiteral("travel"));
    ASSERT_EQ(details.recordCount(), 1);
    details.moveFirst();
    EXPECT_EQ(details.value(QStringLiteral("GL_ID")).toInt32(), 6600);
    EXPECT_EQ(details.value(QStringLiteral("Status_bt")).toString(), QStringLiteral("1"));
    EXPECT_EQ(details.value(QStringLiteral("Sub_Category_VC")).toString(),
              QStringLiteral("OPERATING EXPENSES"));

    // A quote in the name travels doubled and finds the account again.
    EXPECT_EQ(coa.Send_Order(account(3200, QStringLiteral("Owner's Drawings"), QStringLiteral("BS"))),
              QStringLiteral("Account code created under : 3200"));
    details = coa.Get_COA_Details(QStringLiteral("Owner's Drawings"));
    ASSERT_EQ(details.recordCount(), 1);
    details.moveFirst();
    EXPECT_EQ(details.value(QStringLiteral("GL_ID")).toInt32(), 3200);
    EXPECT_EQ(coa.Get_COA_Details(QStringLiteral("Nobody's")).recordCount(), 0);
    expectBooksSound();
}

TEST_F(CoaRequestsTest, CreateIsRefusedForAnExistingCodeOrNameOrBadValues) {
    const qint64 before = count(QStringLiteral("COA_T"));
    const struct {
        Recordset request;
        const char* reason;
    } cases[] = {
        {account(6100, QStringLiteral("Office Rent")), "account code exists"},
        {account(6601, QStringLiteral("RENT")), "account name exists"},
        {account(6602, QStringLiteral("   ")), "account name blank"},
        {account(6603, QStringLiteral("Gifts"), QStringLiteral("XX")), "account type is not BS or PL"},
        {account(6604, QStringLiteral("Gifts"), QStringLiteral("PL"), 2), "status is not 1 or 0"},
        {staging(Variant::null(), QStringLiteral("Gifts"), QStringLiteral("PL"), QStringLiteral("X"),
                 QStringLiteral("Y"), Variant(std::int64_t{1})),
         "account code missing"},
    };
    for (const auto& c : cases)
        test::expectRefused(coa, coa.Send_Order(c.request), clsCOASetup::kFailed.create,
                            QLatin1String(c.reason));
    EXPECT_EQ(count(QStringLiteral("COA_T")), before);
    EXPECT_EQ(count(QStringLiteral("Temp_COA")), 0) << "a refused request leaves no row";
}

TEST_F(CoaRequestsTest, UpdateFindsTheAccountByNameAndChangesTypeCategoriesAndStatus) {
    EXPECT_EQ(coa.Update_Order(staging(Variant(), QStringLiteral("petty cash"), QStringLiteral("PL"),
                                       QStringLiteral("EXPENSES"), QStringLiteral("FINANCE COSTS"),
                                       Variant(std::int64_t{0}))),
              QStringLiteral("petty cash have been updated"));
    EXPECT_EQ(column(QStringLiteral("Acct_Type"), QStringLiteral("Petty Cash")), QStringLiteral("PL"));
    EXPECT_EQ(column(QStringLiteral("Sub_Category_VC"), QStringLiteral("Petty Cash")),
              QStringLiteral("FINANCE COSTS"));
    EXPECT_EQ(column(QStringLiteral("Status_bt"), QStringLiteral("Petty Cash")), QStringLiteral("0"));
    EXPECT_EQ(column(QStringLiteral("GL_ID"), QStringLiteral("Petty Cash")), QStringLiteral("1010"));

    const struct {
        Recordset request;
        const char* reason;
    } cases[] = {
        {account(0, QStringLiteral("Nowhere")), "no account of that name"},
        {account(0, QStringLiteral("Rent"), QStringLiteral("PL"), 5), "status is not 1 or 0"},
        {account(0, QStringLiteral("Rent"), QStringLiteral("XX")), "account type is not BS or PL"},
        {account(0, QStringLiteral("Retained Earnings"), QStringLiteral("BS"), 0),
         "retained earnings account set inactive"},
    };
    for (const auto& c : cases)
        test::expectRefused(coa, coa.Update_Order(c.request), clsCOASetup::kFailed.update,
                            QLatin1String(c.reason));
    EXPECT_EQ(count(QStringLiteral("Temp_COA")), 1);
}

TEST_F(CoaRequestsTest, TheTypeOfAnAccountInUseIsFrozenItsOtherFieldsAreNot) {
    postRent();
    const QString inUse = QStringLiteral("account type of an account in use");
    test::expectRefused(coa, coa.Update_Order(account(0, QStringLiteral("Rent"), QStringLiteral("BS"))),
                        clsCOASetup::kFailed.update, inUse);
    // The sales account of the GEN product category has no postings but is in use.
    test::expectRefused(coa, coa.Update_Order(account(0, QStringLiteral("Sales"), QStringLiteral("BS"))),
                        clsCOASetup::kFailed.update, inUse);
    EXPECT_EQ(coa.Update_Order(account(0, QStringLiteral("Rent"), QStringLiteral("PL"), 0)),
              QStringLiteral("Rent have been updated"));
    EXPECT_EQ(column(QStringLiteral("Status_bt"), QStringLiteral("Rent")), QStringLiteral("0"));
    expectBooksSound();
}

TEST_F(CoaRequestsTest, DeleteRemovesAnUnusedAccountAndRefusesOneInUse) {
    EXPECT_EQ(coa.Delete_Order(account(0, QStringLiteral("Freight"))),
              QStringLiteral("Freight would be Deleted if there is no transaction history"));
    EXPECT_EQ(column(QStringLiteral("count(*)"), QStringLiteral("Freight")), QStringLiteral("0"));

    postRent();
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"Rent", "account has transaction history"},
        {"Retained Earnings", "account referred to by another record"}, // a designated role
        {"Sales", "account referred to by another record"},             // a product category's
        {"Inventory", "account referred to by another record"},
        {"Nowhere", "no account of that name"},
    };
    for (const auto& c : cases)
        test::expectRefused(coa, coa.Delete_Order(account(0, QLatin1String(c.name))),
                            clsCOASetup::kFailed.remove, QLatin1String(c.reason));
    EXPECT_EQ(column(QStringLiteral("count(*)"), QStringLiteral("Rent")), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Temp_COA")), 1);
    expectBooksSound();
}

TEST_F(CoaRequestsTest, AnAccountWithOnlyAZeroJournalLineIsNotDeleted) {
    const qint64 emp = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    Recordset lines = journalLines();
    addLine(lines, 6200, QStringLiteral("0"), QStringLiteral("nothing yet"), QDate(2010, 6, 1));
    clsGLEntry gl;
    ASSERT_EQ(gl.Send_Order(journalHeader(emp), lines), QStringLiteral("1"));
    test::expectRefused(coa, coa.Delete_Order(account(0, QStringLiteral("Freight"))),
                        clsCOASetup::kFailed.remove, QStringLiteral("account has transaction history"));
}
