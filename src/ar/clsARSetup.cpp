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
    declareIdBranches(
        {{QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ? ORDER BY GL_ID"),
          QStringLiteral("GL_ID")}});
}

// --- reads -----------------------------------------------------------------------

Recordset clsARSetup::Get_Customer_Details(const QString& CompanyName) {
    return read(QStringLiteral("EXEC select_customer_setup  ?"), {Variant(CompanyName)});
}

Recordset clsARSetup::Get_Shipper_Details(const QString& CompanyName) {
    return read(QStringLiteral("SELECT * FROM Shippers WHERE CompanyName =  ?"), {Variant(CompanyName)});
}

Recordset clsARSetup::Get_Employee_Details(const QString& LastName) {
    return read(QStringLiteral("SELECT * FROM Employees WHERE LastName =  ?"), {Variant(LastName)});
}

Recordset clsARSetup::Get_COA_Details(std::int32_t GL_ID) {
    return read(QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"), {Variant(GL_ID)});
}

// --- requests ----------------------------------------------------------------------

QString clsARSetup::Send_Order(const Recordset& rsNewCustomer) {
    return stagingRequest(rsNewCustomer, partyRequestMapping(true, true, true),
                          {kCustomers, QStringLiteral("C"), kCustomerFailed.create,
                           QStringLiteral("Customer only created for unassigned Code "),
                           QStringLiteral("customerid"), QString()});
}

QString clsARSetup::Update_Order(const Recordset& rsNewCustomer) {
    return stagingRequest(rsNewCustomer, partyRequestMapping(true, true, false),
                          {kCustomers, QStringLiteral("U"), kCustomerFailed.update,
                           QStringLiteral("Customer "), QStringLiteral("CompanyName"),
                           QStringLiteral(" details would be updated if there is no transaction posted")});
}

QString clsARSetup::Delete_Order(const Recordset& rsNewCustomer) {
    return stagingRequest(rsNewCustomer, partyRequestMapping(false, true, false),
                          {kCustomers, QStringLiteral("D"), kCustomerFailed.remove,
                           QStringLiteral("Customer "), QStringLiteral("CompanyName"),
                           QStringLiteral(" would be Deleted if there is no transaction history")});
}

// A shipper or employee request: every field travels under its own name, and
// the sentence is a fixed text followed by the name read back.
QString clsARSetup::partyRequest(const Recordset& staging, bool shipper, const char* kind,
                                 const QString& failureText, const char* sentence) {
    return stagingRequest(staging, sameNames(shipper ? kShipperFields : kEmployeeFields),
                          {shipper ? kShippers : kEmployees, QString::fromLatin1(kind), failureText,
                           QString::fromLatin1(sentence),
                           shipper ? QStringLiteral("CompanyName") : QStringLiteral("LastName"), QString()});
}

// clang-format off
QString clsARSetup::Send_Ship(const Recordset& r) { return partyRequest(r, true, "C", kShipperFailed.create, "Shipper only created for unassigned Code "); }
QString clsARSetup::Update_Ship(const Recordset& r) { return partyRequest(r, true, "U", kShipperFailed.update, "Shipper Updated for "); }
QString clsARSetup::Delete_Ship(const Recordset& r) { return partyRequest(r, true, "D", kShipperFailed.remove, "Shipper deleted for "); }
QString clsARSetup::Send_Employee(const Recordset& r) { return partyRequest(r, false, "C", kEmployeeFailed.create, "Employee created for  "); }
QString clsARSetup::Update_Employee(const Recordset& r) { return partyRequest(r, false, "U", kEmployeeFailed.update, "Employee updated for  "); }
QString clsARSetup::Delete_Employee(const Recordset& r) { return partyRequest(r, false, "D", kEmployeeFailed.remove, "Employee deleted for  "); }
// clang-format on

} // namespace orv
