// VAT code requests as the database applies or refuses them, sent through the
// VAT window's data class: a refused request leaves no row, the writer returns
// its failure text and the data class keeps the database's reason.
#include "support/Refusal.h"
#include "support/TestBook.h"
#include "support/VatStaging.h"
#include "vat/clsVATSetup.h"

using namespace orv;

namespace {

class VatRequestsTest : public test::TestBook {
protected:
    using Values = test::VatValues;

    void SetUp() override {
        TestBook::SetUp();
        addAccount(kOutput, QStringLiteral("Output VAT"));
        addAccount(kInput, QStringLiteral("Input VAT"));
    }

    static constexpr int kOutput = 2210;
    static constexpr int kInput = 2220;

    static Recordset vat(const Values& values) { return test::vatStaging(values); }
    QString column(const QString& name, const QString& columns) {
        return scalar(QStringLiteral("SELECT %1 FROM VAT_T WHERE VAT_Name = '%2'").arg(columns, name));
    }
    void expectRefused(const QString& result, const QString& failureText, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(data, result, failureText, QLatin1String(reason), at);
    }
    // A VAT record of a code, as a posted invoice line leaves one.
    void addVatRecord(int code) {
        skipBookChecks(); // the record has no invoice behind it
        sql(QStringLiteral(
                "INSERT INTO VAT_Control (vat_code, vat_rate, vat_type, vat_status, Amount, tran_date, "
                "Post_Seq, Post_No, Src_Table, Src_Row) VALUES (%1, 7, 'S', 0, 0, '2010-06-15', "
                "'ORD', 1, 'Sales_T', 1)")
                .arg(code));
    }

    clsVATSetup data;
};

TEST_F(VatRequestsTest, CodesAreCreatedOnASharedControlAccountAndReadBackByName) {
    EXPECT_EQ(data.Send_Order(vat(test::vatCode(4, "Reduced", "5.5", kOutput))),
              QStringLiteral("VAT code created under : Reduced"));
    EXPECT_EQ(data.Send_Order(vat(test::vatCode(5, "Reduced Imports", "5.5", kOutput))),
              QStringLiteral("VAT code created under : Reduced Imports"))
        << "several codes share one control account";
    EXPECT_EQ(column("Reduced", "VAT_Code || ' ' || VAT_Rate || ' ' || VAT_Control || ' ' || VAT_Reg"),
              QStringLiteral("4 5.5 2210 VAT-000-001"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(DISTINCT Role) FROM v_Account_Role WHERE GL_ID = 2210")),
        QStringLiteral("VAT"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Function_type || vat_code || ' ' || vat_name FROM Temp_VAT "
                                    "ORDER BY Req_ID DESC LIMIT 1")),
              QStringLiteral("C5 Reduced Imports"));

    Recordset picked = data.Get_Creditor_Details(QStringLiteral("reduced"));
    ASSERT_EQ(picked.recordCount(), 1) << "names compare without regard to case";
    EXPECT_EQ(picked.value(QStringLiteral("VAT_Descrip")).toString(), QStringLiteral("Reduced supplies"));
    EXPECT_EQ(picked.value(QStringLiteral("VAT_Code")).toString(), QStringLiteral("4"));
    EXPECT_EQ(picked.value(QStringLiteral("VAT_Rate")).toDouble(), 5.5);
    EXPECT_EQ(picked.value(QStringLiteral("GL_ID")).toString(), QStringLiteral("2210"));
    EXPECT_EQ(picked.value(QStringLiteral("GL_Name_VC")).toString(), QStringLiteral("Output VAT"));
    EXPECT_EQ(data.Get_ID(QStringLiteral("COA_T"), Variant(QStringLiteral("2210"))), QStringLiteral("2210"));
    EXPECT_EQ(data.Get_ID(QStringLiteral("VAT_T"), Variant(QStringLiteral("Reduced"))), QString());
    EXPECT_EQ(data.Get_COA_Details(2220).value(QStringLiteral("GL_Name_VC")).toString(),
              QStringLiteral("Input VAT"));

    // A name holding a quote travels whole, and its missing texts read as ''.
    EXPECT_EQ(data.Send_Order(vat(test::withVat(
                  test::withVat(test::vatCode(6, "Hawker's", "0"), "Address", ""), "City", ""))),
              QStringLiteral("VAT code created under : Hawker's"));
    picked = data.Get_Creditor_Details(QStringLiteral("Hawker's"));
    ASSERT_EQ(picked.recordCount(), 1);
    EXPECT_FALSE(picked.value(QStringLiteral("VAT_Descrip")).isNull());
    EXPECT_EQ(picked.value(QStringLiteral("VAT_Reg")).toString(), QString());
    EXPECT_EQ(data.Get_Creditor_Details(QStringLiteral("Nobody")).recordCount(), 0);
    expectBooksSound();
}

TEST_F(VatRequestsTest, ACreateIsRefusedForEveryBrokenRule) {
    addAccount(1020, QStringLiteral("OCBC Current"));
    addBank(1020, QStringLiteral("OCBC")); // 1020 holds the bank role
    addAccount(1021, QStringLiteral("Old Control"));
    setAccountActive(1021, false);
    postJournal(kInput); // postings other than VAT
    const struct {
        Values request;
        const char* reason;
    } cases[] = {
        {test::vatCode(9, "standard RATED", "7"), "VAT name exists"},
        {test::vatCode(9, "   ", "7"), "VAT name blank"},
        {test::vatCode(1, "Luxury", "20"), "VAT code exists"},
        {test::withVat(test::vatCode(9, "Luxury", "20"), "Credit_Term", ""), "VAT code missing"},
        {test::vatCode(0, "Luxury", "20"), "VAT code is not 1 or more"},
        {test::vatCode(-4, "Luxury", "20"), "VAT code is not 1 or more"},
        {test::withVat(test::vatCode(9, "Luxury", "20"), "Credit_Limit", ""), "VAT rate missing"},
        {test::vatCode(9, "Luxury", "100.01"), "VAT rate outside 0 to 100"},
        {test::vatCode(9, "Luxury", "-1"), "VAT rate outside 0 to 100"},
        {test::withVat(test::vatCode(9, "Luxury", "20"), "GL_ID", ""), "VAT control account missing"},
        {test::vatCode(9, "Luxury", "20", 6100), "not an active balance sheet account"},
        {test::vatCode(9, "Luxury", "20", 1999), "not an active balance sheet account"},
        {test::vatCode(9, "Luxury", "20", 1021), "not an active balance sheet account"},
        {test::vatCode(9, "Luxury", "20", 1020), "account of another record"},
        {test::vatCode(9, "Luxury", "20", 3100), "account of another record"}, // retained earnings
        {test::vatCode(9, "Luxury", "20", 1300), "account of another record"}, // the stock account
        {test::vatCode(9, "Luxury", "20", kInput), "has postings other than VAT"},
    };
    const qint64 requests = count(QStringLiteral("Temp_VAT"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        expectRefused(data.Send_Order(vat(c.request)), clsVATSetup::kFailed.create, c.reason);
    }
    EXPECT_EQ(count(QStringLiteral("VAT_T")), 3);
    EXPECT_EQ(count(QStringLiteral("Temp_VAT")), requests) << "a refused request leaves no row";
    // The rate's bounds themselves are rates.
    EXPECT_EQ(data.Send_Order(vat(test::vatCode(9, "Luxury", "100"))),
              QStringLiteral("VAT code created under : Luxury"));
    expectBooksSound();
}

TEST_F(VatRequestsTest, UpdatesChangeTheRateAlwaysAndKeyFieldsOnlyWithoutHistory) {
    addVatCode(4, QStringLiteral("Reduced"), QStringLiteral("5"), kOutput);
    Values reduced = test::withVat(test::vatCode(4, "reduced", "6.25", kOutput), "City", "VAT-000-002");
    EXPECT_EQ(data.Update_Order(vat(reduced)),
              QStringLiteral("VAT reduced details would be updated if no transaction been posted"));
    EXPECT_EQ(column("Reduced", "VAT_Rate || ' ' || VAT_Reg"), QStringLiteral("6.25 VAT-000-002"));

    expectRefused(data.Update_Order(vat(test::vatCode(4, "Nobody", "5"))), clsVATSetup::kFailed.update,
                  "no VAT code of that name");
    expectRefused(data.Update_Order(vat(test::withVat(reduced, "Credit_Term", "1"))),
                  clsVATSetup::kFailed.update, "VAT code exists");
    expectRefused(data.Update_Order(vat(test::withVat(reduced, "Credit_Limit", "101"))),
                  clsVATSetup::kFailed.update, "outside 0 to 100");
    expectRefused(data.Update_Order(vat(test::withVat(reduced, "GL_ID", "4000"))),
                  clsVATSetup::kFailed.update, "not an active balance sheet account");

    // Without history the code number and the control account may change;
    // the new account may be another code's control account.
    EXPECT_EQ(
        data.Update_Order(vat(test::withVat(test::withVat(reduced, "Credit_Term", "7"), "GL_ID", "2200"))),
        QStringLiteral("VAT reduced details would be updated if no transaction been posted"));
    EXPECT_EQ(column("Reduced", "VAT_Code || ' ' || VAT_Control"), QStringLiteral("7 2200"));
    reduced = test::withVat(test::withVat(reduced, "Credit_Term", "7"), "GL_ID", "2200");

    // An item carrying the code: the rate still changes, the number does not.
    addItem(QStringLiteral("W-100"), QStringLiteral("Widget"), QStringLiteral("GEN"),
            QStringLiteral("STANDARD"), 7);
    EXPECT_EQ(data.Update_Order(vat(test::withVat(reduced, "Credit_Limit", "8"))),
              QStringLiteral("VAT reduced details would be updated if no transaction been posted"));
    EXPECT_EQ(column("Reduced", "VAT_Rate"), QStringLiteral("8"));
    expectRefused(data.Update_Order(vat(test::withVat(reduced, "Credit_Term", "8"))),
                  clsVATSetup::kFailed.update, "VAT code carried by items");
    expectRefused(data.Delete_Order(vat(reduced)), clsVATSetup::kFailed.remove, "VAT code carried by items");
    EXPECT_EQ(data.Update_Order(vat(test::withVat(reduced, "GL_ID", QString::number(kOutput)))),
              QStringLiteral("VAT reduced details would be updated if no transaction been posted"))
        << "an item alone does not freeze the control account";
    expectBooksSound();
}

TEST_F(VatRequestsTest, AVatRecordFreezesTheCodeAndItsControlAccountAndStopsADelete) {
    addVatCode(4, QStringLiteral("Reduced"), QStringLiteral("5"), kOutput);
    addVatRecord(4);
    const Values reduced = test::vatCode(4, "Reduced", "5", kOutput);
    expectRefused(data.Update_Order(vat(test::withVat(reduced, "Credit_Term", "8"))),
                  clsVATSetup::kFailed.update, "code with transaction history");
    expectRefused(data.Update_Order(vat(test::withVat(reduced, "GL_ID", "2200"))),
                  clsVATSetup::kFailed.update, "code with transaction history");
    EXPECT_EQ(data.Update_Order(vat(test::withVat(reduced, "Credit_Limit", "9"))),
              QStringLiteral("VAT Reduced details would be updated if no transaction been posted"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT vat_rate FROM VAT_Control")), QStringLiteral("7"))
        << "a record keeps its own rate";
    expectRefused(data.Delete_Order(vat(reduced)), clsVATSetup::kFailed.remove,
                  "VAT code has transaction history");
}

TEST_F(VatRequestsTest, DeletesRemoveAnUnusedCodeByName) {
    addVatCode(4, QStringLiteral("Reduced"), QStringLiteral("5"), kOutput);
    EXPECT_EQ(data.Delete_Order(vat(test::vatCode(4, "REDUCED", "5", kOutput))),
              QStringLiteral("VAT Details REDUCED would be Deleted if there is no transaction history"));
    EXPECT_EQ(count(QStringLiteral("VAT_T")), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM v_Account_Role WHERE GL_ID = 2210")),
              QStringLiteral("0"));
    expectRefused(data.Delete_Order(vat(test::vatCode(4, "Reduced", "5", kOutput))),
                  clsVATSetup::kFailed.remove, "no VAT code of that name");
    // Its account is free again for another role.
    addBank(kOutput, QStringLiteral("Spare Bank"));
    expectBooksSound();
}

} // namespace
