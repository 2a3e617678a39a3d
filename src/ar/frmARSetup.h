#pragma once

#include "clsARSetup.h"
#include "ui/PartySetupWindow.h"

#include <QDate>

class QDateEdit;

namespace orv {

// "Customer Master": customers, shippers and employees, each a section of its
// own. A customer is also an account of the chart: its key is the code of its
// own account, chosen in the customer code list. The customer section follows
// the set-up frame; the shipping and employee sections run their own checks,
// clear their own boxes and never disable a button. REFRESH, pressed after
// every pick, rebuilds the staging records of all three sections.
class frmARSetup : public SetupWindowOver<clsARSetup, PartySetupWindow> {
    Q_OBJECT
public:
    // The window's own captions under their controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"frmARSetup", "Customer Master"},
        {"Frame1", "Customer Set-Up"},
        {"lblCompany", "CompanyName"},
        {"lblCustName", "CustName :"},
        {"lblForex", "Cur Type :"},
        {"lblCOA", "Customer Code :"},
        {"fraShipping", "Shipping Set-Up"},
        {"lblShipcode", "ShipCode"},
        {"lblShipphone", "Phone :"},
        {"lblShipaddr", "Shipping Address"},
        {"cmdShip", "CREATE NEW"},
        {"UpdateShip", "UPDATE"},
        {"DeleteShip", "DELETE"},
        {"Command1", "CLEAR"},
        {"fraEmployee", "Employee Set-Up"},
        {"lblLastName", "Last Name :"},
        {"lblFirstName", "First Name :"},
        {"lblHireDate", "Hire Date :"},
        {"lblBirthDate", "Birth Date :"},
        {"lblEmpAdd", "Address :"},
        {"lblEmpNo", "Contact No :"},
        {"cmdEmp", "CREATE NEW"},
        {"UpdateEmp", "UPDATE"},
        {"DeleteEmp", "DELETE"},
        {"Command2", "CLEAR"},
        {"NoCurType", "Specify Customer Currency Type (FOREIGN or LOCAL)!"},
        {"NoName", "Specify Customer Name!"},
        {"NoCode", "Specify Customer Code"},
        {"NoCurrency", "Specify Currency Type"},
        {"NothingToDelete", "Select the Customer to delete from the CompanyName list!"},
        {"NoCustomer", "No customer is named \"%1\""},
        {"NoShipName", "Specify Shipping Name!"},
        {"NoShipPhone", "Specify Shipping Contact Number!"},
        {"NoShipAddress", "Specify Shipping Address!"},
        {"NoShipper", "No shipper is named \"%1\""},
        {"NoLastName", "Specify Last Name!"},
        {"NoFirstName", "Specify First Name!"},
        {"NoEmpAddress", "Specify Employee Address!"},
        {"NoContact", "Specify Employee Contact Number!"},
        // Every posting window lists an employee as "Last, First" and finds
        // the key again by splitting at the first comma.
        {"CommaInLastName", "Last Name must not contain a comma!"},
        {"CommaInFirstName", "First Name must not contain a comma!"},
        {"NoEmployee", "No employee has the last name \"%1\""},
    });
    // The date both employee pickers show when the window opens.
    static QDate startDate() { return QDate(2010, 1, 4); }

    explicit frmARSetup(QWidget* parent = nullptr);

    QGroupBox* fraShipping;
    QGroupBox* fraEmployee;
    SetupSection* shipping;
    SetupSection* employee;
    QComboBox* cboEmployee = nullptr; // the employee's last name
    QLineEdit* txtfirstname = nullptr;
    QDateEdit *DTPickerBirth = nullptr, *DTPickerHire = nullptr;

protected:
    CheckList validateChecks() override;

private:
    SetupSection* addShipping();
    SetupSection* addEmployees();
};

} // namespace orv
