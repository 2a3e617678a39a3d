#include "frmVATSetup.h"

#include "VATRecord.h"

#include "ui/Controls.h"
#include "ui/KeyFilter.h"

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

frmVATSetup::frmVATSetup(QWidget* parent)
    : SetupWindow(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      txtAddress(makeControl<QLineEdit>(this, QStringLiteral("txtAddress"))),
      txtCity(makeControl<QLineEdit>(this, QStringLiteral("txtCity"))),
      txtCreditTerm(makeControl<QLineEdit>(this, QStringLiteral("txtCreditTerm"))),
      txtCreditLimit(makeControl<QLineEdit>(this, QStringLiteral("txtCreditLimit"))),
      cboCOA(makeControl<QComboBox>(this, QStringLiteral("cboCOA"))),
      txtGLName(makeControl<QLineEdit>(this, QStringLiteral("txtGLName"))) {
    setWindowTitle(QStringLiteral("Value Added Tax Set-Up"));
    // Typing stops at the lengths the code's columns hold.
    limitLength(cboCompany, 30);
    limitLength(txtAddress, 60);
    limitLength(txtCity, 30);
    makeTypedList(cboCOA);
    txtGLName->setEnabled(false);
    KeyFilter::install(txtCreditTerm);
    layOut();
    connect(cboCOA, &QComboBox::activated, this, [this] { guarded([&] { cboCOA_Click(); }); });
    followAccountName(cboCOA, txtGLName);
}

frmVATSetup::~frmVATSetup() = default;

void frmVATSetup::layOut() {
    Frame1->setTitle(QStringLiteral("VAT Master Detail"));
    auto* grid = new QGridLayout(Frame1);
    auto place = [this, grid](int row, int column, const QString& labelName, const QString& caption,
                              QWidget* box) {
        if (!labelName.isEmpty()) {
            auto* label = makeControl<QLabel>(Frame1, labelName);
            label->setText(caption);
            grid->addWidget(label, row, column);
        }
        grid->addWidget(box, row, column + 1);
    };
    // Placed row by row, so Tab reads the two columns as the clerk does.
    place(0, 0, QStringLiteral("lblCompany"), QStringLiteral("VAT Name :"), cboCompany);
    place(0, 2, QStringLiteral("lblCreditTerm"), QStringLiteral("VAT Code :"), txtCreditTerm);
    place(1, 0, QStringLiteral("lblAddress"), QStringLiteral("VAT Description :"), txtAddress);
    place(1, 2, QStringLiteral("lblCreditLimit"), QStringLiteral("VAT Rate :"), txtCreditLimit);
    place(2, 0, QStringLiteral("lblCity"), QStringLiteral("VAT Registration No :"), txtCity);
    place(2, 2, QStringLiteral("lblCOA"), QStringLiteral("VAT Control A/C :"), cboCOA);
    place(3, 2, QString(), QString(), txtGLName);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    Frame2->setTitle(QStringLiteral("Function"));
    auto* functions = new QHBoxLayout(Frame2);
    for (QWidget* b : {static_cast<QPushButton*>(cmdNew), cmdSend, cmdClear, cmdUpdate, cmdDelete})
        functions->addWidget(b);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addWidget(Frame2);
    page->addStretch(1);
    resize(640, 260);
}

// --- the data class --------------------------------------------------------------------

void frmVATSetup::createDataClass() {
    m_vat = std::make_unique<clsVATSetup>();
}

Recordset frmVATSetup::readTable(const QString& table) {
    return m_vat->Get_Table_Recordset(table);
}

Recordset frmVATSetup::readDetails(const QString& name) {
    return m_vat->Get_Creditor_Details(name);
}

Recordset frmVATSetup::readAccount(std::int32_t code) {
    return m_vat->Get_COA_Details(code);
}

QString frmVATSetup::write(Request request) {
    switch (request) {
    case Request::Create:
        return m_vat->Send_Order(m_staging);
    case Request::Update:
        return m_vat->Update_Order(m_staging);
    case Request::Delete:
        return m_vat->Delete_Order(m_staging);
    }
    return {};
}

// --- lists and picks ------------------------------------------------------------------------

std::vector<SetupWindow::ListFill> frmVATSetup::lists() const {
    return {nameList(), {cboCOA, QStringLiteral("COA_T"), QStringLiteral("GL_ID")}};
}

SetupWindow::ListFill frmVATSetup::nameList() const {
    return {cboCompany, QStringLiteral("VAT_T"), QStringLiteral("VAT_Name")};
}

void frmVATSetup::cboCompany_Click() {
    pickRecord(kNoVat);
}

void frmVATSetup::showDetails(const Recordset& record) {
    Recordset row = record;
    row.moveFirst();
    auto text = [&row](const char* column) { return row.value(QString::fromLatin1(column)).toString(); };
    txtAddress->setText(text("VAT_Descrip"));
    txtCity->setText(text("VAT_Reg"));
    txtCreditTerm->setText(text("VAT_Code"));
    txtCreditLimit->setText(text("VAT_Rate"));
    setFieldText(cboCOA, text("GL_ID"));
    txtGLName->setText(text("GL_Name_VC"));
}

void frmVATSetup::cboCOA_Click() {
    pickAccount(cboCOA, txtGLName, kControlWhat);
}

void frmVATSetup::cmdClear_Click() {
    SetupWindow::cmdClear_Click();
    cmdSend->setEnabled(true);
}

// --- the code's record, its checks and the requests --------------------------------------------

std::vector<FieldDef> frmVATSetup::stagingFields() const {
    return vatRecordFields();
}

CheckList frmVATSetup::validateChecks() {
    // Every failing box turns light blue. The code and the rate must also
    // read as numbers the code's record can hold, or the request could not
    // be sent.
    QPointer<QLineEdit> code(txtCreditTerm);
    Check codeOutOfRange =
        Check::when(
            [code] {
                bool whole = false;
                const qlonglong value = fieldText(code).trimmed().toLongLong(&whole);
                return isNumericText(fieldText(code)) && (!whole || value < 1 || value > 2147483647LL);
            },
            kCodeRange, txtCreditTerm)
            .selectingText();
    // A rate that reads as a number yet not as an amount ("1e1", twenty
    // digits) is out of range too, never sent.
    QPointer<QLineEdit> rate(txtCreditLimit);
    Check rateUnreadable = Check::when(
                               [rate] {
                                   Currency value;
                                   return isNumericText(fieldText(rate)) && !fieldNumber(rate, &value);
                               },
                               kRateRange, txtCreditLimit)
                               .selectingText();
    return {
        Check::empty(cboCompany, kEnterName).tinted(),
        Check::empty(txtAddress, kEnterDescription).tinted(),
        Check::empty(txtCity, kEnterRegistration).tinted(),
        Check::emptyNumber(txtCreditTerm, kEnterCode).tinted(),
        Check::notNumber(txtCreditTerm).tinted(),
        codeOutOfRange.tinted(),
        Check::emptyNumber(txtCreditLimit, kEnterRate).tinted(),
        Check::notNumber(txtCreditLimit).tinted(),
        rateUnreadable.tinted(),
        Check::below(txtCreditLimit, Currency(), kRateRange).tinted(),
        Check::above(txtCreditLimit, Currency::fromUnits(100), kRateRange).tinted(),
        Check::empty(cboCOA, kSelectControl).tinted(),
    };
}

CheckList frmVATSetup::requestChecks(Request) {
    // A control account typed that the chart does not hold is named before
    // anything is sent.
    return {inChart(cboCOA, kControlWhat).tinted()};
}

std::vector<SetupWindow::Assignment> frmVATSetup::assignments(Request) {
    // Every request carries all six fields, a delete as a create.
    return {
        {QStringLiteral("GL_ID"),
         [this] { return m_vat->Get_ID(QStringLiteral("COA_T"), cboCOA->currentText()); }, cboCOA},
        fromControl(QStringLiteral("CompanyName"), cboCompany),
        fromControl(QStringLiteral("Address"), txtAddress),
        fromControl(QStringLiteral("City"), txtCity),
        fromControl(QStringLiteral("Credit_Term"), txtCreditTerm),
        fromControl(QStringLiteral("Credit_Limit"), txtCreditLimit),
    };
}

std::vector<QWidget*> frmVATSetup::clearedFields() const {
    return {cboCompany, txtAddress, txtCity, txtCreditTerm, txtCreditLimit, cboCOA, txtGLName};
}

} // namespace orv
