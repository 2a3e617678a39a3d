#pragma once

#include "values/Recordset.h"
#include "ui/Check.h"

#include <QDate>
#include <QGroupBox>
#include <functional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace orv {

class clsARSetup;

// The "Employee Set-Up" frame of the customer master window. The clerk picks
// an employee by last name or types a new one and asks for its creation,
// update or deletion. Each button checks its own fields, sends the request,
// shows the text returned, reloads the last-name list and empties the text
// fields (the dates stay); no button is ever disabled.
class EmployeeFrame : public QGroupBox {
    Q_OBJECT
public:
    static inline const QString kSpecifyLastName = QStringLiteral("Specify Last Name!");
    static inline const QString kSpecifyFirstName = QStringLiteral("Specify First Name!");
    static inline const QString kSpecifyAddress = QStringLiteral("Specify Employee Address!");
    static inline const QString kSpecifyContact = QStringLiteral("Specify Employee Contact Number!");
    // Every posting window lists an employee as "Last, First" and finds the
    // key again by splitting at the first comma.
    static inline const QString kCommaInLastName = QStringLiteral("Last Name must not contain a comma!");
    static inline const QString kCommaInFirstName = QStringLiteral("First Name must not contain a comma!");
    static inline const QString kNoEmployee = QStringLiteral("No employee has the last name \"%1\"");
    // The date both pickers show when the window opens.
    static QDate startDate() { return QDate(2010, 1, 4); }

    EmployeeFrame(QPushButton* refresh, std::function<void()> reloadList, QWidget* parent);

    QComboBox* cboEmployee;
    QLineEdit* txtfirstname;
    QDateEdit* DTPickerHire;
    QDateEdit* DTPickerBirth;
    QLineEdit* txtEmpAdd;
    QLineEdit* txtEmpNo;
    QPushButton* cmdEmp;    // CREATE NEW
    QPushButton* UpdateEmp; // UPDATE
    QPushButton* DeleteEmp; // DELETE
    QPushButton* Command2;  // CLEAR

    void setDataClass(clsARSetup* dataClass) { m_data = dataClass; }
    const Recordset& staging() const { return m_staging; }

    // Builds the employee staging record (again).
    void Create_New_Employee();

    void cboEmployee_Click();
    void cmdEmp_Click();
    void UpdateEmp_Click();
    void DeleteEmp_Click();
    void Command2_Click() { Clear_Employee_Fields(); }

private:
    enum class Request { Create, Update, Delete };
    void request(Request request);
    CheckList checks();
    void Clear_Employee_Fields();
    void layOut();

    clsARSetup* m_data = nullptr;
    QPushButton* m_refresh;
    std::function<void()> m_reloadList;
    Recordset m_staging;
};

} // namespace orv
