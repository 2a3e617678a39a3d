#include "clsARSetup.h"

#include "data/PartyRequest.h"

namespace orv {

namespace {

const QString kCustomers = QStringLiteral("Temp_Customers");
const QString kShippers = QStringLiteral("Temp_Shippers");
const QString kEmployees = QStringLiteral("Temp_Employees");

const QStringList kShipperFields = {QStringLiteral("CompanyName"), QStringLiteral("Phone"),
                                    QStringLiteral("Shipaddr")};
const QStringList kEmployeeFields = {QStringLiteral("LastName"), QStringLiteral("FirstName"),
                                     QStringLiteral("HireDate"), QStringLiteral("BirthDate"),
                                     QStringLiteral("Address"),  QStringLiteral("HomePhone")};

} // namespace

clsARSetup::clsARSetup() {
    Class_Initialize();
    // The window turns a chosen account code into the customer's key.
    declareIdBranches({{QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = '"),
                        QStringLiteral("' ORDER BY GL_ID"), QStringLiteral("GL_ID")}});
}

// --- reads -----------------------------------------------------------------------

Recordset clsARSetup::Get_Customer_Details(const QString& CompanyName) {
    return read(QStringLiteral("EXEC select_customer_setup  '") + sqlQuote(CompanyName) +
                QStringLiteral("'"));
}

Recordset clsARSetup::Get_Shipper_Details(const QString& CompanyName) {
    return read(QStringLiteral("SELECT * FROM Shippers WHERE CompanyName =  '") + sqlQuote(CompanyName) +
                QStringLiteral("'"));
}

Recordset clsARSetup::Get_Employee_Details(const QString& LastName) {
    return read(QStringLiteral("SELECT * FROM Employees WHERE LastName =  '") + sqlQuote(LastName) +
                QStringLiteral("'"));
}

Recordset clsARSetup::Get_COA_Details(std::int32_t GL_ID) {
    return read(QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = '") + QString::number(GL_ID) +
                QStringLiteral("'"));
}

// --- requests ----------------------------------------------------------------------

QString clsARSetup::Send_Order(const Recordset& rsNewCustomer) {
    return stagingRequest(rsNewCustomer, partyRequestMapping(true, true, true),
                          {kCustomers, QStringLiteral("C"), kCustomerCreateFailed,
                           QStringLiteral("Customer only created for unassigned Code "),
                           QStringLiteral("customerid"), QString()});
}

QString clsARSetup::Update_Order(const Recordset& rsNewCustomer) {
    return stagingRequest(rsNewCustomer, partyRequestMapping(true, true, false),
                          {kCustomers, QStringLiteral("U"), kCustomerUpdateFailed,
                           QStringLiteral("Customer "), QStringLiteral("CompanyName"),
                           QStringLiteral(" details would be updated if there is no transaction posted")});
}

QString clsARSetup::Delete_Order(const Recordset& rsNewCustomer) {
    return stagingRequest(rsNewCustomer, partyRequestMapping(false, true, false),
                          {kCustomers, QStringLiteral("D"), kCustomerDeleteFailed,
                           QStringLiteral("Customer "), QStringLiteral("CompanyName"),
                           QStringLiteral(" would be Deleted if there is no transaction history")});
}

QString clsARSetup::Send_Ship(const Recordset& rsNewShip) {
    return stagingRequest(rsNewShip, sameNames(kShipperFields),
                          {kShippers, QStringLiteral("C"), kShipperCreateFailed,
                           QStringLiteral("Shipper only created for unassigned Code "),
                           QStringLiteral("CompanyName"), QString()});
}

QString clsARSetup::Update_Ship(const Recordset& rsNewShip) {
    return stagingRequest(rsNewShip, sameNames(kShipperFields),
                          {kShippers, QStringLiteral("U"), kShipperUpdateFailed,
                           QStringLiteral("Shipper Updated for "), QStringLiteral("CompanyName"), QString()});
}

QString clsARSetup::Delete_Ship(const Recordset& rsNewShip) {
    return stagingRequest(rsNewShip, sameNames(kShipperFields),
                          {kShippers, QStringLiteral("D"), kShipperDeleteFailed,
                           QStringLiteral("Shipper deleted for "), QStringLiteral("CompanyName"), QString()});
}

QString clsARSetup::Send_Employee(const Recordset& rsNewEmployee) {
    return stagingRequest(rsNewEmployee, sameNames(kEmployeeFields),
                          {kEmployees, QStringLiteral("C"), kEmployeeCreateFailed,
                           QStringLiteral("Employee created for  "), QStringLiteral("LastName"), QString()});
}

QString clsARSetup::Update_Employee(const Recordset& rsNewEmployee) {
    return stagingRequest(rsNewEmployee, sameNames(kEmployeeFields),
                          {kEmployees, QStringLiteral("U"), kEmployeeUpdateFailed,
                           QStringLiteral("Employee updated for  "), QStringLiteral("LastName"), QString()});
}

QString clsARSetup::Delete_Employee(const Recordset& rsNewEmployee) {
    return stagingRequest(rsNewEmployee, sameNames(kEmployeeFields),
                          {kEmployees, QStringLiteral("D"), kEmployeeDeleteFailed,
                           QStringLiteral("Employee deleted for  "), QStringLiteral("LastName"), QString()});
}

} // namespace orv
