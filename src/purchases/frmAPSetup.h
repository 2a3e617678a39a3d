#pragma once

#include "clsAPSetup.h"
#include "ui/PartySetupWindow.h"

namespace orv {

// "Creditor Set-Up": the suppliers of the books. A supplier is also an
// account of the chart (its key is the code of its own account), trades in
// one currency, LOCAL or FOREIGN, and carries its VAT registration number.
// Every box a check fails on turns light blue.
class frmAPSetup : public SetupWindowOver<clsAPSetup, PartySetupWindow> {
    Q_OBJECT
public:
    // The window's own captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmAPSetup", "Creditor Set-Up"},
        {"Frame1", "Creditor Detail"},
        {"lblCompany", "Supplier Name"},
        {"lblForex", "Cur Type"},
        {"lblCOA", "Creditor Code :"},
        {"lblVAT_Reg", "VAT Reg Number :"},
        {"NoCurType", "Specify Currency Type for this Supplier"},
        {"NoName", "Enter Supplier Name"},
        {"NoCurrency", "Enter Currency Type"},
        {"NoCode", "Select Accout Code!"},
        {"NoVatReg", "Specify VAT Registration Number for the Supplier's Country"},
        {"NothingToDelete", "Select the Supplier to delete from the Supplier Name list!"},
        {"NoSupplier", "No supplier is named \"%1\""},
    });

    explicit frmAPSetup(QWidget* parent = nullptr);

    QLineEdit* txtVAT_Reg = nullptr;

    // CLEAR ALL also makes CREATE NEW available again.
    void cmdClear_Click() override;

protected:
    CheckList validateChecks() override;
};

} // namespace orv
