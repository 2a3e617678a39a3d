#include "frmAPSetup.h"

#include "uicore/Controls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SetupField;
using P = PartySetupWindow;
constexpr auto& T = frmAPSetup::kText;

// Where the supplier's boxes stand, the supplier's own captions and texts,
// and its VAT registration number.
std::vector<SetupField> supplierPlaces(QLineEdit*& vatReg) {
    return {
        F::list("cboCOA", qtext(T["lblCOA"]), {3, 2}).whenEmpty(qtext(T["NoCode"])),
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0}).whenEmpty(qtext(T["NoName"])),
        F::text("txtCustName", {}, {6, 0}),
        F::text("txtCreditTerm", {}, {1, 2}),
        F::text("txtCreditLimit", {}, {2, 2}),
        F::list("cboCurrency", {}, {0, 2}).whenEmpty(qtext(T["NoCurrency"])),
        // The supplier's kinds read local first.
        F::list("cboForex", qtext(T["lblForex"]), {0, 1})
            .whenEmpty(qtext(T["NoCurType"]))
            .withEntries({qtext(P::kText["Local"]), qtext(P::kText["Foreign"])}),
        F::text("txtGLName", {}, {4, 2}),
        F::typed("txtVAT_Reg", qtext(T["lblVAT_Reg"]), {5, 2}, "VAT_Reg")
            .carriedBy(kCreate | kUpdate)
            .into(vatReg),
    };
}

} // namespace

frmAPSetup::frmAPSetup(QWidget* parent)
    : SetupWindowOver(&clsAPSetup::Get_Creditor_Details,
                      PartyTexts{QStringLiteral("Creditors"), QStringLiteral("Creditor Code"),
                                 qtext(kText["NoSupplier"]), qtext(kText["NothingToDelete"])},
                      parent) {
    setParty(supplierPlaces(txtVAT_Reg))->stagedIn(QStringLiteral("Temp_Creditors"));
    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addLayout(buttonRow());
    page->addStretch(1);
    applyCaptions(this, kText);
    resize(820, 330);
}

CheckList frmAPSetup::validateChecks() {
    QPointer<QLineEdit> vat(txtVAT_Reg);
    CheckList checks =
        partyChecks({"cboCompany", "txtAddress", "txtCity", "cboCurrency", "txtPhone", "txtCountry",
                     "txtPostal", "txtRegion", "txtCreditTerm", "txtCreditLimit", "cboCOA",
                     "cboUnrealisedGain", "cboUnrealisedLoss", "cboRealisedGain", "cboRealisedLoss"},
                    {Check::when([vat] { return vat && vat->text().trimmed().isEmpty(); },
                                 qtext(kText["NoVatReg"]), txtVAT_Reg)});
    for (Check& check : checks)
        check.tinted();
    return checks;
}

void frmAPSetup::cmdClear_Click() {
    PartySetupWindow::cmdClear_Click();
    cmdSend->setEnabled(true);
}

} // namespace orv
