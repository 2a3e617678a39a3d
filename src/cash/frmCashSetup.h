#pragma once

#include "clsCashSetup.h"
#include "ui/SetupWindow.h"

class QGroupBox;
class QLineEdit;

namespace orv {

// "Cash Master": the banks through which the company receives and pays. A
// bank is an account of the chart: its code is the account's code, chosen
// in the code list when the bank is created; afterwards only its address
// and contact change.
class frmCashSetup : public SetupWindowOver<clsCashSetup> {
    Q_OBJECT
public:
    static inline const QString kSpecifyName = QStringLiteral("Specify Bank Name!");
    static inline const QString kEnterAddress = QStringLiteral("Enter Address");
    static inline const QString kEnterContact = QStringLiteral("Enter Contact Number");
    static inline const QString kSelectCode = QStringLiteral("Select Accout Code!");
    static inline const QString kNumberOnly = QStringLiteral("Number only allowed");
    static inline const QString kNothingToDelete =
        QStringLiteral("Select the Bank to delete from the Filter By Name list!");
    static inline const QString kNoBank = QStringLiteral("No bank is named \"%1\"");

    explicit frmCashSetup(QWidget* parent = nullptr);

    QGroupBox* Frame1; // "Cash Detail"
    QGroupBox* Frame2; // "Function"
    QLineEdit* txtBank_Add_VC;
    QLineEdit* txtBank_Contact_VC;
    QComboBox* cboCOA;
    QLineEdit* txtGLName;
    QLineEdit* txtCustName; // never visible: the bank last picked, the name DELETE sends

    void cboCompany_Click() override { pickRecord(kNoBank); }

protected:
    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    void showDetails(const Recordset& record) override;
    CheckList requestChecks(Request request) override;
};

} // namespace orv
