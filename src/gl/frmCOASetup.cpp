#include "frmCOASetup.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orv {

// The account: the name list, then the staging record's fields in order.
std::vector<SetupField> frmCOASetup::accountFields() {
    return {
        F::list("cboCompany", qtext(kText["lblCompany"]), {0, 0}),
        F::text("txtAcctCode", qtext(kText["lblAcctCode"]), {1, 0})
            .feeds("GL_ID", DataType::Integer)
            .carriedBy(kCreate)
            .whenEmpty(qtext(kText["NoAcctCode"]))
            .checkedAs(CheckAs::Text)
            .into(txtAcctCode),
        // The name comes from the list on a pick.
        F::text("txtAcctName", qtext(kText["lblAcctName"]), {2, 0})
            .feeds("GL_Name_VC")
            .whenEmpty(qtext(kText["NoAcctName"]))
            .notShown()
            .into(txtAcctName),
        F::list("cboAcctType", qtext(kText["lblAcctType"]), {3, 0})
            .feeds("Acct_Type")
            .whenEmpty(qtext(kText["NoAcctType"]))
            .withEntries({qtext(kText["TypeBS"]), qtext(kText["TypePL"])})
            .into(cboAcctType),
        F::list("cboAcctCategory", qtext(kText["lblAcctCategory"]), {0, 1})
            .feeds("BS_Category_VC")
            .whenEmpty(qtext(kText["NoAcctCategory"]))
            .into(cboAcctCategory),
        F::list("cboSubCat", qtext(kText["lblSubCat"]), {1, 1})
            .feeds("Sub_Category_VC")
            .whenEmpty(qtext(kText["NoSubCat"]))
            .into(cboSubCat),
        F::text("txtStatus", qtext(kText["lblStatus"]), {2, 1})
            .feeds("Status_bt", DataType::BigInt)
            .carriedBy(kCreate | kUpdate)
            .whenEmpty(qtext(kText["NoStatus"]))
            .within(Currency(), Currency::fromUnits(1), qtext(kText["StatusRange"]))
            .filtered(Keys::Filtered)
            .into(txtStatus),
    };
}

frmCOASetup::frmCOASetup(QWidget* parent)
    : SetupWindowOver(&clsCOASetup::Get_COA_Details, parent),
      fraStep1(makeControl<QGroupBox>(this, QStringLiteral("fraStep1"))),
      cmdCreate(makeControl<QPushButton>(this, QStringLiteral("cmdCreate"))),
      cmdNewSubCat(makeControl<QPushButton>(this, QStringLiteral("cmdNewSubCat"))),
      fraAccount(makeControl<QGroupBox>(this, QStringLiteral("fraAccount"))),
      fraFunction(makeControl<QGroupBox>(this, QStringLiteral("fraFunction"))) {
    setRecord(accountFields())->stagedIn(QStringLiteral("Temp_COA"));
    // Categories are kept in the database; the strip only lists them.
    cmdCreate->setEnabled(false);
    cmdNewSubCat->setEnabled(false);

    auto* strip = new QGridLayout(fraStep1);
    (new SetupSection(
         this, {F::list("cboAcctCat", qtext(kText["lblAcctCat"]), {0, 0}).into(cboAcctCat),
                F::list("cboCreateSubCat", qtext(kText["lblCreateSubCat"]), {0, 1}).into(cboCreateSubCat)}))
        ->layOut(strip);
    strip->addWidget(cmdCreate, 0, 2);
    strip->addWidget(cmdNewSubCat, 0, 5);
    auto* columns = new QGridLayout(fraAccount);
    record()->layOut(columns);
    columns->addWidget(makeControl<QLabel>(fraAccount, QStringLiteral("lblStatusHint")), 2, 5);
    arrange(fraFunction, Qt::Horizontal, {cmdSend, cmdClear, cmdUpdate, cmdDelete, cmdNew});
    arrange(this, Qt::Vertical, {fraStep1, fraAccount, fraFunction});
    applyCaptions(this, kText);

    onPress(txtAcctCode, [this] { txtAcctCode_Click(); });
    onChoice(cboAcctCategory, [this] { cboAcctCategory_Click(); });
    onChoice(cboSubCat, [this] { cboSubCat_Click(); });
    onChoice(cboAcctCat, [this] { cboAcctCat_Click(); });
}

std::vector<SetupWindow::ListFill> frmCOASetup::lists() const {
    return {
        {cboAcctCat, QStringLiteral("Category_T"), QStringLiteral("Category_VC")},
        {cboCreateSubCat, QStringLiteral("Sub_Category_T"), QStringLiteral("Sub_Category_VC")},
        {cboCompany, QStringLiteral("COA_T"), QStringLiteral("GL_Name_VC"), true},
        {cboAcctCategory, QStringLiteral("Category_T"), QStringLiteral("Category_VC")},
        {cboSubCat, QStringLiteral("Sub_Category_T"), QStringLiteral("Sub_Category_VC")},
    };
}

void frmCOASetup::showDetails(const Recordset& record) {
    // A name that no account has (typed, or removed meanwhile) loads nothing.
    SetupWindow::showDetails(record);
    if (record.recordCount() > 0)
        txtAcctName->setText(cboCompany->currentText());
}

void frmCOASetup::cboAcctCat_Click() {
    // The strip's list is read again, so a category the database gained
    // meanwhile shows; the choice stays.
    const QString chosen = cboAcctCat->currentText();
    fillList(lists().front());
    setFieldText(cboAcctCat, chosen);
    cmdNew->click();
}

} // namespace orv
