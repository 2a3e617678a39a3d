#pragma once

#include "clsCashSetup.h"
#include "ui/SetupWindow.h"
#include "uicore/TextTable.h"

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
    // The captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmCashSetup", "Cash Master"},
        {"Frame1", "Cash Detail"},
        {"Frame2", "Function"},
        {"lblCompany", "Filter By Name :"},
        {"lblBank_Add_VC", "Address :"},
        {"lblBank_Contact_VC", "Contact :"},
        {"lblCOA", "Cash Code :"},
        {"NoName", "Specify Bank Name!"},
        {"NoAddress", "Enter Address"},
        {"NoContact", "Enter Contact Number"},
        {"NoCode", "Select Accout Code!"},
        {"NumberOnly", "Number only allowed"},
        {"NothingToDelete", "Select the Bank to delete from the Filter By Name list!"},
        {"BankGone", "No bank is named \"%1\""},
        {"CodeWhat", "Cash Code"},
    });

    explicit frmCashSetup(QWidget* parent = nullptr);

    QGroupBox* Frame1; // "Cash Detail"
    QGroupBox* Frame2; // "Function"
    QLineEdit* txtBank_Add_VC = nullptr;
    QLineEdit* txtBank_Contact_VC = nullptr;
    QComboBox* cboCOA = nullptr;
    QLineEdit* txtGLName = nullptr;
    QLineEdit* txtCustName = nullptr; // never visible: the bank last picked, the name DELETE sends

    void cboCompany_Click() override { pickRecord(qtext(kText["BankGone"])); }

private:
    std::vector<SetupField> bankFields();
};

} // namespace orv
