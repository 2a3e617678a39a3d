// Supplier requests as the database applies or refuses them, sent through the
// supplier window's data class: a refused request leaves no row, the writer
// returns its failure text and the data class keeps the database's reason.
#include "db/CompanyDatabase.h"
#include "purchases/clsAPSetup.h"
#include "support/PartyStaging.h"
#include "support/Refusal.h"
#include "support/TestBook.h"

using namespace orv;

namespace {

class SupplierRequestsTest : public test::TestBook {
protected:
    using Values = test::PartyValues;

    void SetUp() override {
        TestBook::SetUp();
        addAccount(kHarbour, QStringLiteral("Harbour Supplies"));
        addAccount(kPacific, QStringLiteral("Pacific Traders"));
        addAccount(kSpare, QStringLiteral("Spare Creditor"));
    }

    static constexpr int kHarbour = 2010;
    static constexpr int kPacific = 2020;
    static constexpr int kSpare = 2030;

    static Recordset supplier(const Values& values) { return test::partyStaging(values, true); }
    static Values local(int code, const QString& name) {
        return test::with(test::localParty(code, name), "VAT_Reg", "M90312345X");
    }
    static Values foreign(int code, const QString& name) {
        return test::with(test::foreignParty(code, name), "VAT_Reg", "M90312345X");
    }
    QString column(const QString& name, const QString& columns) {
        return scalar(QStringLiteral("SELECT %1 FROM Creditors WHERE CompanyName = '%2'").arg(columns, name));
    }
    void expectRefused(const QString& result, const QString& failureText, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(data, result, failureText, QLatin1String(reason), at);
    }

    clsAPSetup data;
};

TEST_F(SupplierRequestsTest, SuppliersAreCreatedOnTheirOwnAccountWithTheirVatNumber) {
    EXPECT_EQ(data.Send_Order(supplier(local(kHarbour, "Harbour"))),
              QStringLiteral("Creditor would be created for 2010 if this code has not been assigned yet"));
    EXPECT_EQ(data.Send_Order(supplier(foreign(kPacific, "Pacific"))),
              QStringLiteral("Creditor would be created for 2020 if this code has not been assigned yet"));
    EXPECT_EQ(column("Harbour", "UnRG || UnRL || RG || RL || Forex || Cur_Type || ' ' || VAT_Reg"),
              QStringLiteral("11110SGD M90312345X"));
    EXPECT_EQ(column("Pacific", "Forex || ' ' || UnRG || ' ' || RL"), QStringLiteral("1 4210 6500"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Role FROM v_Account_Role WHERE GL_ID = 2010")),
              QStringLiteral("PARTY"));

    Recordset picked = data.Get_Creditor_Details(QStringLiteral("pacific"));
    ASSERT_EQ(picked.recordCount(), 1) << "names compare without regard to case";
    EXPECT_EQ(picked.value(QStringLiteral("Forex")).toString(), QStringLiteral("FOREIGN"));
    EXPECT_EQ(picked.value(QStringLiteral("GL_Name_VC")).toString(), QStringLiteral("Pacific Traders"));
    EXPECT_EQ(data.Get_ID(QStringLiteral("Creditors"), Variant(QStringLiteral("Harbour"))),
              QStringLiteral("2010"));
    expectBooksSound();
}

TEST_F(SupplierRequestsTest, ACreateIsRefusedForEveryBrokenRule) {
    addLocalSupplier(kHarbour, QStringLiteral("Harbour"));
    addAccount(1299, QStringLiteral("Customer Account"));
    addLocalCustomer(1299, QStringLiteral("Acme"));
    postJournal(kSpare); // the spare account now has postings
    addAccount(100000000, QStringLiteral("Huge Creditor"));
    const struct {
        Values request;
        const char* reason;
    } cases[] = {
        {local(kPacific, "HARBOUR"), "supplier name exists"},
        {local(kPacific, "  "), "supplier name blank"},
        {test::with(local(kPacific, "Pacific"), "GL_ID", ""), "supplier code missing"},
        {local(kHarbour, "Pacific"), "already a supplier's"},
        {local(1299, "Pacific"), "account of another record"}, // a customer's account
        {local(2200, "Pacific"), "account of another record"}, // the VAT control account
        {local(1298, "Pacific"), "not an active balance sheet account"},
        {local(6100, "Pacific"), "not an active balance sheet account"},
        {local(kSpare, "Pacific"), "has postings"},
        {local(100000000, "Pacific"), "outside 1 to 99999999"},
        {test::with(local(kPacific, "Pacific"), "Cur_Type", "XYZ"), "currency unknown"},
        {test::with(local(kPacific, "Pacific"), "Cur_Type", "USD"), "home currency"},
        {test::with(foreign(kPacific, "Pacific"), "Cur_Type", "SGD"), "home currency"},
        {test::with(local(kPacific, "Pacific"), "Forex", "3"), "not 0 or 1"},
        {test::with(foreign(kPacific, "Pacific"), "RG", "1"), "not a profit and loss account"},
        {test::with(local(kPacific, "Pacific"), "UnRL", "2200"), "not a profit and loss account"},
    };
    const qint64 requests = count(QStringLiteral("Temp_Creditors"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        expectRefused(data.Send_Order(supplier(c.request)), clsAPSetup::kFailed.create, c.reason);
    }
    EXPECT_EQ(count(QStringLiteral("Creditors")), 1);
    EXPECT_EQ(count(QStringLiteral("Temp_Creditors")), requests) << "a refused request leaves no row";
    expectBooksSound();
}

// A credit limit of -1 sent past the window is refused as the window refuses
// it, for a create and an update alike.
TEST_F(SupplierRequestsTest, NegativeCreditTermsAndLimitsAreRefused) {
    addLocalSupplier(kHarbour, QStringLiteral("Harbour"));
    expectRefused(data.Send_Order(supplier(test::with(local(kPacific, "Pacific"), "Credit_Limit", "-1"))),
                  clsAPSetup::kFailed.create, "Temp_Creditors: credit limit negative");
    EXPECT_EQ(DataClass::lastRefusal()->sentence, QStringLiteral("Credit Limit must not be negative."));
    expectRefused(data.Update_Order(supplier(test::with(local(kHarbour, "Harbour"), "Credit_Term", "-30"))),
                  clsAPSetup::kFailed.update, "Temp_Creditors: credit term negative");
    EXPECT_EQ(DataClass::lastRefusal()->fields, QStringList{QStringLiteral("Credit_Term")});
    EXPECT_EQ(data.Send_Order(supplier(test::with(local(kPacific, "Pacific"), "Credit_Limit", "0"))),
              QStringLiteral("Creditor would be created for 2020 if this code has not been assigned yet"));
    expectBooksSound();
}

TEST_F(SupplierRequestsTest, UpdatesChangeWhatHistoryAllowsAndDeletesNeedNoHistory) {
    addLocalSupplier(kHarbour, QStringLiteral("Harbour"));
    Values harbour =
        test::with(test::with(local(kHarbour, "harbour"), "City", "Tuas"), "VAT_Reg", "M90399999Z");
    EXPECT_EQ(data.Update_Order(supplier(harbour)),
              QStringLiteral("Creditor harbour details would be updated if no transaction been posted"));
    EXPECT_EQ(column("Harbour", "City || ' ' || VAT_Reg"), QStringLiteral("Tuas M90399999Z"));
    expectRefused(data.Update_Order(supplier(test::with(harbour, "Cur_Type", "USD"))),
                  clsAPSetup::kFailed.update, "home currency");
    expectRefused(data.Update_Order(supplier(local(kPacific, "Nobody"))), clsAPSetup::kFailed.update,
                  "no supplier of that name");

    // A journal naming the supplier gives it history: its account is frozen
    // and it can no longer be deleted.
    postJournal(1010, kHarbour);
    expectRefused(data.Update_Order(supplier(test::with(harbour, "GL_ID", QString::number(kPacific)))),
                  clsAPSetup::kFailed.update, "transaction history");
    expectRefused(data.Delete_Order(supplier(local(kHarbour, "Harbour"))), clsAPSetup::kFailed.remove,
                  "supplier has transaction history");

    addLocalSupplier(kPacific, QStringLiteral("Pacific"));
    EXPECT_EQ(data.Delete_Order(supplier(local(kPacific, "Pacific"))),
              QStringLiteral("Creditor Pacific would be Deleted if there is no transaction history"));
    EXPECT_EQ(count(QStringLiteral("Creditors")), 1);
    expectRefused(data.Delete_Order(supplier(local(kPacific, "Pacific"))), clsAPSetup::kFailed.remove,
                  "no supplier of that name");
    expectBooksSound();
}

} // namespace
