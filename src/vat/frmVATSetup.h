#pragma once

#include "clsVATSetup.h"
#include "ui/SetupWindow.h"

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
    static inline const QString kEnterName = QStringLiteral("Enter VAT Name");
    static inline const QString kEnterDescription = QStringLiteral("Enter VAT Description");
    static inline const QString kEnterRegistration = QStringLiteral("Enter VAT Registration Number");
    static inline const QString kEnterCode = QStringLiteral("Enter VAT Code");
    static inline const QString kEnterRate = QStringLiteral("Enter VAT Rate");
    static inline const QString kSelectControl = QStringLiteral("Select VAT control Account Code!");
    static inline const QString kCodeRange =
        QStringLiteral("VAT Code must be a whole number from 1 to 2147483647");
    static inline const QString kRateRange = QStringLiteral("VAT Rate must be from 0 to 100");
    static inline const QString kNoVat = QStringLiteral("No VAT code is named \"%1\"");
    static inline const QString kControlWhat = QStringLiteral("VAT Control A/C");

    explicit frmVATSetup(QWidget* parent = nullptr);

    QGroupBox* Frame1;         // "VAT Master Detail"
    QGroupBox* Frame2;         // "Function"
    QLineEdit* txtAddress;     // description
    QLineEdit* txtCity;        // registration number
    QLineEdit* txtCreditTerm;  // code number
    QLineEdit* txtCreditLimit; // rate in per cent
    QComboBox* cboCOA;         // control account code
    QLineEdit* txtGLName;      // the control account's name

    void cboCompany_Click() override { pickRecord(kNoVat); }
    void cmdClear_Click() override;

protected:
    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    CheckList requestChecks(Request) override { return {inChart(cboCOA, kControlWhat).tinted()}; }
};

} // namespace orv
