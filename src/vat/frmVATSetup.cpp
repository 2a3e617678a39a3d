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

// The code's fields in the order of its checks; every failing box turns
// light blue. Every request carries all six staging fields, a delete as a
// create; their types and widths are the staging record's.
std::vector<SetupField> vatFields() {
    return {
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0})
            .feeds("CompanyName")
            .whenEmpty(qtext(frmVATSetup::kText["NoName"]))
            .typingLimited()
            .notShown()
            .tinting(),
        F::text("txtAddress", qtext(T["lblAddress"]), {1, 0})
            .feeds("Address")
            .shownFrom("VAT_Descrip")
            .whenEmpty(qtext(frmVATSetup::kText["NoDescription"]))
            .typingLimited()
            .tinting(),
        F::text("txtCity", qtext(T["lblCity"]), {2, 0})
            .feeds("City")
            .shownFrom("VAT_Reg")
            .whenEmpty(qtext(frmVATSetup::kText["NoRegistration"]))
            .typingLimited()
            .tinting(),
        F::text("txtCreditTerm", qtext(T["lblCreditTerm"]), {0, 1})
            .feeds("Credit_Term")
            .shownFrom("VAT_Code")
            .whenEmpty(qtext(frmVATSetup::kText["NoCode"]))
            .within(Currency::fromUnits(1), Currency::fromUnits(2147483647),
                    qtext(frmVATSetup::kText["CodeRange"]))
            .filtered(Keys::Filtered)
            .tinting(),
        F::text("txtCreditLimit", qtext(T["lblCreditLimit"]), {1, 1})
            .feeds("Credit_Limit")
            .shownFrom("VAT_Rate")
            .whenEmpty(qtext(frmVATSetup::kText["NoRate"]))
            .within(Currency(), Currency::fromUnits(100), qtext(frmVATSetup::kText["RateRange"]))
            .tinting(),
        F::list("cboCOA", qtext(T["lblCOA"]), {2, 1})
            .feeds("GL_ID")
            .keyOf("COA_T")
            .whenEmpty(qtext(frmVATSetup::kText["NoControl"]))
            .checkedAs(CheckAs::Text)
            .tinting(),
        F::text("txtGLName", {}, {3, 1}).shownFrom("GL_Name_VC"),
    };
}

} // namespace

frmVATSetup::frmVATSetup(QWidget* parent)
    : SetupWindowOver({&clsVATSetup::Get_Creditor_Details, &clsVATSetup::Send_Order,
                       &clsVATSetup::Update_Order, &clsVATSetup::Delete_Order, &clsVATSetup::Get_COA_Details},
                      parent),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))) {
    const SetupSection* code =
        setRecord(vatRecordFields(), vatFields())->stagedIn(QStringLiteral("Temp_VAT"));
    txtAddress = code->box<QLineEdit>(QStringLiteral("txtAddress"));
    txtCity = code->box<QLineEdit>(QStringLiteral("txtCity"));
    txtCreditTerm = code->box<QLineEdit>(QStringLiteral("txtCreditTerm"));
    txtCreditLimit = code->box<QLineEdit>(QStringLiteral("txtCreditLimit"));
    cboCOA = code->box<QComboBox>(QStringLiteral("cboCOA"));
    txtGLName = code->box<QLineEdit>(QStringLiteral("txtGLName"));
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

std::vector<SetupWindow::ListFill> frmVATSetup::lists() const {
    return {nameList(), {cboCOA, QStringLiteral("COA_T"), QStringLiteral("GL_ID")}};
}

SetupWindow::ListFill frmVATSetup::nameList() const {
    return {cboCompany, QStringLiteral("VAT_T"), QStringLiteral("VAT_Name")};
}

void frmVATSetup::cmdClear_Click() {
    SetupWindow::cmdClear_Click();
    cmdSend->setEnabled(true);
}

} // namespace orv
