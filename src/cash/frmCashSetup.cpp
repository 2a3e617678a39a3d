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

// The bank's fields in the order of its checks. Only a create carries the
// code, as the key of the account chosen; a delete names the bank last
// picked, not the name typed.
std::vector<SetupField> bankFields() {
    return {
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0})
            .feeds("Bank_name")
            .carriedBy(kCreate | kUpdate)
            .whenEmpty(qtext(T["NoName"]))
            .typingLimited()
            .notShown(),
        F::text("txtBank_Add_VC", qtext(T["lblBank_Add_VC"]), {1, 0})
            .feeds("Bank_Add_VC")
            .whenEmpty(qtext(T["NoAddress"]))
            .typingLimited(),
        F::text("txtBank_Contact_VC", qtext(T["lblBank_Contact_VC"]), {2, 0})
            .feeds("Bank_Contact_VC")
            .whenEmpty(qtext(T["NoContact"]))
            .typingLimited()
            .filtered(Keys::Digits, qtext(T["NumberOnly"])),
        F::list("cboCOA", qtext(T["lblCOA"]), {3, 0})
            .feeds("GL_ID", DataType::Integer)
            .keyOf("COA_T")
            .carriedBy(kCreate)
            .whenEmpty(qtext(T["NoCode"]))
            .checkedAs(CheckAs::Text),
        F::text("txtGLName", {}, {4, 0}).shownFrom("GL_Name_VC"),
        F::text("txtCustName", {}, {5, 0}).feeds("Bank_name").carriedBy(kDelete).typingLimited().notShown(),
    };
}

} // namespace

frmCashSetup::frmCashSetup(QWidget* parent)
    : SetupWindowOver({&clsCashSetup::Get_Cash_Details, &clsCashSetup::Send_Order,
                       &clsCashSetup::Update_Order, &clsCashSetup::Delete_Order,
                       &clsCashSetup::Get_COA_Details},
                      parent),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))) {
    const SetupSection* bank = setRecord(bankFields())->stagedIn(QStringLiteral("Temp_Bank"));
    txtBank_Add_VC = bank->box<QLineEdit>(QStringLiteral("txtBank_Add_VC"));
    txtBank_Contact_VC = bank->box<QLineEdit>(QStringLiteral("txtBank_Contact_VC"));
    cboCOA = bank->box<QComboBox>(QStringLiteral("cboCOA"));
    txtGLName = bank->box<QLineEdit>(QStringLiteral("txtGLName"));
    txtCustName = bank->box<QLineEdit>(QStringLiteral("txtCustName"));
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

std::vector<SetupWindow::ListFill> frmCashSetup::lists() const {
    return {nameList(), {cboCOA, QStringLiteral("COA_T"), QStringLiteral("GL_ID")}};
}

SetupWindow::ListFill frmCashSetup::nameList() const {
    return {cboCompany, QStringLiteral("Bank_T"), QStringLiteral("Bank_name")};
}

void frmCashSetup::showDetails(const Recordset& record) {
    SetupWindow::showDetails(record);
    txtCustName->setText(cboCompany->currentText());
}

CheckList frmCashSetup::requestChecks(Request request) {
    if (request == Request::Create)
        return {inChart(cboCOA, qtext(T["CodeWhat"]))};
    if (request == Request::Delete) {
        // With no bank picked there is nothing to delete.
        QPointer<QLineEdit> picked(txtCustName);
        return {Check::when([picked] { return picked && picked->text().isEmpty(); },
                            qtext(kText["NothingToDelete"]), cboCompany)};
    }
    return {};
}

} // namespace orv
