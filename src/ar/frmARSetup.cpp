#include "frmARSetup.h"

#include "EmployeeFrame.h"
#include "ShippingFrame.h"
#include "ui/Controls.h"
#include "ui/KeyFilter.h"
#include "ui/UiServices.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
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

QLineEdit* textBox(QWidget* parent, const QString& name, int maxLength = 0) {
    auto* box = makeControl<QLineEdit>(parent, name);
    if (maxLength > 0)
        box->setMaxLength(maxLength); // the length of the customer's column
    return box;
}

// A number box whose value is zero or less (a text that is no number passes:
// the number check comes first).
Check notPositive(QWidget* field, const QString& message) {
    QPointer<QWidget> f(field);
    return Check::when(
               [f] {
                   const QString text = fieldText(f);
                   if (!isNumericText(text))
                       return false;
                   Currency value;
                   if (fieldNumber(f, &value))
                       return value.raw() <= 0;
                   return !(text.trimmed().toDouble() > 0);
               },
               message, field)
        .selectingText();
}

// A whole number of 32 bits greater than zero, as the customer's columns hold.
Check notWhole(QWidget* field, const QString& message) {
    QPointer<QWidget> f(field);
    return Check::when(
               [f] {
                   bool ok = false;
                   fieldText(f).trimmed().toInt(&ok);
                   return !ok;
               },
               message, field)
        .selectingText();
}

} // namespace

frmARSetup::frmARSetup(QWidget* parent)
    : SetupWindow(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      txtCustName(textBox(this, QStringLiteral("txtCustName"), 40)),
      txtAddress(textBox(this, QStringLiteral("txtAddress"), 60)),
      txtCity(textBox(this, QStringLiteral("txtCity"), 15)),
      txtRegion(textBox(this, QStringLiteral("txtRegion"), 15)),
      txtCountry(textBox(this, QStringLiteral("txtCountry"), 15)),
      txtPostal(textBox(this, QStringLiteral("txtPostal"), 10)),
      txtPhone(textBox(this, QStringLiteral("txtPhone"), 24)),
      txtCreditTerm(textBox(this, QStringLiteral("txtCreditTerm"))),
      txtCreditLimit(textBox(this, QStringLiteral("txtCreditLimit"))),
      cboCOA(typedList(this, QStringLiteral("cboCOA"))),
      txtGLName(textBox(this, QStringLiteral("txtGLName"))),
      cboCurrency(typedList(this, QStringLiteral("cboCurrency"))),
      cboForex(typedList(this, QStringLiteral("cboForex"))),
      cboUnrealisedGain(typedList(this, QStringLiteral("cboUnrealisedGain"))),
      cboUnrealisedLoss(typedList(this, QStringLiteral("cboUnrealisedLoss"))),
      cboRealisedGain(typedList(this, QStringLiteral("cboRealisedGain"))),
      cboRealisedLoss(typedList(this, QStringLiteral("cboRealisedLoss"))) {
    setWindowTitle(QStringLiteral("Customer Master"));
    cboCompany->lineEdit()->setMaxLength(40);
    cboCurrency->lineEdit()->setMaxLength(10);
    txtCustName->setVisible(false);
    txtGLName->setEnabled(false);
    cboForex->addItems({kForeign, kLocal});
    cboForex->setCurrentIndex(-1);
    KeyFilter::install(txtCreditTerm);
    KeyFilter::install(txtCreditLimit);
    shipping = new ShippingFrame(
        cmdNew,
        [this] {
            fillList({shipping->cboShipcode, QStringLiteral("Shippers"), QStringLiteral("CompanyName")});
        },
        this);
    employee = new EmployeeFrame(
        cmdNew,
        [this] {
            fillList({employee->cboEmployee, QStringLiteral("Employees"), QStringLiteral("LastName")});
        },
        this);
    layOut();

    connect(cboCOA, &QComboBox::activated, this, [this] { guarded([&] { cboCOA_Click(); }); });
    connect(cboForex, &QComboBox::activated, this, [this] { guarded([&] { cboForex_Click(); }); });
}

frmARSetup::~frmARSetup() = default;

void frmARSetup::layOut() {
    Frame1->setTitle(QStringLiteral("Customer Set-Up"));
    auto* grid = new QGridLayout(Frame1);
    auto place = [this, grid](int row, int column, const QString& labelName, const QString& caption,
                              QWidget* box) {
        if (!labelName.isEmpty()) {
            auto* label = makeControl<QLabel>(Frame1, labelName);
            label->setText(caption);
            grid->addWidget(label, row, column * 2);
            if (box == txtCustName)
                label->setVisible(false);
        }
        grid->addWidget(box, row, column * 2 + 1);
    };
    place(0, 0, QStringLiteral("lblCompany"), QStringLiteral("CompanyName"), cboCompany);
    place(0, 1, QStringLiteral("lblCustName"), QStringLiteral("CustName :"), txtCustName);
    place(0, 2, QStringLiteral("lblCreditTerm"), QStringLiteral("Credit term :"), txtCreditTerm);
    place(1, 0, QStringLiteral("lblAddress"), QStringLiteral("Address"), txtAddress);
    place(1, 1, QStringLiteral("lblPostal"), QStringLiteral("PostalCode"), txtPostal);
    place(1, 2, QStringLiteral("lblCreditLimit"), QStringLiteral("Credit Limit :"), txtCreditLimit);
    place(2, 0, QStringLiteral("lblCountry"), QStringLiteral("Country"), txtCountry);
    place(2, 1, QStringLiteral("lblRegion"), QStringLiteral("Region"), txtRegion);
    place(2, 2, QStringLiteral("lblCurrency"), QStringLiteral("Currency :"), cboCurrency);
    place(3, 0, QStringLiteral("lblCity"), QStringLiteral("City"), txtCity);
    place(3, 1, QStringLiteral("lblPhone"), QStringLiteral("Phone"), txtPhone);
    place(3, 2, QStringLiteral("lblForex"), QStringLiteral("Cur Type :"), cboForex);
    place(4, 0, QStringLiteral("lblUnrealisedGain"), QStringLiteral("Unrealised Gain"), cboUnrealisedGain);
    place(4, 1, QStringLiteral("lblRealisedGain"), QStringLiteral("Realised Gain"), cboRealisedGain);
    place(4, 2, QStringLiteral("lblCOA"), QStringLiteral("Customer Code :"), cboCOA);
    place(5, 0, QStringLiteral("lblUnrealisedLoss"), QStringLiteral("Unrealised Loss"), cboUnrealisedLoss);
    place(5, 1, QStringLiteral("lblRealisedLoss"), QStringLiteral("Realised Loss"), cboRealisedLoss);
    place(5, 2, QString(), QString(), txtGLName);
    for (int column : {1, 3, 5})
        grid->setColumnStretch(column, 1);

    Frame2->setTitle(QStringLiteral("Function"));
    auto* functions = new QHBoxLayout(Frame2);
    for (QWidget* b : {cmdClear, cmdUpdate, cmdDelete})
        functions->addWidget(b);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSend);
    buttons->addWidget(Frame2);
    buttons->addWidget(cmdNew);
    buttons->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addLayout(buttons);
    page->addWidget(shipping);
    page->addWidget(employee);
    resize(820, 600);
}

// --- loading and the data class -------------------------------------------------

void frmARSetup::Form_Load() {
    SetupWindow::Form_Load();
    guarded([&] { Create_New_Shipper(); });
    guarded([&] { Create_New_Employee(); });
}

void frmARSetup::createDataClass() {
    m_ar = std::make_unique<clsARSetup>();
    shipping->setDataClass(m_ar.get());
    employee->setDataClass(m_ar.get());
}

Recordset frmARSetup::readTable(const QString& table) {
    return m_ar->Get_Table_Recordset(table);
}

Recordset frmARSetup::readDetails(const QString& name) {
    return m_ar->Get_Customer_Details(name);
}

QString frmARSetup::write(Request request) {
    switch (request) {
    case Request::Create:
        return m_ar->Send_Order(m_staging);
    case Request::Update:
        return m_ar->Update_Order(m_staging);
    case Request::Delete:
        return m_ar->Delete_Order(m_staging);
    }
    return {};
}

std::vector<SetupWindow::ListFill> frmARSetup::lists() const {
    const QString coa = QStringLiteral("COA_T");
    const QString code = QStringLiteral("GL_ID");
    return {
        nameList(),
        {cboCOA, coa, code},
        {cboUnrealisedGain, coa, code},
        {cboUnrealisedLoss, coa, code},
        {cboRealisedGain, coa, code},
        {cboRealisedLoss, coa, code},
        {shipping->cboShipcode, QStringLiteral("Shippers"), QStringLiteral("CompanyName")},
        {employee->cboEmployee, QStringLiteral("Employees"), QStringLiteral("LastName")},
        {cboCurrency, QStringLiteral("Forex_Master_T"), QStringLiteral("Cur_Type")},
    };
}

SetupWindow::ListFill frmARSetup::nameList() const {
    return {cboCompany, QStringLiteral("Customers"), QStringLiteral("CompanyName")};
}

// --- picks and REFRESH ---------------------------------------------------------------

void frmARSetup::cboCompany_Click() {
    const QString name = cboCompany->currentText();
    const Recordset customer = readDetails(name);
    // A customer removed since the list was read: nothing is loaded.
    if (customer.recordCount() == 0) {
        UiServices::current().message(kNoCustomer.arg(name));
        return;
    }
    showDetails(customer);
    cmdNew->click();
}

void frmARSetup::showDetails(const Recordset& record) {
    Recordset row = record;
    row.moveFirst();
    auto text = [&row](const char* column) { return row.value(QString::fromLatin1(column)).toString(); };
    txtAddress->setText(text("Address"));
    txtCity->setText(text("City"));
    txtPhone->setText(text("Phone"));
    txtCountry->setText(text("Country"));
    txtPostal->setText(text("PostalCode"));
    txtRegion->setText(text("Region"));
    txtCreditTerm->setText(text("Credit_Term"));
    txtCreditLimit->setText(text("Credit_Limit"));
    txtCustName->setText(cboCompany->currentText());
    setFieldText(cboCOA, text("GL_ID"));
    txtGLName->setText(text("GL_Name_VC"));
    setFieldText(cboCurrency, text("Cur_Type"));
    setFieldText(cboUnrealisedGain, text("UnRG"));
    setFieldText(cboUnrealisedLoss, text("UnRL"));
    setFieldText(cboRealisedGain, text("RG"));
    setFieldText(cboRealisedLoss, text("RL"));
    setFieldText(cboForex, text("Forex"));
    enableAccountBoxes();
}

Recordset frmARSetup::account(const QString& code) {
    bool ok = false;
    const std::int32_t glId = code.trimmed().toInt(&ok);
    if (!ok)
        return Recordset();
    return m_ar->Get_COA_Details(glId);
}

void frmARSetup::cboCOA_Click() {
    const QString code = cboCOA->currentText();
    Recordset chosen = account(code);
    if (chosen.recordCount() == 0) {
        UiServices::current().message(kNotAnAccount.arg(QStringLiteral("Customer Code"), code));
        return;
    }
    chosen.moveFirst();
    txtGLName->setText(chosen.value(QStringLiteral("GL_Name_VC")).toString());
    cmdNew->click();
}

bool frmARSetup::isForeign() const {
    return cboForex->currentText() == kForeign; // exact: case and blanks count
}

std::vector<QComboBox*> frmARSetup::accountBoxes() const {
    return {cboUnrealisedGain, cboUnrealisedLoss, cboRealisedGain, cboRealisedLoss};
}

void frmARSetup::enableAccountBoxes() {
    const bool foreign = isForeign();
    for (QComboBox* box : accountBoxes())
        box->setEnabled(foreign);
}

void frmARSetup::cboForex_Click() {
    enableAccountBoxes();
}

void frmARSetup::cmdNew_Click() {
    SetupWindow::cmdNew_Click();
    Create_New_Shipper();
    Create_New_Employee();
}

void frmARSetup::Create_New_Shipper() {
    shipping->Create_New_Shipper();
}

void frmARSetup::Create_New_Employee() {
    employee->Create_New_Employee();
}

// --- the customer record, its checks and the requests ------------------------------------

std::vector<FieldDef> frmARSetup::stagingFields() const {
    return {
        {QStringLiteral("GL_ID"), DataType::Integer},
        {QStringLiteral("CompanyName"), DataType::Text, 40},
        {QStringLiteral("Address"), DataType::Text, 60},
        {QStringLiteral("City"), DataType::Text, 15},
        {QStringLiteral("Region"), DataType::Text, 15},
        {QStringLiteral("PostalCode"), DataType::Text, 10},
        {QStringLiteral("Country"), DataType::Text, 15},
        {QStringLiteral("Phone"), DataType::Text, 24},
        {QStringLiteral("Credit_Term"), DataType::Integer},
        {QStringLiteral("Credit_Limit"), DataType::Integer},
        {QStringLiteral("Cur_Type"), DataType::Text, 10},
        {QStringLiteral("UnRG"), DataType::Integer},
        {QStringLiteral("UnRL"), DataType::Integer},
        {QStringLiteral("RG"), DataType::Integer},
        {QStringLiteral("RL"), DataType::Integer},
        {QStringLiteral("Forex"), DataType::Integer},
    };
}

CheckList frmARSetup::validateChecks() {
    QPointer<frmARSetup> self(this);
    auto foreignAndEmpty = [self](QComboBox* box) {
        QPointer<QComboBox> b(box);
        return [self, b] { return self && self->isForeign() && fieldText(b).isEmpty(); };
    };
    // All four conversion accounts missing: the four boxes turn light blue
    // and the focus stays where it is.
    auto noConversionAccounts = [self] {
        if (!self || !self->isForeign())
            return false;
        for (QComboBox* box : self->accountBoxes()) {
            if (!box->currentText().isEmpty())
                return false;
        }
        for (QComboBox* box : self->accountBoxes())
            tintField(box);
        return true;
    };
    return {
        Check::empty(cboForex, kSpecifyCurType).tinted(),
        Check::when(noConversionAccounts, kSpecifyConversionAccounts),
        Check::empty(cboCompany, kSpecifyName),
        Check::empty(txtAddress, kEnterAddress),
        Check::empty(txtCity, kEnterCity),
        Check::emptyNumber(txtPhone, kEnterPhone),
        Check::notNumber(txtPhone),
        notPositive(txtPhone, kPhoneNegative),
        Check::empty(txtCountry, kEnterCountry),
        Check::emptyNumber(txtPostal, kEnterPostal),
        Check::notNumber(txtPostal),
        notPositive(txtPostal, kPostalNegative),
        Check::empty(txtRegion, kEnterRegion),
        Check::emptyNumber(txtCreditTerm, kEnterCreditTerm),
        Check::notNumber(txtCreditTerm),
        notPositive(txtCreditTerm, kCreditTermNegative),
        Check::emptyNumber(txtCreditLimit, kEnterCreditLimit),
        Check::notNumber(txtCreditLimit),
        notPositive(txtCreditLimit, kCreditLimitNegative),
        Check::empty(cboCOA, kSpecifyCode),
        Check::when(foreignAndEmpty(cboUnrealisedGain), kSelectUnrealisedGain, cboUnrealisedGain).tinted(),
        Check::when(foreignAndEmpty(cboUnrealisedLoss), kSelectUnrealisedLoss, cboUnrealisedLoss).tinted(),
        Check::when(foreignAndEmpty(cboRealisedGain), kSelectRealisedGain, cboRealisedGain).tinted(),
        Check::when(foreignAndEmpty(cboRealisedLoss), kSelectRealisedLoss, cboRealisedLoss).tinted(),
        Check::empty(cboCurrency, kSpecifyCurrency),
        // Beyond these, what the customer's columns cannot hold: a fraction,
        // an exponent or a number of more than 32 bits.
        notWhole(txtCreditTerm, kCreditTermWhole),
        notWhole(txtCreditLimit, kCreditLimitWhole),
    };
}

Check frmARSetup::inChart(QComboBox* box, const QString& what) {
    QPointer<frmARSetup> self(this);
    QPointer<QComboBox> b(box);
    const QString code = box->currentText();
    return Check::when(
               [self, b] {
                   return self && b && !b->currentText().isEmpty() &&
                          self->account(b->currentText()).recordCount() == 0;
               },
               kNotAnAccount.arg(what, code), box)
        .selectingText();
}

CheckList frmARSetup::requestChecks(Request request) {
    if (request == Request::Delete) {
        // The delete names the customer last loaded; with none loaded there
        // is nothing to delete.
        QPointer<QLineEdit> loaded(txtCustName);
        return {Check::when([loaded] { return loaded && loaded->text().isEmpty(); }, kNothingToDelete,
                            cboCompany)};
    }
    CheckList checks = {inChart(cboCOA, QStringLiteral("Customer Code"))};
    // The conversion accounts travel as typed unless the customer is LOCAL.
    if (cboForex->currentText() != kLocal) {
        checks.push_back(inChart(cboUnrealisedGain, QStringLiteral("Unrealised Gain Account Code")));
        checks.push_back(inChart(cboUnrealisedLoss, QStringLiteral("Unrealised Loss Account Code")));
        checks.push_back(inChart(cboRealisedGain, QStringLiteral("Realised Gain Account Code")));
        checks.push_back(inChart(cboRealisedLoss, QStringLiteral("Realised Loss Account Code")));
    }
    return checks;
}

std::vector<SetupWindow::Assignment> frmARSetup::assignments(Request request) {
    std::vector<Assignment> fields;
    if (request != Request::Delete) {
        fields.push_back({QStringLiteral("GL_ID"),
                          [this] { return m_ar->Get_ID(QStringLiteral("COA_T"), cboCOA->currentText()); }});
    }
    fields.push_back(fromControl(QStringLiteral("CompanyName"), request == Request::Delete
                                                                    ? static_cast<QWidget*>(txtCustName)
                                                                    : static_cast<QWidget*>(cboCompany)));
    fields.push_back(fromControl(QStringLiteral("Address"), txtAddress));
    fields.push_back(fromControl(QStringLiteral("City"), txtCity));
    fields.push_back(fromControl(QStringLiteral("Region"), txtRegion));
    fields.push_back(fromControl(QStringLiteral("PostalCode"), txtPostal));
    fields.push_back(fromControl(QStringLiteral("Country"), txtCountry));
    fields.push_back(fromControl(QStringLiteral("Phone"), txtPhone));
    fields.push_back(fromControl(QStringLiteral("Credit_Term"), txtCreditTerm));
    fields.push_back(fromControl(QStringLiteral("Credit_Limit"), txtCreditLimit));
    fields.push_back(fromControl(QStringLiteral("Cur_Type"), cboCurrency));
    if (request == Request::Delete)
        return fields;
    // A LOCAL customer carries the placeholder 1 in its four conversion
    // accounts, on an update as on a create.
    const bool local = cboForex->currentText() == kLocal;
    const std::pair<const char*, QComboBox*> accounts[] = {{"UnRG", cboUnrealisedGain},
                                                           {"UnRL", cboUnrealisedLoss},
                                                           {"RG", cboRealisedGain},
                                                           {"RL", cboRealisedLoss}};
    for (const auto& [field, box] : accounts) {
        if (local)
            fields.push_back({QString::fromLatin1(field), [] { return QStringLiteral("1"); }});
        else
            fields.push_back(fromControl(QString::fromLatin1(field), box));
    }
    if (request == Request::Create) {
        const bool foreign = isForeign();
        fields.push_back({QStringLiteral("Forex"),
                          [foreign] { return foreign ? QStringLiteral("1") : QStringLiteral("0"); }});
    }
    return fields;
}

std::vector<QWidget*> frmARSetup::clearedFields() const {
    return {cboCompany,  txtAddress,        txtCity,           txtPhone,        txtCountry,      txtPostal,
            txtRegion,   txtCreditTerm,     txtCreditLimit,    txtCustName,     cboCOA,          txtGLName,
            cboCurrency, cboUnrealisedGain, cboUnrealisedLoss, cboRealisedGain, cboRealisedLoss, cboForex};
}

} // namespace orv
