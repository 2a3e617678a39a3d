#include "frmCOASetup.h"

#include "ui/Controls.h"
#include "ui/KeyFilter.h"
#include "ui/UiServices.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

QComboBox* typedList(QWidget* parent, const QString& name) {
    auto* list = makeControl<QComboBox>(parent, name);
    list->setEditable(true); // every list takes typed text as well as a choice
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

} // namespace

frmCOASetup::frmCOASetup(QWidget* parent)
    : SetupWindow(parent), fraStep1(makeControl<QGroupBox>(this, QStringLiteral("fraStep1"))),
      cboAcctCat(typedList(this, QStringLiteral("cboAcctCat"))),
      cmdCreate(makeControl<QPushButton>(this, QStringLiteral("cmdCreate"))),
      cboCreateSubCat(typedList(this, QStringLiteral("cboCreateSubCat"))),
      cmdNewSubCat(makeControl<QPushButton>(this, QStringLiteral("cmdNewSubCat"))),
      fraAccount(makeControl<QGroupBox>(this, QStringLiteral("fraAccount"))),
      txtAcctCode(makeControl<QLineEdit>(this, QStringLiteral("txtAcctCode"))),
      txtAcctName(makeControl<QLineEdit>(this, QStringLiteral("txtAcctName"))),
      cboAcctType(typedList(this, QStringLiteral("cboAcctType"))),
      cboAcctCategory(typedList(this, QStringLiteral("cboAcctCategory"))),
      cboSubCat(typedList(this, QStringLiteral("cboSubCat"))),
      txtStatus(makeControl<QLineEdit>(this, QStringLiteral("txtStatus"))),
      fraFunction(makeControl<QGroupBox>(this, QStringLiteral("fraFunction"))) {
    setWindowTitle(QStringLiteral("COA Master"));
    cmdCreate->setText(QStringLiteral("CREATE"));
    cmdNewSubCat->setText(QStringLiteral("CREATE"));
    // Categories are kept in the database; the strip only lists them.
    cmdCreate->setEnabled(false);
    cmdNewSubCat->setEnabled(false);
    cboAcctType->addItems({QStringLiteral("BS"), QStringLiteral("PL")});
    cboAcctType->setCurrentIndex(-1);
    KeyFilter::install(txtStatus);
    txtAcctCode->installEventFilter(this);
    layOut();

    connect(cboAcctCategory, &QComboBox::activated, this,
            [this] { guarded([&] { cboAcctCategory_Click(); }); });
    connect(cboSubCat, &QComboBox::activated, this, [this] { guarded([&] { cboSubCat_Click(); }); });
    connect(cboAcctCat, &QComboBox::activated, this, [this] { guarded([&] { cboAcctCat_Click(); }); });
}

frmCOASetup::~frmCOASetup() = default;

QWidget* frmCOASetup::labelled(const QString& caption, QWidget* field, const QString& labelName) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = makeControl<QLabel>(row, labelName);
    label->setText(caption);
    label->setMinimumWidth(130);
    layout->addWidget(label);
    layout->addWidget(field, 1);
    return row;
}

void frmCOASetup::layOut() {
    fraStep1->setTitle(QStringLiteral("STEP 1 [CREATE SUB-TYPE]"));
    auto* strip = new QHBoxLayout(fraStep1);
    auto* catLabel = makeControl<QLabel>(fraStep1, QStringLiteral("lblAcctCat"));
    catLabel->setText(QStringLiteral("Account Category : "));
    auto* subLabel = makeControl<QLabel>(fraStep1, QStringLiteral("lblCreateSubCat"));
    subLabel->setText(QStringLiteral("Sub Category :"));
    for (QWidget* w : std::initializer_list<QWidget*>{catLabel, cboAcctCat, cmdCreate, subLabel,
                                                      cboCreateSubCat, cmdNewSubCat})
        strip->addWidget(w);

    fraAccount->setTitle(QStringLiteral(" [CREATE CHART OF ACCOUNTS"));
    auto* columns = new QGridLayout(fraAccount);
    columns->addWidget(labelled(QStringLiteral("Filter By Name :"), cboCompany, QStringLiteral("lblCompany")),
                       0, 0);
    columns->addWidget(labelled(QStringLiteral("Account Code :"), txtAcctCode, QStringLiteral("lblAcctCode")),
                       1, 0);
    columns->addWidget(
        labelled(QStringLiteral("Account Name : "), txtAcctName, QStringLiteral("lblAcctName")), 2, 0);
    columns->addWidget(
        labelled(QStringLiteral("Account Type : "), cboAcctType, QStringLiteral("lblAcctType")), 3, 0);
    columns->addWidget(
        labelled(QStringLiteral("Account Category : "), cboAcctCategory, QStringLiteral("lblAcctCategory")),
        0, 1);
    columns->addWidget(labelled(QStringLiteral("Sub Category :"), cboSubCat, QStringLiteral("lblSubCat")), 1,
                       1);
    auto* statusRow = new QWidget(fraAccount);
    auto* statusLayout = new QHBoxLayout(statusRow);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addWidget(txtStatus);
    auto* hint = makeControl<QLabel>(statusRow, QStringLiteral("lblStatusHint"));
    hint->setText(QStringLiteral("[ 1 = Active | 0 = Inactive ]"));
    statusLayout->addWidget(hint);
    columns->addWidget(labelled(QStringLiteral("Account Status :"), statusRow, QStringLiteral("lblStatus")),
                       2, 1);

    fraFunction->setTitle(QStringLiteral("Function"));
    auto* buttons = new QHBoxLayout(fraFunction);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSend, cmdClear, cmdUpdate, cmdDelete, cmdNew})
        buttons->addWidget(w);

    auto* page = new QVBoxLayout(this);
    page->addWidget(fraStep1);
    page->addWidget(fraAccount);
    page->addWidget(fraFunction);

    QWidget::setTabOrder(cboCompany, txtAcctName);
    QWidget::setTabOrder(txtAcctName, txtAcctCode);
    QWidget::setTabOrder(txtAcctCode, txtStatus);
    QWidget::setTabOrder(txtStatus, cboAcctCategory);
    QWidget::setTabOrder(cboAcctCategory, cboAcctType);
    QWidget::setTabOrder(cboAcctType, cboSubCat);
}

// --- the data class -----------------------------------------------------------

void frmCOASetup::createDataClass() {
    m_coa = std::make_unique<clsCOASetup>();
}

Recordset frmCOASetup::readTable(const QString& table) {
    return m_coa->Get_Table_Recordset(table);
}

Recordset frmCOASetup::readDetails(const QString& name) {
    return m_coa->Get_COA_Details(name);
}

QString frmCOASetup::write(Request request) {
    switch (request) {
    case Request::Create:
        return m_coa->Send_Order(m_staging);
    case Request::Update:
        return m_coa->Update_Order(m_staging);
    case Request::Delete:
        return m_coa->Delete_Order(m_staging);
    }
    return {};
}

// --- lists, pick and REFRESH triggers ------------------------------------------

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
    if (record.recordCount() == 0)
        return;
    Recordset row = record;
    row.moveFirst();
    setFieldText(cboAcctType, row.value(QStringLiteral("Acct_Type")).toString());
    setFieldText(cboAcctCategory, row.value(QStringLiteral("BS_Category_VC")).toString());
    setFieldText(cboSubCat, row.value(QStringLiteral("Sub_Category_VC")).toString());
    txtAcctName->setText(cboCompany->currentText());
    txtAcctCode->setText(row.value(QStringLiteral("GL_ID")).toString());
    txtStatus->setText(row.value(QStringLiteral("Status_bt")).toString());
}

void frmCOASetup::txtAcctCode_Click() {
    cmdNew->click();
}

void frmCOASetup::cboAcctCategory_Click() {
    cmdNew->click();
}

void frmCOASetup::cboSubCat_Click() {
    cmdNew->click();
}

void frmCOASetup::cboAcctCat_Click() {
    // The strip's list is read again, so a category the database gained
    // meanwhile shows; the choice stays.
    const QString chosen = cboAcctCat->currentText();
    fillList(lists().front());
    setFieldText(cboAcctCat, chosen);
    cmdNew->click();
}

bool frmCOASetup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtAcctCode && event->type() == QEvent::MouseButtonPress)
        guarded([&] { txtAcctCode_Click(); });
    return SetupWindow::eventFilter(watched, event);
}

// --- the record, its checks and the requests ---------------------------------------

std::vector<FieldDef> frmCOASetup::stagingFields() const {
    return {
        {QStringLiteral("GL_ID"), DataType::Integer},
        {QStringLiteral("GL_Name_VC"), DataType::Text, 20},
        {QStringLiteral("Acct_Type"), DataType::Text, 10},
        {QStringLiteral("BS_Category_VC"), DataType::Text, 20},
        {QStringLiteral("Sub_Category_VC"), DataType::Text, 20},
        {QStringLiteral("Status_bt"), DataType::BigInt},
    };
}

Check frmCOASetup::tooLong(QWidget* field, int maximum, const QString& message) {
    QPointer<QWidget> f(field);
    return Check::when([f, maximum] { return fieldText(f).toUcs4().size() > maximum; }, message, field)
        .selectingText();
}

CheckList frmCOASetup::validateChecks() {
    QPointer<QLineEdit> code(txtAcctCode);
    QPointer<QLineEdit> status(txtStatus);
    return {
        Check::empty(txtAcctCode, QStringLiteral("Enter Account Code")),
        Check::empty(txtAcctName, QStringLiteral("Enter Account Name")),
        Check::empty(cboAcctType, QStringLiteral("Select Account Type")),
        Check::empty(cboAcctCategory, QStringLiteral("Select an Account Category")),
        Check::empty(cboSubCat, QStringLiteral("Select a Sub Category")),
        Check::emptyNumber(txtStatus, QStringLiteral("Enter Status")),
        Check::notNumber(txtStatus),
        Check::below(txtStatus, Currency(), kStatusMessage),
        Check::above(txtStatus, Currency::fromUnits(1), kStatusMessage),
        // What the staging record and the chart cannot hold is refused here,
        // before any request: a pasted fraction of a status, a code that is
        // no whole number of the account code's range, over-long texts.
        Check::when(
            [status] {
                return status->text().trimmed() != QLatin1String("0") &&
                       status->text().trimmed() != QLatin1String("1");
            },
            kStatusMessage, txtStatus)
            .selectingText(),
        Check::when(
            [code] {
                bool ok = false;
                code->text().trimmed().toInt(&ok);
                return !ok;
            },
            QStringLiteral("Account Code must be a whole number from -2147483648 to 2147483647"), txtAcctCode)
            .selectingText(),
        tooLong(txtAcctName, 20, QStringLiteral("Account Name must not be longer than 20 characters")),
        tooLong(cboAcctType, 10, QStringLiteral("Account Type must not be longer than 10 characters")),
        tooLong(cboAcctCategory, 20,
                QStringLiteral("Account Category must not be longer than 20 characters")),
        tooLong(cboSubCat, 20, QStringLiteral("Sub Category must not be longer than 20 characters")),
    };
}

std::vector<SetupWindow::Assignment> frmCOASetup::assignments(Request request) {
    std::vector<Assignment> fields;
    if (request == Request::Create)
        fields.push_back(fromControl(QStringLiteral("GL_ID"), txtAcctCode));
    fields.push_back(fromControl(QStringLiteral("GL_Name_VC"), txtAcctName));
    fields.push_back(fromControl(QStringLiteral("Acct_Type"), cboAcctType));
    fields.push_back(fromControl(QStringLiteral("BS_Category_VC"), cboAcctCategory));
    fields.push_back(fromControl(QStringLiteral("Sub_Category_VC"), cboSubCat));
    if (request != Request::Delete)
        fields.push_back(fromControl(QStringLiteral("Status_bt"), txtStatus));
    return fields;
}

std::vector<QWidget*> frmCOASetup::clearedFields() const {
    return {cboCompany, cboAcctType, cboAcctCategory, cboSubCat, txtAcctName, txtStatus, txtAcctCode};
}

} // namespace orv
