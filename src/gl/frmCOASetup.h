#pragma once

#include "clsCOASetup.h"
#include "ui/SetupWindow.h"
#include "uicore/TextTable.h"

#include <QPushButton>

class QGroupBox;
class QLineEdit;

namespace orv {

// "COA Master": the chart of accounts, on the set-up frame. The category strip
// only shows the categories and sub-categories that exist.
class frmCOASetup : public SetupWindowOver<clsCOASetup> {
    Q_OBJECT
public:
    // The captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmCOASetup", "COA Master"},
        {"fraStep1", "STEP 1 [CREATE SUB-TYPE]"},
        {"lblAcctCat", "Account Category : "},
        {"cmdCreate", "CREATE"},
        {"lblCreateSubCat", "Sub Category :"},
        {"cmdNewSubCat", "CREATE"},
        {"fraAccount", " [CREATE CHART OF ACCOUNTS"},
        {"lblCompany", "Filter By Name :"},
        {"lblAcctCode", "Account Code :"},
        {"lblAcctName", "Account Name : "},
        {"lblAcctType", "Account Type : "},
        {"TypeBS", "BS"},
        {"TypePL", "PL"},
        {"lblAcctCategory", "Account Category : "},
        {"lblSubCat", "Sub Category :"},
        {"lblStatus", "Account Status :"},
        {"lblStatusHint", "[ 1 = Active | 0 = Inactive ]"},
        {"fraFunction", "Function"},
        {"NoAcctCode", "Enter Account Code"},
        {"NoAcctName", "Enter Account Name"},
        {"NoAcctType", "Select Account Type"},
        {"NoAcctCategory", "Select an Account Category"},
        {"NoSubCat", "Select a Sub Category"},
        {"NoStatus", "Enter Status"},
        {"StatusRange", "Status : Specify 1 as ACTIVE ; 0 as INACTIVE"},
    });

    explicit frmCOASetup(QWidget* parent = nullptr);

    QGroupBox* fraStep1;
    QComboBox* cboAcctCat;
    QPushButton* cmdCreate;
    QComboBox* cboCreateSubCat;
    QPushButton* cmdNewSubCat;
    QGroupBox* fraAccount;
    QLineEdit* txtAcctCode;
    QLineEdit* txtAcctName;
    QComboBox* cboAcctType;
    QComboBox* cboAcctCategory;
    QComboBox* cboSubCat;
    QLineEdit* txtStatus;
    QGroupBox* fraFunction;

    // The REFRESH triggers beyond a pick in the name list.
    void txtAcctCode_Click() { cmdNew->click(); }
    void cboAcctCategory_Click() { cmdNew->click(); }
    void cboSubCat_Click() { cmdNew->click(); }
    void cboAcctCat_Click();

protected:
    std::vector<ListFill> lists() const override;
    void showDetails(const Recordset& record) override;

private:
    std::vector<SetupField> accountFields();
};

} // namespace orv
