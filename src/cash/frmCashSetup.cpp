#include "frmCashSetup.h"

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

frmCashSetup::frmCashSetup(QWidget* parent)
    : SetupWindow(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      txtBank_Add_VC(makeControl<QLineEdit>(this, QStringLiteral("txtBank_Add_VC"))),
      txtBank_Contact_VC(makeControl<QLineEdit>(this, QStringLiteral("txtBank_Contact_VC"))),
      cboCOA(makeControl<QComboBox>(this, QStringLiteral("cboCOA"))),
      txtGLName(makeControl<QLineEdit>(this, QStringLiteral("txtGLName"))),
      txtCustName(makeControl<QLineEdit>(this, QStringLiteral("txtCustName"))) {
    setWindowTitle(QStringLiteral("Cash Master"));
    // Typing stops at the lengths of the bank's columns.
    limitLength(cboCompany, 40);
    limitLength(txtBank_Add_VC, 60);
    limitLength(txtBank_Contact_VC, 15);
    limitLength(txtCustName, 40);
    makeTypedList(cboCOA);
    txtGLName->setEnabled(false);
    txtCustName->setVisible(false);
    KeyFilter::installDigits(txtBank_Contact_VC, kNumberOnly);
    layOut();
    onChoice(cboCOA, [this] { cboCOA_Click(); });
    followAccountName(cboCOA, txtGLName);
}

frmCashSetup::~frmCashSetup() = default;

void frmCashSetup::layOut() {
    Frame1->setTitle(QStringLiteral("Cash Detail"));
    auto* grid = new QGridLayout(Frame1);
    auto place = [this, grid](int row, const QString& labelName, const QString& caption, QWidget* box) {
        if (!labelName.isEmpty()) {
            auto* label = makeControl<QLabel>(Frame1, labelName);
            label->setText(caption);
            grid->addWidget(label, row, 0);
        }
        grid->addWidget(box, row, 1);
    };
    place(0, QStringLiteral("lblCompany"), QStringLiteral("Filter By Name :"), cboCompany);
    place(1, QStringLiteral("lblBank_Add_VC"), QStringLiteral("Address :"), txtBank_Add_VC);
    place(2, QStringLiteral("lblBank_Contact_VC"), QStringLiteral("Contact :"), txtBank_Contact_VC);
    place(3, QStringLiteral("lblCOA"), QStringLiteral("Cash Code :"), cboCOA);
    place(4, QString(), QString(), txtGLName);
    place(5, QString(), QString(), txtCustName);
    grid->setColumnStretch(1, 1);

    Frame2->setTitle(QStringLiteral("Function"));
    auto* functions = new QHBoxLayout(Frame2);
    for (QWidget* b : {cmdSend, cmdClear, cmdUpdate, cmdDelete, static_cast<QPushButton*>(cmdNew)})
        functions->addWidget(b);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addWidget(Frame2);
    page->addStretch(1);
    resize(520, 280);
}

// --- the data class --------------------------------------------------------------------

void frmCashSetup::createDataClass() {
    m_cash = std::make_unique<clsCashSetup>();
}

Recordset frmCashSetup::readTable(const QString& table) {
    return m_cash->Get_Table_Recordset(table);
}

Recordset frmCashSetup::readDetails(const QString& name) {
    return m_cash->Get_Cash_Details(name);
}

Recordset frmCashSetup::readAccount(std::int32_t code) {
    return m_cash->Get_COA_Details(code);
}

QString frmCashSetup::write(Request request) {
    switch (request) {
    case Request::Create:
        return m_cash->Send_Order(m_staging);
    case Request::Update:
        return m_cash->Update_Order(m_staging);
    case Request::Delete:
        return m_cash->Delete_Order(m_staging);
    }
    return {};
}

// --- lists and picks ------------------------------------------------------------------------

std::vector<SetupWindow::ListFill> frmCashSetup::lists() const {
    return {nameList(), {cboCOA, QStringLiteral("COA_T"), QStringLiteral("GL_ID")}};
}

SetupWindow::ListFill frmCashSetup::nameList() const {
    return {cboCompany, QStringLiteral("Bank_T"), QStringLiteral("Bank_name")};
}

void frmCashSetup::cboCompany_Click() {
    pickRecord(kNoBank);
}

void frmCashSetup::showDetails(const Recordset& record) {
    Recordset row = record;
    row.moveFirst();
    txtBank_Add_VC->setText(row.value(QStringLiteral("Bank_Add_VC")).toString());
    txtBank_Contact_VC->setText(row.value(QStringLiteral("Bank_Contact_VC")).toString());
    txtCustName->setText(cboCompany->currentText());
    setFieldText(cboCOA, row.value(QStringLiteral("GL_ID")).toString());
    txtGLName->setText(row.value(QStringLiteral("GL_Name_VC")).toString());
}

void frmCashSetup::cboCOA_Click() {
    pickAccount(cboCOA, txtGLName, QStringLiteral("Cash Code"));
}

// --- the bank record, its checks and the requests --------------------------------------------

std::vector<FieldDef> frmCashSetup::stagingFields() const {
    return {
        {QStringLiteral("GL_ID"), DataType::Integer},
        {QStringLiteral("Bank_name"), DataType::Text, 40},
        {QStringLiteral("Bank_Add_VC"), DataType::Text, 60},
        {QStringLiteral("Bank_Contact_VC"), DataType::Text, 15},
    };
}

CheckList frmCashSetup::validateChecks() {
    return {
        Check::empty(cboCompany, kSpecifyName),
        Check::empty(txtBank_Add_VC, kEnterAddress),
        Check::empty(txtBank_Contact_VC, kEnterContact),
        Check::empty(cboCOA, kSelectCode),
    };
}

CheckList frmCashSetup::requestChecks(Request request) {
    if (request == Request::Create)
        return {inChart(cboCOA, QStringLiteral("Cash Code"))};
    if (request == Request::Delete) {
        // The delete names the bank last picked; with none picked there is
        // nothing to delete.
        QPointer<QLineEdit> picked(txtCustName);
        return {Check::when([picked] { return picked && picked->text().isEmpty(); }, kNothingToDelete,
                            cboCompany)};
    }
    return {};
}

std::vector<SetupWindow::Assignment> frmCashSetup::assignments(Request request) {
    std::vector<Assignment> fields;
    if (request == Request::Create) {
        fields.push_back({QStringLiteral("GL_ID"),
                          [this] { return m_cash->Get_ID(QStringLiteral("COA_T"), cboCOA->currentText()); },
                          cboCOA});
    }
    fields.push_back(fromControl(QStringLiteral("Bank_name"), request == Request::Delete
                                                                  ? static_cast<QWidget*>(txtCustName)
                                                                  : static_cast<QWidget*>(cboCompany)));
    fields.push_back(fromControl(QStringLiteral("Bank_Add_VC"), txtBank_Add_VC));
    fields.push_back(fromControl(QStringLiteral("Bank_Contact_VC"), txtBank_Contact_VC));
    return fields;
}

std::vector<QWidget*> frmCashSetup::clearedFields() const {
    return {cboCompany, txtBank_Add_VC, txtBank_Contact_VC, txtCustName, cboCOA, txtGLName};
}

} // namespace orv
