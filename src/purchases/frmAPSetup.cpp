#include "frmAPSetup.h"

#include "uicore/Controls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

using P = PartySetupWindow;
constexpr auto& T = frmAPSetup::kText;

// The supplier's own boxes and texts; the other party boxes stand where both
// party windows have them.
std::vector<SetupField> supplierFields() {
    return {
        P::field("cboCOA", qtext(T["lblCOA"]), {3, 2}).whenEmpty(qtext(frmAPSetup::kText["NoCode"])),
        P::field("cboCompany", qtext(T["lblCompany"]), {0, 0}).whenEmpty(qtext(frmAPSetup::kText["NoName"])),
        P::field("txtCustName", {}, {6, 0}),
        P::field("txtCreditTerm", {}, {1, 2}),
        P::field("txtCreditLimit", {}, {2, 2}),
        P::field("cboCurrency", {}, {0, 2}).whenEmpty(qtext(frmAPSetup::kText["NoCurrency"])),
        // The supplier's kinds read local first.
        P::field("cboForex", qtext(T["lblForex"]), {0, 1})
            .whenEmpty(qtext(frmAPSetup::kText["NoCurType"]))
            .withEntries({qtext(P::kText["Local"]), qtext(P::kText["Foreign"])}),
        P::field("txtGLName", {}, {4, 2}),
        SetupField::text("txtVAT_Reg", qtext(T["lblVAT_Reg"]), {5, 2})
            .feeds("VAT_Reg")
            .carriedBy(kCreate | kUpdate)
            .typingLimited(),
    };
}

} // namespace

frmAPSetup::frmAPSetup(QWidget* parent)
    : SetupWindowOver({&clsAPSetup::Get_Creditor_Details, &clsAPSetup::Send_Order, &clsAPSetup::Update_Order,
                       &clsAPSetup::Delete_Order, &clsAPSetup::Get_COA_Details},
                      PartyTexts{QStringLiteral("Creditors"), QStringLiteral("Creditor Code"),
                                 qtext(kText["NoSupplier"]), qtext(kText["NothingToDelete"])},
                      supplierFields(), parent),
      txtVAT_Reg(record()->box<QLineEdit>(QStringLiteral("txtVAT_Reg"))) {
    record()->stagedIn(QStringLiteral("Temp_Creditors"));
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

std::vector<SetupWindow::Assignment> frmAPSetup::assignments(Request request) {
    std::vector<Assignment> fields = PartySetupWindow::assignments(request);
    // The registration number travels without its surrounding blanks.
    for (Assignment& a : fields) {
        if (a.box == txtVAT_Reg)
            a.text = [this] { return txtVAT_Reg->text().trimmed(); };
    }
    return fields;
}

void frmAPSetup::cmdClear_Click() {
    PartySetupWindow::cmdClear_Click();
    cmdSend->setEnabled(true);
}

} // namespace orv
