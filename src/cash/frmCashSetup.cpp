#include "frmCashSetup.h"

#include "uicore/Controls.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace orv {

// The bank's fields in the order of its checks. Only a create carries the
// code, as the key of the account chosen; a delete names the bank last
// picked, not the name typed.
std::vector<SetupField> frmCashSetup::bankFields() {
    return {
        F::names("cboCompany", qtext(kText["lblCompany"]), {0, 0}, "Bank_T", "Bank_name")
            .feeds("Bank_name")
            .carriedBy(kCreate | kUpdate)
            .whenEmpty(qtext(kText["NoName"])),
        F::typed("txtBank_Add_VC", qtext(kText["lblBank_Add_VC"]), {1, 0}, "Bank_Add_VC")
            .whenEmpty(qtext(kText["NoAddress"]))
            .into(txtBank_Add_VC),
        F::typed("txtBank_Contact_VC", qtext(kText["lblBank_Contact_VC"]), {2, 0}, "Bank_Contact_VC")
            .whenEmpty(qtext(kText["NoContact"]))
            .filtered(Keys::Digits, qtext(kText["NumberOnly"]))
            .into(txtBank_Contact_VC),
        F::chartCode("cboCOA", qtext(kText["lblCOA"]), {3, 0}, qtext(kText["CodeWhat"]))
            .carriedBy(kCreate)
            .whenEmpty(qtext(kText["NoCode"]))
            .into(cboCOA),
        F::accountName("txtGLName", "cboCOA", {4, 0}).into(txtGLName),
        F::lastPicked("txtCustName", "Bank_name", qtext(kText["NothingToDelete"])).into(txtCustName),
    };
}

frmCashSetup::frmCashSetup(QWidget* parent)
    : SetupWindowOver(&clsCashSetup::Get_Cash_Details, parent),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))) {
    setRecord(bankFields())->stagedIn(QStringLiteral("Temp_Bank"));

    auto* grid = new QGridLayout(Frame1);
    record()->layOut(grid);
    grid->setColumnStretch(1, 1);
    arrange(Frame2, Qt::Horizontal, {cmdSend, cmdClear, cmdUpdate, cmdDelete, cmdNew});
    arrange(this, Qt::Vertical, {Frame1, Frame2})->addStretch(1);
    applyCaptions(this, kText);
    resize(520, 280);
}

} // namespace orv
