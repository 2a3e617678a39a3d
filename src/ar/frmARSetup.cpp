#include "frmARSetup.h"

#include "EmployeeFrame.h"
#include "ShippingFrame.h"
#include "ui/Controls.h"
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

frmARSetup::frmARSetup(QWidget* parent)
    : PartySetupWindow(
          {QStringLiteral("Customers"), QStringLiteral("Customer Code"), kNoCustomer, kNothingToDelete},
          parent) {
    setWindowTitle(QStringLiteral("Customer Master"));
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
}

frmARSetup::~frmARSetup() = default;

void frmARSetup::layOut() {
    Frame1->setTitle(QStringLiteral("Customer Set-Up"));
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

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addLayout(buttonRow());
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

Recordset frmARSetup::readAccount(std::int32_t code) {
    return m_ar->Get_COA_Details(code);
}

QString frmARSetup::accountKey(const QString& code) {
    return m_ar->Get_ID(QStringLiteral("COA_T"), code);
}

std::vector<SetupWindow::ListFill> frmARSetup::lists() const {
    std::vector<ListFill> fills = PartySetupWindow::lists();
    // The shipper and employee lists are read before the currencies.
    fills.insert(fills.end() - 1,
                 {{shipping->cboShipcode, QStringLiteral("Shippers"), QStringLiteral("CompanyName")},
                  {employee->cboEmployee, QStringLiteral("Employees"), QStringLiteral("LastName")}});
    return fills;
}

// --- REFRESH ---------------------------------------------------------------------------------

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

CheckList frmARSetup::validateChecks() {
    CheckList checks = {
        Check::empty(cboForex, kSpecifyCurType).tinted(),
        conversionAccountsMissing(),
        Check::empty(cboCompany, kSpecifyName),
        Check::empty(txtAddress, kEnterAddress),
        Check::empty(txtCity, kEnterCity),
    };
    auto append = [&checks](CheckList more) {
        for (Check& c : more)
            checks.push_back(std::move(c));
    };
    append(numberChecks(txtPhone, kEnterPhone, kPhoneNegative));
    checks.push_back(Check::empty(txtCountry, kEnterCountry));
    append(numberChecks(txtPostal, kEnterPostal, kPostalNegative));
    checks.push_back(Check::empty(txtRegion, kEnterRegion));
    append(numberChecks(txtCreditTerm, kEnterCreditTerm, kCreditTermNegative));
    append(numberChecks(txtCreditLimit, kEnterCreditLimit, kCreditLimitNegative));
    append({
        Check::empty(cboCOA, kSpecifyCode),
        foreignAccountEmpty(cboUnrealisedGain, kSelectUnrealisedGain),
        foreignAccountEmpty(cboUnrealisedLoss, kSelectUnrealisedLoss),
        foreignAccountEmpty(cboRealisedGain, kSelectRealisedGain),
        foreignAccountEmpty(cboRealisedLoss, kSelectRealisedLoss),
        Check::empty(cboCurrency, kSpecifyCurrency),
    });
    // Beyond these, what the customer's columns cannot hold: a fraction, an
    // exponent or a number of more than 32 bits.
    append(wholeNumberChecks());
    return checks;
}

} // namespace orv
