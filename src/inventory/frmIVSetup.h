#pragma once

#include "clsIVSetup.h"
#include "ui/Check.h"
#include "ui/RecordFields.h"
#include "ui/Window.h"

#include <memory>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace orv {

// "INVENTORY SET-UP": product categories, account sets and items in three
// steps, one below the other. Each step has its own fields, check, request
// record and buttons; a request the books take empties the fields of all
// three steps, reads again only its own step's key list and disables its
// button until step 1's "New" (pressed by the clerk or by a pick) enables all
// nine. A refused request keeps what was typed and says why.
class frmIVSetup : public Window {
    Q_OBJECT
public:
    static inline const QString kReopen =
        QStringLiteral(" Reopen INVENTORY SET-UP screen,if you have just amended or created a New Category ");
    static inline const QString kNoCategory = QStringLiteral("No product category is named \"%1\"");
    static inline const QString kNoAccountSet = QStringLiteral("No account set is named \"%1\"");
    static inline const QString kNoItem = QStringLiteral("No item has the code \"%1\"");

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
    // One field of a step: its box, the request record's field it fills, its
    // empty-field message and, for a number field, the name its number
    // message gives it.
    struct StepField {
        QWidget* box;
        QString field;
        QString emptyMessage;
        QString number;
    };
    // A step: its fields in check order, its request record, the key list
    // read again after its requests, and its three writers.
    using Writer = QString (clsIVSetup::*)(const Recordset&);
    struct Step {
        std::vector<StepField> fields;
        Recordset* record;
        QComboBox* keyList;
        QString keyTable;
        QString keyColumn;
        Writer writers[3];
    };
    enum Request { Insert, Update, Delete };

    void layOut();
    void wire();
    // The data class; an error when it could not be created at load.
    clsIVSetup& data();
    void fillList(QComboBox* list, const QString& table, const QString& column);
    static bool validate(const Step& step);
    // What the request record cannot hold: a number field that is no whole
    // number of 32 bits.
    static CheckList fitChecks(const Step& step);
    void request(const Step& step, Request request, QPushButton* pressed);
    // Copies the columns of a detail read's first row into their boxes; when
    // the key is no longer there, a message names it and nothing changes.
    static bool loadPick(Recordset record, const QString& missing, const QString& key,
                         const std::vector<std::pair<QWidget*, QString>>& into);

    std::unique_ptr<clsIVSetup> m_data;
    Recordset rsNewStock;
    Recordset rsNewAcctset;
    Recordset rsNewItem;
    Step m_category;
    Step m_accountSet;
    Step m_item;
};

} // namespace orv
