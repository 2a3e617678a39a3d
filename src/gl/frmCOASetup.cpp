#include "frmCOASetup.h"

#include "ui/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = frmCOASetup::kText;

// The account: the name list, then the staging record's fields in order.
std::vector<SetupField> accountFields() {
    return {
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0}),
        F::text("txtAcctCode", qtext(T["lblAcctCode"]), {1, 0})
            .feeds("GL_ID", DataType::Integer)
            .carriedBy(kCreate)
            .whenEmpty(qtext(T["NoAcctCode"]))
            .checkedAs(CheckAs::Text),
        // The name comes from the list on a pick.
        F::text("txtAcctName", qtext(T["lblAcctName"]), {2, 0})
            .feeds("GL_Name_VC", DataType::Text, 20)
            .whenEmpty(qtext(T["NoAcctName"]))
            .notShown(),
        F::list("cboAcctType", qtext(T["lblAcctType"]), {3, 0})
            .feeds("Acct_Type", DataType::Text, 10)
            .whenEmpty(qtext(T["NoAcctType"]))
            .withEntries({qtext(T["TypeBS"]), qtext(T["TypePL"])}),
        F::list("cboAcctCategory", qtext(T["lblAcctCategory"]), {0, 1})
            .feeds("BS_Category_VC", DataType::Text, 20)
            .whenEmpty(qtext(T["NoAcctCategory"])),
        F::list("cboSubCat", qtext(T["lblSubCat"]), {1, 1})
            .feeds("Sub_Category_VC", DataType::Text, 20)
            .whenEmpty(qtext(T["NoSubCat"])),
        F::text("txtStatus", qtext(T["lblStatus"]), {2, 1})
            .feeds("Status_bt", DataType::BigInt)
            .carriedBy(kCreate | kUpdate)
            .whenEmpty(qtext(T["NoStatus"]))
            .within(Currency(), Currency::fromUnits(1), qtext(T["StatusRange"]))
            .filtered(Keys::Filtered),
    };
}

} // namespace

frmCOASetup::frmCOASetup(QWidget* parent)
    : SetupWindowOver({&clsCOASetup::Get_COA_Details, &clsCOASetup::Send_Order, &clsCOASetup::Update_Order,
                       &clsCOASetup::Delete_Order},
                      parent),
      fraStep1(makeControl<QGroupBox>(this, QStringLiteral("fraStep1"))),
      cmdCreate(makeControl<QPushButton>(this, QStringLiteral("cmdCreate"))),
      cmdNewSubCat(makeControl<QPushButton>(this, QStringLiteral("cmdNewSubCat"))),
      fraAccount(makeControl<QGroupBox>(this, QStringLiteral("fraAccount"))),
      fraFunction(makeControl<QGroupBox>(this, QStringLiteral("fraFunction"))) {
    setWindowTitle(qtext(T["frmCOASetup"]));
    const SetupSection* account = setRecord(accountFields());
    txtAcctCode = account->box<QLineEdit>(QStringLiteral("txtAcctCode"));
    txtAcctName = account->box<QLineEdit>(QStringLiteral("txtAcctName"));
    cboAcctType = account->box<QComboBox>(QStringLiteral("cboAcctType"));
    cboAcctCategory = account->box<QComboBox>(QStringLiteral("cboAcctCategory"));
    cboSubCat = account->box<QComboBox>(QStringLiteral("cboSubCat"));
    txtStatus = account->box<QLineEdit>(QStringLiteral("txtStatus"));
    cmdCreate->setText(qtext(T["cmdCreate"]));
    cmdNewSubCat->setText(qtext(T["cmdNewSubCat"]));
    // Categories are kept in the database; the strip only lists them.
    cmdCreate->setEnabled(false);
    cmdNewSubCat->setEnabled(false);
    layOut();

    onPress(txtAcctCode, [this] { txtAcctCode_Click(); });
    onChoice(cboAcctCategory, [this] { cboAcctCategory_Click(); });
    onChoice(cboSubCat, [this] { cboSubCat_Click(); });
    onChoice(cboAcctCat, [this] { cboAcctCat_Click(); });
}

void frmCOASetup::layOut() {
    fraStep1->setTitle(qtext(T["fraStep1"]));
    auto* strip = new QGridLayout(fraStep1);
    // The strip of categories, which only lists them.
    const auto* categories =
        new SetupSection(this, {F::list("cboAcctCat", qtext(T["lblAcctCat"]), {0, 0}),
                                F::list("cboCreateSubCat", qtext(T["lblCreateSubCat"]), {0, 1})});
    categories->layOut(strip);
    cboAcctCat = categories->box<QComboBox>(QStringLiteral("cboAcctCat"));
    cboCreateSubCat = categories->box<QComboBox>(QStringLiteral("cboCreateSubCat"));
    strip->addWidget(cmdCreate, 0, 2);
    strip->addWidget(cmdNewSubCat, 0, 5);

    fraAccount->setTitle(qtext(T["fraAccount"]));
    auto* columns = new QGridLayout(fraAccount);
    record()->layOut(columns);
    auto* hint = makeControl<QLabel>(fraAccount, QStringLiteral("lblStatusHint"));
    hint->setText(qtext(T["lblStatusHint"]));
    columns->addWidget(hint, 2, 5);

    fraFunction->setTitle(qtext(T["fraFunction"]));
    auto* buttons = new QHBoxLayout(fraFunction);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSend, cmdClear, cmdUpdate, cmdDelete, cmdNew})
        buttons->addWidget(w);

    auto* page = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{fraStep1, fraAccount, fraFunction})
        page->addWidget(w);
}

std::vector<SetupWindow::ListFill> frmCOASetup::lists() const {
    return {
        {cboAcctCat, QStringLiteral("Category_T"), QStringLiteral("Category_VC")},
        {cboCreateSubCat, QStringLiteral("Sub_Category_T"), QStringLiteral("Sub_Category_VC")},
        nameList(),
        {cboAcctCategory, QStringLiteral("Category_T"), QStringLiteral("Category_VC")},
        {cboSubCat, QStringLiteral("Sub_Category_T"), QStringLiteral("Sub_Category_VC")},
    };
}

SetupWindow::ListFill frmCOASetup::nameList() const {
    return {cboCompany, QStringLiteral("COA_T"), QStringLiteral("GL_Name_VC"), true};
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
