// A refused creation leads with the window's fixed text ("... already Exist,
// Creation Failed") only where a record of that name or code exists; for any
// other reason the clerk reads that reason alone. Each set-up window refuses
// one creation of each kind it can reach: a picked record sent again, and the
// same record changed so that another rule refuses it.
#include "ar/frmARSetup.h"
#include "cash/frmCashSetup.h"
#include "db/RefusalReasons.h"
#include "db/SqlFunctions.h"
#include "gl/frmCOASetup.h"
#include "inventory/frmIVSetup.h"
#include "purchases/frmAPSetup.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"
#include "uicore/Controls.h"
#include "vat/frmVATSetup.h"

#include <QComboBox>
#include <QPushButton>
#include <utility>
#include <vector>

using namespace orv;

namespace {

using Boxes = std::vector<std::pair<const char*, QString>>;

class RefusalFirstLineTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    // Picks the record in the window's list, sets the boxes given and presses
    // the button; answers what the clerk read.
    QString create(QWidget* window, const char* list, const QString& name, const Boxes& boxes,
                   const char* button) {
        auto* names = window->findChild<QComboBox*>(QString::fromLatin1(list));
        const int index = names->findText(name);
        EXPECT_GE(index, 0) << name.toStdString();
        names->setCurrentIndex(index);
        emit names->activated(index);
        for (const auto& [box, text] : boxes)
            setFieldText(window->findChild<QWidget*>(QString::fromLatin1(box)), text);
        ui.clear();
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return ui.lastText();
    }
    // The clerk's sentence of a reason with its detail.
    static QString said(const QString& reason, const QString& detail = {}) {
        QString failure = reason;
        if (!detail.isEmpty())
            failure += QLatin1Char(db::kDetailSeparator) + detail;
        return db::RefusalReasons::explain(failure).sentence;
    }
    // The text of a refusal whose cause the fixed text names: the fixed
    // text, then the reason.
    static QString exists(const QString& fixed, const QString& reason, const QString& detail = {}) {
        return fixed + QLatin1Char('\n') + said(reason, detail);
    }
    RecordingUiServices ui;
};

TEST_F(RefusalFirstLineTest, ChartOfAccounts) {
    auto* w = WindowRegistry::shared().show<frmCOASetup>();
    EXPECT_EQ(create(w, "cboCompany", "Rent", {}, "cmdSend"),
              exists("Account code already Exist, Creation Failed", "Temp_COA: account code exists", "6100"));
    EXPECT_EQ(create(w, "cboCompany", "Rent",
                     {{"txtAcctCode", "6990"}, {"txtAcctName", "Hire"}, {"cboAcctType", "XX"}}, "cmdSend"),
              said("Temp_COA: account type is not BS or PL"));
}

TEST_F(RefusalFirstLineTest, CustomersShippersAndEmployees) {
    addAccount(1200, "Debtor Tan", "BS", "ASSETS", "CURRENT ASSETS");
    addLocalCustomer(1200, "Tan Trading");
    addShipper("Swift Couriers");
    addEmployee("Lim", "Mei");
    auto* w = WindowRegistry::shared().show<frmARSetup>();
    EXPECT_EQ(create(w, "cboCompany", "Tan Trading", {}, "cmdSend"),
              exists("Customer Name already Exist, Creation Failed", "Temp_Customers: customer name exists"));
    EXPECT_EQ(create(w, "cboCompany", "Tan Trading", {{"cboCompany", "Tan Brothers"}, {"cboCOA", "3100"}},
                     "cmdSend"),
              said("Temp_Customers: customer code is the account of another record", "3100"));
    EXPECT_EQ(create(w, "cboShipcode", "Swift Couriers", {}, "cmdShip"),
              exists("Shipper Name already Exist, Creation Failed", "Temp_Shippers: shipper name exists"));
    EXPECT_EQ(create(w, "cboEmployee", "Lim", {}, "cmdEmp"),
              exists("Employee Name already Exist, Creation Failed", "Temp_Employees: employee name exists"));
}

TEST_F(RefusalFirstLineTest, VatCodes) {
    auto* w = WindowRegistry::shared().show<frmVATSetup>();
    EXPECT_EQ(create(w, "cboCompany", "Zero Rated", {}, "cmdSend"),
              exists("VAT Name already Exist, Creation Failed", "Temp_VAT: VAT name exists"));
    EXPECT_EQ(
        create(w, "cboCompany", "Zero Rated",
               {{"cboCompany", "Luxury"}, {"txtCreditTerm", "7"}, {"cboCOA", "4000"}}, "cmdSend"),
        said("Temp_VAT: VAT control account is not an active balance sheet account of the chart", "4000"));
}

TEST_F(RefusalFirstLineTest, SuppliersAndBanks) {
    addAccount(2110, "Creditor Harbour");
    addLocalSupplier(2110, "Harbour Supplies");
    addAccount(1020, "Bank Current", "BS", "ASSETS", "CURRENT ASSETS");
    addBank(1020, "City Bank");
    auto* ap = WindowRegistry::shared().show<frmAPSetup>();
    EXPECT_EQ(create(ap, "cboCompany", "Harbour Supplies", {}, "cmdSend"),
              exists("Creditor Name already Exist, Creation Failed", "Temp_Creditors: supplier name exists"));
    EXPECT_EQ(
        create(ap, "cboCompany", "Harbour Supplies", {{"cboCompany", "Pier Supplies"}, {"cboCOA", "4000"}},
               "cmdSend"),
        said("Temp_Creditors: supplier code is not an active balance sheet account of the chart", "4000"));
    auto* bank = WindowRegistry::shared().show<frmCashSetup>();
    EXPECT_EQ(create(bank, "cboCompany", "City Bank", {}, "cmdSend"),
              exists("Bank Name already Exist, Creation Failed", "Temp_Bank: bank name exists"));
    EXPECT_EQ(
        create(bank, "cboCompany", "City Bank", {{"cboCompany", "Town Bank"}, {"cboCOA", "2110"}}, "cmdSend"),
        said("Temp_Bank: bank code is the account of another record", "2110"));
}

TEST_F(RefusalFirstLineTest, CategoriesAccountSetsAndItems) {
    addItem("BOLT-M8", "Bolt");
    auto* w = WindowRegistry::shared().show<frmIVSetup>();
    EXPECT_EQ(create(w, "cboCategory", "General Goods", {}, "cmdStkInsert").section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Product Category already Exist, Creation Failed"));
    EXPECT_EQ(create(w, "cboCategory", "General Goods",
                     {{"cboCategory", "TOOLS"}, {"txtCategoryID", "TLS"}, {"cboSales", "1000"}},
                     "cmdStkInsert"),
              said("Temp_Product_Category_T: sales account is not a profit and loss account of the chart"));
    EXPECT_EQ(create(w, "cboAcctSet", "STANDARD", {}, "cmdAcctInsert"),
              exists("Product Account set already Exist, Creation Failed",
                     "Temp_Product_Accountset_T: account set name exists"));
    EXPECT_EQ(create(w, "cboAcctSet", "STANDARD", {{"cboAcctSet", "SPECIAL"}, {"cboCosting", "LIFO"}},
                     "cmdAcctInsert"),
              said("Temp_Product_Accountset_T: costing method is not FIFO or AVEG"));
    EXPECT_EQ(create(w, "cboPdtCode", "BOLT-M8", {}, "cmdItemInsert"),
              exists("Item Code already Exist, Creation Failed", "Temp_Product_T: item code exists"));
    EXPECT_EQ(create(w, "cboPdtCode", "BOLT-M8", {{"cboPdtCode", "NUT-M8"}, {"cboPdtCategory", "NONE"}},
                     "cmdItemInsert"),
              said("Temp_Product_T: category unknown"));
}

} // namespace
