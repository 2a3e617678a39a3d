#include "frmAPSetup.h"

#include "ui/Controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmAPSetup::frmAPSetup(QWidget* parent)
    : PartySetupWindow(
          {QStringLiteral("Creditors"), QStringLiteral("Creditor Code"), kNoSupplier, kNothingToDelete},
          parent),
      txtVAT_Reg(makeControl<QLineEdit>(this, QStringLiteral("txtVAT_Reg"))) {
    setWindowTitle(QStringLiteral("Creditor Set-Up"));
    limitLength(txtVAT_Reg, 20);
    layOut();
}

frmAPSetup::~frmAPSetup() = default;

void frmAPSetup::layOut() {
    Frame1->setTitle(QStringLiteral("Creditor Detail"));
    place(0, 0, QStringLiteral("lblCompany"), QStringLiteral("Supplier Name"), cboCompany);
    place(0, 1, QStringLiteral("lblForex"), QStringLiteral("Cur Type"), cboForex);
    place(0, 2, QStringLiteral("lblCurrency"), QStringLiteral("Currency :"), cboCurrency);
    place(1, 0, QStringLiteral("lblAddress"), QStringLiteral("Address"), txtAddress);
    place(1, 1, QStringLiteral("lblPostal"), QStringLiteral("PostalCode"), txtPostal);
    place(1, 2, QStringLiteral("lblCreditTerm"), QStringLiteral("Credit term :"), txtCreditTerm);
    place(2, 0, QStringLiteral("lblCountry"), QStringLiteral("Country"), txtCountry);
    place(2, 1, QStringLiteral("lblRegion"), QStringLiteral("Region"), txtRegion);
    place(2, 2, QStringLiteral("lblCreditLimit"), QStringLiteral("Credit Limit :"), txtCreditLimit);
    place(3, 0, QStringLiteral("lblCity"), QStringLiteral("City"), txtCity);
    place(3, 1, QStringLiteral("lblPhone"), QStringLiteral("Phone"), txtPhone);
    place(3, 2, QStringLiteral("lblCOA"), QStringLiteral("Creditor Code :"), cboCOA);
    place(4, 0, QStringLiteral("lblUnrealisedGain"), QStringLiteral("Unrealised Gain"), cboUnrealisedGain);
    place(4, 1, QStringLiteral("lblRealisedGain"), QStringLiteral("Realised Gain"), cboRealisedGain);
    place(4, 2, QString(), QString(), txtGLName);
    place(5, 0, QStringLiteral("lblUnrealisedLoss"), QStringLiteral("Unrealised Loss"), cboUnrealisedLoss);
    place(5, 1, QStringLiteral("lblRealisedLoss"), QStringLiteral("Realised Loss"), cboRealisedLoss);
    place(5, 2, QStringLiteral("lblVAT_Reg"), QStringLiteral("VAT Reg Number :"), txtVAT_Reg);
    place(6, 0, QString(), QString(), txtCustName);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addLayout(buttonRow());
    page->addStretch(1);
    resize(820, 330);
}

// --- the data class --------------------------------------------------------------------

void frmAPSetup::createDataClass() {
    m_ap = std::make_unique<clsAPSetup>();
}

Recordset frmAPSetup::readTable(const QString& table) {
    return m_ap->Get_Table_Recordset(table);
}

Recordset frmAPSetup::readDetails(const QString& name) {
    return m_ap->Get_Creditor_Details(name);
}

QString frmAPSetup::write(Request request) {
    switch (request) {
    case Request::Create:
        return m_ap->Send_Order(m_staging);
    case Request::Update:
        return m_ap->Update_Order(m_staging);
    case Request::Delete:
        return m_ap->Delete_Order(m_staging);
    }
    return {};
}

Recordset frmAPSetup::readAccount(std::int32_t code) {
    return m_ap->Get_COA_Details(code);
}

QString frmAPSetup::accountKey(const QString& code) {
    return m_ap->Get_ID(QStringLiteral("COA_T"), code);
}

// --- the supplier record, its checks and the requests ----------------------------------

std::vector<FieldDef> frmAPSetup::stagingFields() const {
    std::vector<FieldDef> fields = PartySetupWindow::stagingFields();
    fields.push_back({QStringLiteral("VAT_Reg"), DataType::Text, 20});
    return fields;
}

void frmAPSetup::showDetails(const Recordset& record) {
    PartySetupWindow::showDetails(record);
    Recordset row = record;
    row.moveFirst();
    txtVAT_Reg->setText(row.value(QStringLiteral("VAT_Reg")).toString());
}

CheckList frmAPSetup::validateChecks() {
    CheckList checks;
    auto add = [&checks](CheckList more) {
        for (Check& c : more)
            checks.push_back(std::move(c.tinted())); // every failing box of this window turns light blue
    };
    QPointer<QLineEdit> vat(txtVAT_Reg);
    add({Check::empty(cboForex, kSpecifyCurType)});
    checks.push_back(conversionAccountsMissing());
    add({Check::empty(cboCompany, kEnterName), Check::empty(txtAddress, kEnterAddress),
         Check::empty(txtCity, kEnterCity), Check::empty(cboCurrency, kEnterCurrency)});
    add(numberChecks(txtPhone, kEnterPhone, kPhoneNegative));
    add({Check::empty(txtCountry, kEnterCountry)});
    add(numberChecks(txtPostal, kEnterPostal, kPostalNegative));
    add({Check::empty(txtRegion, kEnterRegion)});
    add(numberChecks(txtCreditTerm, kEnterCreditTerm, kCreditTermNegative));
    add(numberChecks(txtCreditLimit, kEnterCreditLimit, kCreditLimitNegative));
    add({Check::empty(cboCOA, kSelectCode), foreignAccountEmpty(cboUnrealisedGain, kSelectUnrealisedGain),
         foreignAccountEmpty(cboUnrealisedLoss, kSelectUnrealisedLoss),
         foreignAccountEmpty(cboRealisedGain, kSelectRealisedGain),
         foreignAccountEmpty(cboRealisedLoss, kSelectRealisedLoss),
         Check::when([vat] { return vat && vat->text().trimmed().isEmpty(); }, kSpecifyVatReg, txtVAT_Reg)});
    // Beyond these, what the supplier's columns cannot hold.
    add(wholeNumberChecks());
    return checks;
}

std::vector<SetupWindow::Assignment> frmAPSetup::assignments(Request request) {
    std::vector<Assignment> fields = PartySetupWindow::assignments(request);
    if (request != Request::Delete) {
        QPointer<QLineEdit> vat(txtVAT_Reg);
        fields.push_back(
            {QStringLiteral("VAT_Reg"), [vat] { return vat ? vat->text().trimmed() : QString(); }});
    }
    return fields;
}

void frmAPSetup::cmdClear_Click() {
    PartySetupWindow::cmdClear_Click();
    cmdSend->setEnabled(true);
}

std::vector<QWidget*> frmAPSetup::clearedFields() const {
    std::vector<QWidget*> fields = PartySetupWindow::clearedFields();
    fields.push_back(txtVAT_Reg);
    return fields;
}

} // namespace orv
