#pragma once

#include "clsVATSetup.h"
#include "ui/SetupWindow.h"
#include "uicore/TextTable.h"

class QGroupBox;
class QLineEdit;

namespace orv {

// "Value Added Tax Set-Up": the VAT codes that items, document lines and VAT
// records carry. A code has a name (its key in the list), a description, the
// registration number it is declared under, a code number, a rate in per
// cent and a control account of the chart. The staging record keeps the
// field names of the party windows; the data class sends them under the VAT
// columns. CLEAR ALL here also enables CREATE NEW.
class frmVATSetup : public SetupWindowOver<clsVATSetup> {
    Q_OBJECT
public:
    // The captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmVATSetup", "Value Added Tax Set-Up"},
        {"Frame1", "VAT Master Detail"},
        {"Frame2", "Function"},
        {"lblCompany", "VAT Name :"},
        {"lblAddress", "VAT Description :"},
        {"lblCity", "VAT Registration No :"},
        {"lblCreditTerm", "VAT Code :"},
        {"lblCreditLimit", "VAT Rate :"},
        {"lblCOA", "VAT Control A/C :"},
        {"NoName", "Enter VAT Name"},
        {"NoDescription", "Enter VAT Description"},
        {"NoRegistration", "Enter VAT Registration Number"},
        {"NoCode", "Enter VAT Code"},
        {"NoRate", "Enter VAT Rate"},
        {"NoControl", "Select VAT control Account Code!"},
        {"CodeRange", "VAT Code: type a whole number of 1 or more"},
        {"RateRange", "VAT Rate must be from 0 to 100"},
        {"VatGone", "No VAT code is named \"%1\""},
        {"ControlWhat", "VAT Control A/C"},
    });

    explicit frmVATSetup(QWidget* parent = nullptr);

    QGroupBox* Frame1;                   // "VAT Master Detail"
    QGroupBox* Frame2;                   // "Function"
    QLineEdit* txtAddress = nullptr;     // description
    QLineEdit* txtCity = nullptr;        // registration number
    QLineEdit* txtCreditTerm = nullptr;  // code number
    QLineEdit* txtCreditLimit = nullptr; // rate in per cent
    QComboBox* cboCOA = nullptr;         // control account code
    QLineEdit* txtGLName = nullptr;      // the control account's name

    void cboCompany_Click() override { pickRecord(qtext(kText["VatGone"])); }
    void cmdClear_Click() override;

private:
    std::vector<SetupField> vatFields();
};

} // namespace orv
