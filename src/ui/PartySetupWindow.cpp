#include "PartySetupWindow.h"

#include "Controls.h"
#include "KeyFilter.h"
#include "UiServices.h"
#include "values/Currency.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace orv {

namespace {

QComboBox* typedList(QWidget* parent, const QString& name) {
    auto* list = makeControl<QComboBox>(parent, name);
    SetupWindow::makeTypedList(list); // every list takes typed text as well as a choice
    return list;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int maxLength = 0) {
    auto* box = makeControl<QLineEdit>(parent, name);
    if (maxLength > 0)
        limitLength(box, maxLength); // the length of the party's column
    return box;
}

} // namespace

PartySetupWindow::PartySetupWindow(PartyTexts texts, QWidget* parent)
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
      cboRealisedLoss(typedList(this, QStringLiteral("cboRealisedLoss"))), m_texts(std::move(texts)),
      m_grid(new QGridLayout(Frame1)) {
    limitLength(cboCompany, 40);
    limitLength(cboCurrency, 10);
    txtCustName->setVisible(false);
    txtGLName->setEnabled(false);
    cboForex->addItems({kForeign, kLocal});
    cboForex->setCurrentIndex(-1);
    KeyFilter::install(txtCreditTerm);
    KeyFilter::install(txtCreditLimit);
    for (int column : {1, 3, 5})
        m_grid->setColumnStretch(column, 1);
    onChoice(cboCOA, [this] { cboCOA_Click(); });
    followAccountName(cboCOA, txtGLName);
    onChoice(cboForex, [this] { cboForex_Click(); });
}

// --- layout -----------------------------------------------------------------------------

void PartySetupWindow::place(int row, int column, const QString& labelName, const QString& caption,
                             QWidget* box) {
    if (!labelName.isEmpty()) {
        auto* label = makeControl<QLabel>(Frame1, labelName);
        label->setText(caption);
        m_grid->addWidget(label, row, column * 2);
        if (box == txtCustName)
            label->setVisible(false);
    }
    m_grid->addWidget(box, row, column * 2 + 1);
}

QHBoxLayout* PartySetupWindow::buttonRow() {
    Frame2->setTitle(QStringLiteral("Function"));
    auto* functions = new QHBoxLayout(Frame2);
    for (QWidget* b : {cmdClear, cmdUpdate, cmdDelete})
        functions->addWidget(b);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSend);
    buttons->addWidget(Frame2);
    buttons->addWidget(cmdNew);
    buttons->addStretch(1);
    return buttons;
}

// --- lists and picks ------------------------------------------------------------------------

std::vector<SetupWindow::ListFill> PartySetupWindow::lists() const {
    const QString coa = QStringLiteral("COA_T");
    const QString code = QStringLiteral("GL_ID");
    return {
        nameList(),
        {cboCOA, coa, code},
        {cboUnrealisedGain, coa, code},
        {cboUnrealisedLoss, coa, code},
        {cboRealisedGain, coa, code},
        {cboRealisedLoss, coa, code},
        {cboCurrency, QStringLiteral("Forex_Master_T"), QStringLiteral("Cur_Type")},
    };
}

SetupWindow::ListFill PartySetupWindow::nameList() const {
    return {cboCompany, m_texts.masterTable, QStringLiteral("CompanyName")};
}

void PartySetupWindow::cboCompany_Click() {
    pickRecord(m_texts.noParty);
}

void PartySetupWindow::showDetails(const Recordset& record) {
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

void PartySetupWindow::cboCOA_Click() {
    pickAccount(cboCOA, txtGLName, m_texts.codeWhat);
}

bool PartySetupWindow::isForeign() const {
    return cboForex->currentText() == kForeign; // exact: case and blanks count
}

std::vector<QComboBox*> PartySetupWindow::accountBoxes() const {
    return {cboUnrealisedGain, cboUnrealisedLoss, cboRealisedGain, cboRealisedLoss};
}

void PartySetupWindow::enableAccountBoxes() {
    const bool foreign = isForeign();
    for (QComboBox* box : accountBoxes())
        box->setEnabled(foreign);
}

void PartySetupWindow::cboForex_Click() {
    enableAccountBoxes();
}

// --- the party record, its checks and the requests ------------------------------------------------

std::vector<FieldDef> PartySetupWindow::stagingFields() const {
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

Check PartySetupWindow::conversionAccountsMissing() {
    QPointer<PartySetupWindow> self(this);
    // All four conversion accounts missing: the four boxes turn light blue
    // and the focus stays where it is.
    return Check::when(
        [self] {
            if (!self || !self->isForeign())
                return false;
            for (QComboBox* box : self->accountBoxes()) {
                if (!box->currentText().isEmpty())
                    return false;
            }
            for (QComboBox* box : self->accountBoxes())
                tintField(box);
            return true;
        },
        kSpecifyConversionAccounts);
}

CheckList PartySetupWindow::numberChecks(QLineEdit* box, const QString& emptyMessage,
                                         const QString& negativeMessage) {
    QPointer<QWidget> f(box);
    // Zero or less; a text that is no number passes (the number check comes first).
    Check notPositive = Check::when(
                            [f] {
                                const QString text = fieldText(f);
                                if (!isNumericText(text))
                                    return false;
                                Currency value;
                                if (fieldNumber(f, &value))
                                    return value.raw() <= 0;
                                return !(text.trimmed().toDouble() > 0);
                            },
                            negativeMessage, box)
                            .selectingText();
    return {Check::emptyNumber(box, emptyMessage), Check::notNumber(box), notPositive};
}

Check PartySetupWindow::foreignAccountEmpty(QComboBox* box, const QString& message) {
    QPointer<PartySetupWindow> self(this);
    QPointer<QComboBox> b(box);
    return Check::when([self, b] { return self && self->isForeign() && fieldText(b).isEmpty(); }, message,
                       box)
        .tinted();
}

CheckList PartySetupWindow::wholeNumberChecks() {
    auto notWhole = [](QWidget* field, const QString& message) {
        QPointer<QWidget> f(field);
        return Check::when(
                   [f] {
                       bool ok = false;
                       fieldText(f).trimmed().toInt(&ok);
                       return !ok;
                   },
                   message, field)
            .selectingText();
    };
    return {notWhole(txtCreditTerm, kCreditTermWhole), notWhole(txtCreditLimit, kCreditLimitWhole)};
}

CheckList PartySetupWindow::requestChecks(Request request) {
    if (request == Request::Delete) {
        // The delete names the party last loaded; with none loaded there is
        // nothing to delete.
        QPointer<QLineEdit> loaded(txtCustName);
        return {Check::when([loaded] { return loaded && loaded->text().isEmpty(); }, m_texts.nothingToDelete,
                            cboCompany)};
    }
    CheckList checks = {inChart(cboCOA, m_texts.codeWhat)};
    // The conversion accounts travel as typed unless the party is LOCAL.
    if (cboForex->currentText() != kLocal) {
        checks.push_back(inChart(cboUnrealisedGain, QStringLiteral("Unrealised Gain Account Code")));
        checks.push_back(inChart(cboUnrealisedLoss, QStringLiteral("Unrealised Loss Account Code")));
        checks.push_back(inChart(cboRealisedGain, QStringLiteral("Realised Gain Account Code")));
        checks.push_back(inChart(cboRealisedLoss, QStringLiteral("Realised Loss Account Code")));
    }
    return checks;
}

std::vector<SetupWindow::Assignment> PartySetupWindow::assignments(Request request) {
    std::vector<Assignment> fields;
    if (request != Request::Delete)
        fields.push_back(
            {QStringLiteral("GL_ID"), [this] { return accountKey(cboCOA->currentText()); }, cboCOA});
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
    // A LOCAL party carries the placeholder 1 in its four conversion
    // accounts, on an update as on a create.
    const bool local = cboForex->currentText() == kLocal;
    const std::pair<const char*, QComboBox*> accounts[] = {{"UnRG", cboUnrealisedGain},
                                                           {"UnRL", cboUnrealisedLoss},
                                                           {"RG", cboRealisedGain},
                                                           {"RL", cboRealisedLoss}};
    for (const auto& [field, box] : accounts) {
        if (local)
            fields.push_back({QString::fromLatin1(field), [] { return QStringLiteral("1"); }, box});
        else
            fields.push_back(fromControl(QString::fromLatin1(field), box));
    }
    if (request == Request::Create) {
        const bool foreign = isForeign();
        fields.push_back({QStringLiteral("Forex"),
                          [foreign] { return foreign ? QStringLiteral("1") : QStringLiteral("0"); },
                          cboForex});
    }
    return fields;
}

std::vector<QWidget*> PartySetupWindow::clearedFields() const {
    return {cboCompany,  txtAddress,        txtCity,           txtPhone,        txtCountry,      txtPostal,
            txtRegion,   txtCreditTerm,     txtCreditLimit,    txtCustName,     cboCOA,          txtGLName,
            cboCurrency, cboUnrealisedGain, cboUnrealisedLoss, cboRealisedGain, cboRealisedLoss, cboForex};
}

} // namespace orv
