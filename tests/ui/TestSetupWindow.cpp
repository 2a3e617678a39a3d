#include "TestSetupWindow.h"

#include "ui/KeyFilter.h"
#include "uicore/Controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace orv::test {

TestSetupWindow::TestSetupWindow()
    : txtAcctCode(makeControl<QLineEdit>(this, QStringLiteral("txtAcctCode"))),
      txtAcctName(makeControl<QLineEdit>(this, QStringLiteral("txtAcctName"))),
      cboAcctType(makeControl<QComboBox>(this, QStringLiteral("cboAcctType"))),
      txtStatus(makeControl<QLineEdit>(this, QStringLiteral("txtStatus"))) {
    setWindowTitle(QStringLiteral("Account Master"));
    cboAcctType->setEditable(true);
    cboAcctType->addItems({QStringLiteral("BS"), QStringLiteral("PL")});
    cboAcctType->setCurrentIndex(-1);
    KeyFilter::install(txtStatus);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Filter By Name :"), cboCompany);
    form->addRow(QStringLiteral("Account Code :"), txtAcctCode);
    form->addRow(QStringLiteral("Account Name : "), txtAcctName);
    form->addRow(QStringLiteral("Account Type : "), cboAcctType);
    form->addRow(QStringLiteral("Account Status :"), txtStatus);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdSend, cmdClear, cmdUpdate, cmdDelete, cmdNew}) {
        buttons->addWidget(b);
    }
    form->addRow(buttons);
}

QString TestSetupWindow::write(Request request) {
    switch (request) {
    case Request::Create:
        return m_cls->Send_Order(m_staging);
    case Request::Update:
        return m_cls->Update_Order(m_staging);
    case Request::Delete:
        return m_cls->Delete_Order(m_staging);
    }
    return {};
}

std::vector<FieldDef> TestSetupWindow::stagingFields() const {
    return {{QStringLiteral("GL_ID"), DataType::Integer},
            {QStringLiteral("GL_Name_VC"), DataType::Text, 20},
            {QStringLiteral("Acct_Type"), DataType::Text, 10},
            {QStringLiteral("Status_bt"), DataType::BigInt}};
}

void TestSetupWindow::showDetails(const Recordset& record) {
    setFieldText(cboAcctType, record.value(QStringLiteral("Acct_Type")).toString());
    setFieldText(txtAcctName, fieldText(cboCompany));
    setFieldText(txtAcctCode, record.value(QStringLiteral("GL_ID")).toString());
    setFieldText(txtStatus, record.value(QStringLiteral("Status_bt")).toString());
}

CheckList TestSetupWindow::validateChecks() {
    return {
        Check::empty(txtAcctCode, QStringLiteral("Enter Account Code")),
        Check::empty(txtAcctName, QStringLiteral("Enter Account Name")).tinted(),
        Check::empty(cboAcctType, QStringLiteral("Select Account Type")),
        Check::emptyNumber(txtStatus, QStringLiteral("Enter Status")),
        Check::notNumber(txtStatus),
        Check::below(txtStatus, Currency::fromUnits(0), kStatusRange),
        Check::above(txtStatus, Currency::fromUnits(1), kStatusRange),
    };
}

std::vector<SetupWindow::Assignment> TestSetupWindow::assignments(Request request) {
    std::vector<Assignment> out;
    if (request == Request::Create) {
        out.push_back(fromControl(QStringLiteral("GL_ID"), txtAcctCode));
    }
    out.push_back(fromControl(QStringLiteral("GL_Name_VC"), txtAcctName));
    out.push_back(fromControl(QStringLiteral("Acct_Type"), cboAcctType));
    if (request != Request::Delete) {
        out.push_back(fromControl(QStringLiteral("Status_bt"), txtStatus));
    }
    return out;
}

std::vector<QWidget*> TestSetupWindow::clearedFields() const {
    return {cboCompany, cboAcctType, txtAcctName, txtStatus, txtAcctCode};
}

} // namespace orv::test
