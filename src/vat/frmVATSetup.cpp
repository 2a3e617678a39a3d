#include "frmVATSetup.h"

#include "VATRecord.h"
#include "uicore/Controls.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = frmVATSetup::kText;

} // namespace

// The code's fields in the order of its checks; every failing box turns
// light blue. Every request carries all six staging fields, a delete as a
// create; their types and widths are the staging record's.
std::vector<SetupField> frmVATSetup::vatFields() {
    return {
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0})
            .feeds("CompanyName")
            .whenEmpty(qtext(T["NoName"]))
            .typingLimited()
            .notShown()
            .tinting()
            .listedFrom(QStringLiteral("VAT_T"), QStringLiteral("VAT_Name")),
        F::text("txtAddress", qtext(T["lblAddress"]), {1, 0})
            .feeds("Address")
            .shownFrom("VAT_Descrip")
            .whenEmpty(qtext(T["NoDescription"]))
            .typingLimited()
            .tinting()
            .into(txtAddress),
        F::text("txtCity", qtext(T["lblCity"]), {2, 0})
            .feeds("City")
            .shownFrom("VAT_Reg")
            .whenEmpty(qtext(T["NoRegistration"]))
            .typingLimited()
            .tinting()
            .into(txtCity),
        F::text("txtCreditTerm", qtext(T["lblCreditTerm"]), {0, 1})
            .feeds("Credit_Term")
            .shownFrom("VAT_Code")
            .whenEmpty(qtext(T["NoCode"]))
            .within(Currency::fromUnits(1), Currency::fromUnits(2147483647), qtext(T["CodeRange"]))
            .filtered(Keys::Filtered)
            .tinting()
            .into(txtCreditTerm),
        F::text("txtCreditLimit", qtext(T["lblCreditLimit"]), {1, 1})
            .feeds("Credit_Limit")
            .shownFrom("VAT_Rate")
            .whenEmpty(qtext(T["NoRate"]))
            .within(Currency(), Currency::fromUnits(100), qtext(T["RateRange"]))
            .tinting()
            .into(txtCreditLimit),
        F::list("cboCOA", qtext(T["lblCOA"]), {2, 1})
            .feeds("GL_ID")
            .keyOf("COA_T")
            .listedFrom(QStringLiteral("COA_T"), QStringLiteral("GL_ID"))
            .inChartAs(qtext(T["ControlWhat"]))
            .whenEmpty(qtext(T["NoControl"]))
            .checkedAs(CheckAs::Text)
            .tinting()
            .into(cboCOA),
        F::text("txtGLName", {}, {3, 1}).shownFrom("GL_Name_VC").into(txtGLName),
    };
}

frmVATSetup::frmVATSetup(QWidget* parent)
    : SetupWindowOver({&clsVATSetup::Get_Creditor_Details, &clsVATSetup::Send_Order,
                       &clsVATSetup::Update_Order, &clsVATSetup::Delete_Order, &clsVATSetup::Get_COA_Details},
                      parent),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))) {
    setRecord(vatRecordFields(), vatFields())->stagedIn(QStringLiteral("Temp_VAT"));
    showAccountName(cboCOA, txtGLName, qtext(kText["ControlWhat"]));

    auto* grid = new QGridLayout(Frame1);
    record()->layOut(grid);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    arrange(Frame2, Qt::Horizontal, {cmdNew, cmdSend, cmdClear, cmdUpdate, cmdDelete});
    arrange(this, Qt::Vertical, {Frame1, Frame2})->addStretch(1);
    applyCaptions(this, kText);
    resize(640, 260);
}

void frmVATSetup::cmdClear_Click() {
    SetupWindow::cmdClear_Click();
    cmdSend->setEnabled(true);
}

} // namespace orv
