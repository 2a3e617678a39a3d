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
    static inline const QString kSpecifyCurType = QStringLiteral("Specify Currency Type for this Supplier");
    static inline const QString kEnterName = QStringLiteral("Enter Supplier Name");
    static inline const QString kEnterCurrency = QStringLiteral("Enter Currency Type");
    static inline const QString kSelectCode = QStringLiteral("Select Accout Code!");
    static inline const QString kSpecifyVatReg =
        QStringLiteral("Specify VAT Registration Number for the Supplier's Country");
    static inline const QString kNothingToDelete =
        QStringLiteral("Select the Supplier to delete from the Supplier Name list!");
    static inline const QString kNoSupplier = QStringLiteral("No supplier is named \"%1\"");

    explicit frmAPSetup(QWidget* parent = nullptr);

    QLineEdit* txtVAT_Reg;

    // CLEAR ALL also makes CREATE NEW available again.
    void cmdClear_Click() override;

protected:
    CheckList validateChecks() override;
    std::vector<Assignment> assignments(Request request) override;
};

} // namespace orv
