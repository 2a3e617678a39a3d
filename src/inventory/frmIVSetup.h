#pragma once

#include "clsIVSetup.h"
#include "ui/SetupSection.h"
#include "ui/TextTable.h"
#include "ui/Window.h"

#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace orv {

// "INVENTORY SET-UP": product categories, account sets and items in three
// steps, one below the other, each a set-up section with its own key list,
// buttons and request record. A request the books take empties the fields of
// all three steps, reads again only its own step's key list and disables its
// button until step 1's "New" (pressed by the clerk or by a pick) enables all
// nine. A refused request keeps what was typed and says why.
class frmIVSetup : public Window {
    Q_OBJECT
public:
    // The captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmIVSetup", "INVENTORY SET-UP"},
        {"Frame1", "[ STEP 1 ]  RODUCT CATEGORY SET UP"},
        {"lblCategory", "Category Name :"},
        {"lblCategoryID", "Category Code :"},
        {"lblSales", "Sales Code :"},
        {"lblCOS", "COS Code :"},
        {"lblCombo1", "[ VIEW A/C NAME ]"},
        {"cmdStkInsert", "Insert"},
        {"cmdStkUpdate", "Update"},
        {"cmdStkDelete", "Delete"},
        {"cmdNew", "New"},
        {"Frame2", "[ STEP 2 ]  ACCOUNTING CODE SET UP"},
        {"lblAcctSet", "Product Account Set :"},
        {"lblCosting", "Costing Method :"},
        {"CostingFIFO", "FIFO"},
        {"CostingAVEG", "AVEG"},
        {"lblInventory", "Inventory AcctCode :"},
        {"lblPayable", "Payable AcctCode :"},
        {"lblShipment", "Shipment AcctCode :"},
        {"cmdAcctInsert", "Insert"},
        {"cmdAcctUpdate", "Update"},
        {"cmdAcctDelete", "Delete"},
        {"Command1", "New"},
        {"Frame3", "[ STEP 3 ]  ITEM CODE SET UP"},
        {"lblPdtCode", "Product Code :"},
        {"lblPdtName", "Product Name :"},
        {"lblPdtDescrip", "Product Descrip :"},
        {"lblCred", "VAT Code :"},
        {"lblPdtCategory", "Product Category :"},
        {"lblAccountSet", "Account Set :"},
        {"cmdItemInsert", "Insert"},
        {"cmdItemUpdate", "Update"},
        {"cmdItemDelete", "Delete"},
        {"cmdItemNew", "New"},
        {"NoCategoryName", "Enter Category Name"},
        {"NoCategoryCode", "Enter Category Code"},
        {"NoSales", "Enter Sales Code"},
        {"NoCOS", "Enter COS Code"},
        {"NoAcctSet", "Enter Account Set"},
        {"NoCosting", "Enter Costing Method"},
        {"NoStock", "Enter stock Code"},
        {"NoPayable", "Enter Payable Code"},
        {"NoShipment", "Enter Shipment Code"},
        {"NoItemCode", "Enter Item Code"},
        {"NoItemName", "Enter Item Name"},
        {"NoDescription", "Enter Description"},
        {"NoItemCategory", "Enter Category Code"},
        {"NoVatCode", "Enter VAT Code"},
        {"NoItemAcctSet", "Enter Account Setting Code"},
        {"Reopen", " Reopen INVENTORY SET-UP screen,if you have just amended or created a New Category "},
        {"CategoryGone", "No product category is named \"%1\""},
        {"AccountSetGone", "No account set is named \"%1\""},
        {"ItemGone", "No item has the code \"%1\""},
    });

    explicit frmIVSetup(QWidget* parent = nullptr);
    ~frmIVSetup() override;

    // Step 1: product categories.
    QGroupBox* Frame1;
    QComboBox* cboCategory;
    QLineEdit* txtCategoryID;
    QComboBox* cboSales;
    QComboBox* cboCOS;
    QComboBox* Combo1; // the account viewer: code-name of every account
    QPushButton* cmdStkInsert;
    QPushButton* cmdStkUpdate;
    QPushButton* cmdStkDelete;
    QPushButton* cmdNew;
    // Step 2: account sets.
    QGroupBox* Frame2;
    QComboBox* cboAcctSet;
    QComboBox* cboCosting;
    QComboBox* cboInventory;
    QComboBox* cboPayable;
    QComboBox* cboShipment;
    QPushButton* cmdAcctInsert;
    QPushButton* cmdAcctUpdate;
    QPushButton* cmdAcctDelete;
    QPushButton* Command1;
    // Step 3: items.
    QGroupBox* Frame3;
    QComboBox* cboPdtCode;
    QComboBox* cboPdtName;
    QComboBox* cboPdtDescrip;
    QComboBox* cboPdtCategory;
    QComboBox* cboCred;
    QComboBox* cboAccountSet;
    QPushButton* cmdItemInsert;
    QPushButton* cmdItemUpdate;
    QPushButton* cmdItemDelete;
    QPushButton* cmdItemNew;

    void Create_New_Stock();
    void Create_New_Acctset();
    void Create_New_Item();
    bool Validate_Product_Category();
    bool Validate_Acctset();
    bool Validate_Item();
    void Reset_Setup_Fields();

    void cmdNew_Click();
    void Command1_Click();
    void cmdItemNew_Click();
    void cboCategory_Click();
    void cboAcctSet_Click();
    void cboPdtCode_Click();

protected:
    void Form_Load() override;

private:
    // A step: its section (whose first field is the key list read again
    // after its requests) and its request buttons with their writers.
    using Writer = QString (clsIVSetup::*)(const Recordset&);
    struct Step {
        SetupSection* section = nullptr;
        std::array<QPushButton*, 3> buttons{};
        std::array<Writer, 3> writers{};
    };
    enum { Category, AccountSet, Item };

    void buildStep(int step, QGroupBox* frame, const char* staging, std::vector<FieldDef> record,
                   std::vector<SetupField> fields, const std::vector<QWidget*>& row);
    // The data class; an error when it could not be created at load.
    clsIVSetup& data();
    Recordset readTable(const QString& table) { return data().Get_Table_Recordset(table); }
    void request(const Step& step, SetupRequest request);

    std::unique_ptr<clsIVSetup> m_data;
    std::array<Step, 3> m_steps;
};

} // namespace orv
