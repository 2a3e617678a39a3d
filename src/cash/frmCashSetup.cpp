#include "frmCashSetup.h"

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
constexpr auto& T = frmCashSetup::kText;

} // namespace

// The bank's fields in the order of its checks. Only a create carries the
// code, as the key of the account chosen; a delete names the bank last
// picked, not the name typed.
std::vector<SetupField> frmCashSetup::bankFields() {
    return {
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0})
            .feeds("Bank_name")
            .carriedBy(kCreate | kUpdate)
            .whenEmpty(qtext(T["NoName"]))
            .typingLimited()
            .notShown()
            .listedFrom(QStringLiteral("Bank_T"), QStringLiteral("Bank_name")),
        F::text("txtBank_Add_VC", qtext(T["lblBank_Add_VC"]), {1, 0})
            .feeds("Bank_Add_VC")
            .whenEmpty(qtext(T["NoAddress"]))
            .typingLimited()
            .into(txtBank_Add_VC),
        F::text("txtBank_Contact_VC", qtext(T["lblBank_Contact_VC"]), {2, 0})
            .feeds("Bank_Contact_VC")
            .whenEmpty(qtext(T["NoContact"]))
            .typingLimited()
            .filtered(Keys::Digits, qtext(T["NumberOnly"]))
            .into(txtBank_Contact_VC),
        F::list("cboCOA", qtext(T["lblCOA"]), {3, 0})
            .feeds("GL_ID", DataType::Integer)
            .keyOf("COA_T")
            .carriedBy(kCreate)
            .whenEmpty(qtext(T["NoCode"]))
            .checkedAs(CheckAs::Text)
            .listedFrom(QStringLiteral("COA_T"), QStringLiteral("GL_ID"))
            .inChartAs(qtext(T["CodeWhat"]))
            .into(cboCOA),
        F::text("txtGLName", {}, {4, 0}).shownFrom("GL_Name_VC").into(txtGLName),
        F::text("txtCustName", {}, {5, 0})
            .feeds("Bank_name")
            .carriedBy(kDelete)
            .typingLimited()
            .notShown()
            .into(txtCustName),
    };
}

frmCashSetup::frmCashSetup(QWidget* parent)
    : SetupWindowOver({&clsCashSetup::Get_Cash_Details, &clsCashSetup::Send_Order,
                       &clsCashSetup::Update_Order, &clsCashSetup::Delete_Order,
                       &clsCashSetup::Get_COA_Details},
                      parent),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))) {
    setRecord(bankFields())->stagedIn(QStringLiteral("Temp_Bank"));
    txtCustName->setVisible(false);
    showAccountName(cboCOA, txtGLName, qtext(T["CodeWhat"]));

    auto* grid = new QGridLayout(Frame1);
    record()->layOut(grid);
    grid->setColumnStretch(1, 1);
    arrange(Frame2, Qt::Horizontal, {cmdSend, cmdClear, cmdUpdate, cmdDelete, cmdNew});
    arrange(this, Qt::Vertical, {Frame1, Frame2})->addStretch(1);
    applyCaptions(this, kText);
    resize(520, 280);
}

void frmCashSetup::showDetails(const Recordset& record) {
    SetupWindow::showDetails(record);
    txtCustName->setText(cboCompany->currentText());
}

CheckList frmCashSetup::requestChecks(Request request) {
    if (request != Request::Delete)
        return {};
    // With no bank picked there is nothing to delete.
    QPointer<QLineEdit> picked(txtCustName);
    return {Check::when([picked] { return picked && picked->text().isEmpty(); },
                        qtext(kText["NothingToDelete"]), cboCompany)};
}

} // namespace orv
