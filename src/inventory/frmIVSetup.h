#pragma once

#include "clsIVSetup.h"
#include "ui/SetupWindow.h"
#include "uicore/TextTable.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace orv {

// "INVENTORY SET-UP": product categories, account sets and items in three
// steps, one below the other, each a set-up section with its own key list,
// buttons and request record. A request the books take empties the fields of
// all three steps, reads again only its own step's key list and disables its
// button until step 1's "New" (the frame's REFRESH, pressed by the clerk or
// by a pick) enables all nine. A refused request keeps what was typed and
// says why.
class frmIVSetup : public SetupWindowOver<clsIVSetup> {
    Q_OBJECT
public:
    // The captions under their controls' names, then the messages.
    // clang-format off
    static constexpr auto kText = makeTextTable({
        {"frmIVSetup", "INVENTORY SET-UP"}, {"Frame1", "[ STEP 1 ]  RODUCT CATEGORY SET UP"},
        {"lblCategory", "Category Name :"}, {"lblCategoryID", "Category Code :"},
        {"lblSales", "Sales Code :"}, {"lblCOS", "COS Code :"}, {"lblCombo1", "[ VIEW A/C NAME ]"},
        {"cmdStkInsert", "Insert"}, {"cmdStkUpdate", "Update"}, {"cmdStkDelete", "Delete"}, {"cmdNew", "New"},
        {"Frame2", "[ STEP 2 ]  ACCOUNTING CODE SET UP"}, {"lblAcctSet", "Product Account Set :"},
        {"lblCosting", "Costing Method :"}, {"CostingFIFO", "FIFO"}, {"CostingAVEG", "AVEG"},
        {"lblInventory", "Inventory AcctCode :"}, {"lblPayable", "Payable AcctCode :"},
        {"lblShipment", "Shipment AcctCode :"}, {"cmdAcctInsert", "Insert"}, {"cmdAcctUpdate", "Update"},
        {"cmdAcctDelete", "Delete"}, {"Command1", "New"}, {"Frame3", "[ STEP 3 ]  ITEM CODE SET UP"},
        {"lblPdtCode", "Product Code :"}, {"lblPdtName", "Product Name :"},
        {"lblPdtDescrip", "Product Descrip :"}, {"lblCred", "VAT Code :"},
        {"lblPdtCategory", "Product Category :"}, {"lblAccountSet", "Account Set :"},
        {"cmdItemInsert", "Insert"}, {"cmdItemUpdate", "Update"}, {"cmdItemDelete", "Delete"},
        {"cmdItemNew", "New"}, {"NoCategoryName", "Enter Category Name"},
        {"NoCategoryCode", "Enter Category Code"}, {"NoSales", "Enter Sales Code"},
        {"NoCOS", "Enter COS Code"}, {"NoAcctSet", "Enter Account Set"},
        {"NoCosting", "Enter Costing Method"}, {"NoStock", "Enter stock Code"},
        {"NoPayable", "Enter Payable Code"}, {"NoShipment", "Enter Shipment Code"},
        {"NoItemCode", "Enter Item Code"}, {"NoItemName", "Enter Item Name"},
        {"NoDescription", "Enter Description"}, {"NoItemCategory", "Enter Category Code"},
        {"NoVatCode", "Enter VAT Code"}, {"NoItemAcctSet", "Enter Account Setting Code"},
        {"Reopen", " Reopen INVENTORY SET-UP screen,if you have just amended or created a New Category "},
        {"CategoryGone", "No product category is named \"%1\""},
        {"AccountSetGone", "No account set is named \"%1\""}, {"ItemGone", "No item has the code \"%1\""},
    });
    // clang-format on

    explicit frmIVSetup(QWidget* parent = nullptr);

    // The three steps, each in its frame; Combo1 is the account viewer (code-name of every account).
    QGroupBox *Frame1, *Frame2, *Frame3;
    QComboBox *cboCategory = nullptr, *cboSales = nullptr, *cboCOS = nullptr, *Combo1;
    QLineEdit* txtCategoryID = nullptr;
    QComboBox *cboAcctSet = nullptr, *cboCosting = nullptr, *cboInventory = nullptr, *cboPayable = nullptr;
    QComboBox *cboShipment = nullptr, *cboPdtCode = nullptr, *cboPdtName = nullptr, *cboPdtDescrip = nullptr;
    QComboBox *cboPdtCategory = nullptr, *cboCred = nullptr, *cboAccountSet = nullptr;
    // Step 1's "New" is the frame's cmdNew.
    QPushButton *cmdStkInsert, *cmdStkUpdate, *cmdStkDelete;
    QPushButton *cmdAcctInsert, *cmdAcctUpdate, *cmdAcctDelete, *Command1;
    QPushButton *cmdItemInsert, *cmdItemUpdate, *cmdItemDelete, *cmdItemNew;

    void Create_New_Stock() { m_category->buildStaging(); }
    void Create_New_Acctset() { m_accountSet->buildStaging(); }
    void Create_New_Item() { m_item->buildStaging(); }
    bool Validate_Product_Category() { return runChecks(m_category->checks()); }
    bool Validate_Acctset() { return runChecks(m_accountSet->checks()); }
    bool Validate_Item() { return runChecks(m_item->checks()); }
    void Reset_Setup_Fields() { clearSections(); }

    // Step 1's "New" empties step 1, then enables the nine buttons and
    // builds the three request records afresh.
    void cmdNew_Click() override;

protected:
    // Every step's lists, then the account viewer: code-name of every account.
    std::vector<ListFill> lists() const override;

private:
    // A step's buttons: its three requests are its stem and "Insert",
    // "Update", "Delete"; the members are bound to them and to its New.
    struct Buttons {
        const char* stem;
        const char* clear;
        std::array<QPushButton**, 4> members;
    };
    SetupSection* addStep(QGroupBox* frame, const char* staging, std::vector<FieldDef> record,
                          std::vector<SetupField> fields, const Buttons& buttons, SectionRequests requests,
                          Writers writers);

    SetupSection *m_category, *m_accountSet, *m_item;
};

} // namespace orv
