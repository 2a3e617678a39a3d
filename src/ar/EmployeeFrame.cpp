#include "EmployeeFrame.h"

#include "clsARSetup.h"
#include "ui/Controls.h"
#include "ui/OnClick.h"
#include "ui/RecordFields.h"
#include "ui/UiServices.h"
#include "ui/WriteAnswer.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace orv {

namespace {

QDateEdit* datePicker(QWidget* parent, const QString& name) {
    auto* picker = makeControl<QDateEdit>(parent, name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setDate(EmployeeFrame::startDate());
    return picker;
}

} // namespace

EmployeeFrame::EmployeeFrame(QPushButton* refresh, std::function<void()> reloadList, QWidget* parent)
    : QGroupBox(parent), cboEmployee(makeControl<QComboBox>(this, QStringLiteral("cboEmployee"))),
      txtfirstname(makeControl<QLineEdit>(this, QStringLiteral("txtfirstname"))),
      DTPickerHire(datePicker(this, QStringLiteral("DTPickerHire"))),
      DTPickerBirth(datePicker(this, QStringLiteral("DTPickerBirth"))),
      txtEmpAdd(makeControl<QLineEdit>(this, QStringLiteral("txtEmpAdd"))),
      txtEmpNo(makeControl<QLineEdit>(this, QStringLiteral("txtEmpNo"))),
      cmdEmp(makeControl<QPushButton>(this, QStringLiteral("cmdEmp"))),
      UpdateEmp(makeControl<QPushButton>(this, QStringLiteral("UpdateEmp"))),
      DeleteEmp(makeControl<QPushButton>(this, QStringLiteral("DeleteEmp"))),
      Command2(makeControl<QPushButton>(this, QStringLiteral("Command2"))), m_refresh(refresh),
      m_reloadList(std::move(reloadList)) {
    setObjectName(QStringLiteral("fraEmployee"));
    setTitle(QStringLiteral("Employee Set-Up"));
    cboEmployee->setEditable(true);
    cboEmployee->setInsertPolicy(QComboBox::NoInsert);
    // What the clerk types stays within the columns of Employees.
    limitLength(cboEmployee, 20);
    limitLength(txtfirstname, 10);
    limitLength(txtEmpAdd, 60);
    limitLength(txtEmpNo, 24);
    cmdEmp->setText(QStringLiteral("CREATE NEW"));
    UpdateEmp->setText(QStringLiteral("UPDATE"));
    DeleteEmp->setText(QStringLiteral("DELETE"));
    Command2->setText(QStringLiteral("CLEAR"));
    layOut();

    connect(cboEmployee, &QComboBox::activated, this, [this] { guarded([&] { cboEmployee_Click(); }); });
    onClick(cmdEmp, [this] { cmdEmp_Click(); });
    onClick(UpdateEmp, [this] { UpdateEmp_Click(); });
    onClick(DeleteEmp, [this] { DeleteEmp_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
}

void EmployeeFrame::layOut() {
    auto* grid = new QGridLayout(this);
    auto label = [this](const QString& name, const QString& caption) {
        auto* l = makeControl<QLabel>(this, name);
        l->setText(caption);
        return l;
    };
    grid->addWidget(label(QStringLiteral("lblLastName"), QStringLiteral("Last Name :")), 0, 0);
    grid->addWidget(cboEmployee, 0, 1);
    grid->addWidget(label(QStringLiteral("lblHireDate"), QStringLiteral("Hire Date :")), 0, 2);
    grid->addWidget(DTPickerHire, 0, 3);
    grid->addWidget(label(QStringLiteral("lblEmpAdd"), QStringLiteral("Address :")), 0, 4);
    grid->addWidget(txtEmpAdd, 0, 5);
    grid->addWidget(label(QStringLiteral("lblFirstName"), QStringLiteral("First Name :")), 1, 0);
    grid->addWidget(txtfirstname, 1, 1);
    grid->addWidget(label(QStringLiteral("lblBirthDate"), QStringLiteral("Birth Date :")), 1, 2);
    grid->addWidget(DTPickerBirth, 1, 3);
    grid->addWidget(label(QStringLiteral("lblEmpNo"), QStringLiteral("Contact No :")), 1, 4);
    grid->addWidget(txtEmpNo, 1, 5);
    auto* buttons = new QHBoxLayout;
    for (QWidget* b : {cmdEmp, UpdateEmp, DeleteEmp, Command2})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 2);
}

void EmployeeFrame::Create_New_Employee() {
    m_staging = buildRecord({{QStringLiteral("LastName"), DataType::Text, 20},
                             {QStringLiteral("FirstName"), DataType::Text, 10},
                             {QStringLiteral("BirthDate"), DataType::Date},
                             {QStringLiteral("HireDate"), DataType::Date},
                             {QStringLiteral("Address"), DataType::Text, 60},
                             {QStringLiteral("HomePhone"), DataType::Text, 24}},
                            true);
}

void EmployeeFrame::cboEmployee_Click() {
    const QString last = cboEmployee->currentText();
    Recordset employee = m_data->Get_Employee_Details(last);
    // An employee removed since the list was read: nothing is loaded.
    if (employee.recordCount() == 0) {
        UiServices::current().message(kNoEmployee.arg(last));
        return;
    }
    employee.moveFirst();
    txtfirstname->setText(employee.value(QStringLiteral("FirstName")).toString());
    // A date the record lacks leaves the picker as it is.
    const Variant hired = employee.value(QStringLiteral("HireDate"));
    if (!hired.isBlank())
        DTPickerHire->setDate(hired.toDate());
    const Variant born = employee.value(QStringLiteral("BirthDate"));
    if (!born.isBlank())
        DTPickerBirth->setDate(born.toDate());
    txtEmpAdd->setText(employee.value(QStringLiteral("Address")).toString());
    txtEmpNo->setText(employee.value(QStringLiteral("HomePhone")).toString());
    m_refresh->click();
}

void EmployeeFrame::cmdEmp_Click() {
    request(Request::Create);
}

void EmployeeFrame::UpdateEmp_Click() {
    request(Request::Update);
}

void EmployeeFrame::DeleteEmp_Click() {
    request(Request::Delete);
}

CheckList EmployeeFrame::checks() {
    auto holdsComma = [](QWidget* box) {
        QPointer<QWidget> b(box);
        return [b] { return fieldText(b).contains(QLatin1Char(',')); };
    };
    return {
        Check::empty(cboEmployee, kSpecifyLastName),
        Check::empty(txtfirstname, kSpecifyFirstName),
        Check::empty(txtEmpAdd, kSpecifyAddress),
        Check::empty(txtEmpNo, kSpecifyContact),
        Check::when(holdsComma(cboEmployee), kCommaInLastName, cboEmployee),
        Check::when(holdsComma(txtfirstname), kCommaInFirstName, txtfirstname),
    };
}

void EmployeeFrame::request(Request request) {
    if (!runChecks(checks()))
        return;
    assignText(m_staging, QStringLiteral("LastName"), cboEmployee->currentText());
    assignText(m_staging, QStringLiteral("FirstName"), txtfirstname->text());
    assignText(m_staging, QStringLiteral("HireDate"), fieldText(DTPickerHire));
    assignText(m_staging, QStringLiteral("BirthDate"), fieldText(DTPickerBirth));
    assignText(m_staging, QStringLiteral("Address"), txtEmpAdd->text());
    assignText(m_staging, QStringLiteral("HomePhone"), txtEmpNo->text());
    const WriteAnswer answer = sendToBooks([&] {
        switch (request) {
        case Request::Create:
            return m_data->Send_Employee(m_staging);
        case Request::Update:
            return m_data->Update_Employee(m_staging);
        case Request::Delete:
            break;
        }
        return m_data->Delete_Employee(m_staging);
    });
    if (!showAnswer(window(), answer,
                    {{QStringLiteral("LastName"), cboEmployee},
                     {QStringLiteral("FirstName"), txtfirstname},
                     {QStringLiteral("Address"), txtEmpAdd},
                     {QStringLiteral("HomePhone"), txtEmpNo}}))
        return;
    guarded(m_reloadList);
    Clear_Employee_Fields();
}

void EmployeeFrame::Clear_Employee_Fields() {
    setFieldText(cboEmployee, QString());
    txtfirstname->clear();
    txtEmpAdd->clear();
    txtEmpNo->clear();
}

} // namespace orv
