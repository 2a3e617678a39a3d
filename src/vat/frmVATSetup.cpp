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

// The code's fields in the order of its checks; every failing box turns
// light blue. Every request carries all six staging fields, a delete as a
// create; their types and widths are the staging record's.
std::vector<SetupField> frmVATSetup::vatFields() {
    return {
        F::names("cboCompany", qtext(kText["lblCompany"]), {0, 0}, "VAT_T", "VAT_Name")
            .feeds("CompanyName")
            .whenEmpty(qtext(kText["NoName"])),
        F::typed("txtAddress", qtext(kText["lblAddress"]), {1, 0}, "Address")
            .shownFrom("VAT_Descrip")
            .whenEmpty(qtext(kText["NoDescription"]))
            .into(txtAddress),
        F::typed("txtCity", qtext(kText["lblCity"]), {2, 0}, "City")
            .shownFrom("VAT_Reg")
            .whenEmpty(qtext(kText["NoRegistration"]))
            .into(txtCity),
        F::text("txtCreditTerm", qtext(kText["lblCreditTerm"]), {0, 1})
            .feeds("Credit_Term")
            .shownFrom("VAT_Code")
            .whenEmpty(qtext(kText["NoCode"]))
            .within(Currency::fromUnits(1), Currency::fromUnits(2147483647), qtext(kText["CodeRange"]))
            .filtered(Keys::Filtered)
            .into(txtCreditTerm),
        F::text("txtCreditLimit", qtext(kText["lblCreditLimit"]), {1, 1})
            .feeds("Credit_Limit")
            .shownFrom("VAT_Rate")
            .whenEmpty(qtext(kText["NoRate"]))
            .within(Currency(), Currency::fromUnits(100), qtext(kText["RateRange"]))
            .into(txtCreditLimit),
        F::chartCode("cboCOA", qtext(kText["lblCOA"]), {2, 1}, qtext(kText["ControlWhat"]))
            .whenEmpty(qtext(kText["NoControl"]))
            .into(cboCOA),
        F::accountName("txtGLName", "cboCOA", {3, 1}).into(txtGLName),
    };
}

frmVATSetup::frmVATSetup(QWidget* parent)
    : SetupWindowOver(&clsVATSetup::Get_Creditor_Details, parent),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))) {
    setRecord(vatRecordFields(), vatFields())->tintingEveryBox()->stagedIn(QStringLiteral("Temp_VAT"));

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
