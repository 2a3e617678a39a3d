#include "clsARSetup.h"

#include "data/PartyRequest.h"

namespace orv {

const DataClass::FailureTexts clsARSetup::kCustomerFailed{
    QStringLiteral("Customer Name already Exist, Creation Failed"), QStringLiteral("Customer Update Failed"),
    QStringLiteral("Customer Delete Failed")};
const DataClass::FailureTexts clsARSetup::kShipperFailed{
    QStringLiteral("Shipper Name already Exist, Creation Failed"), QStringLiteral("Shipper Update Failed"),
    QStringLiteral("Shipper Deletion Failed")};
const DataClass::FailureTexts clsARSetup::kEmployeeFailed{
    QStringLiteral("Employee Name already Exist, Creation Failed"), QStringLiteral("Employee Update Failed"),
    QStringLiteral("Employee Deletion Failed")};

namespace {

SetupRecord customers(const DataClass::FailureTexts& failed) {
    const QString name = QStringLiteral("CompanyName");
    return {QStringLiteral("Temp_Customers"),
            QStringLiteral("EXEC select_customer_setup  ?"),
            failed,
            {partyRequestMapping(true, true, true),
             QStringLiteral("Customer only created for unassigned Code "), QStringLiteral("customerid"),
             QString()},
            {partyRequestMapping(true, true, false), QStringLiteral("Customer "), name,
             QStringLiteral(" details would be updated if there is no transaction posted")},
            {partyRequestMapping(false, true, false), QStringLiteral("Customer "), name,
             QStringLiteral(" would be Deleted if there is no transaction history")}};
}

// A shipper's or employee's request: every field travels under its own name,
// and the sentence is a fixed text followed by the name read back.
SetupRecord named(const QString& requests, const QString& read, const DataClass::FailureTexts& failed,
                  const QStringList& fields, const QString& name, const QStringList& sentences) {
    const DataClass::Mapping mapping = SetupDataClass::sameNames(fields);
    return {requests,
            read,
            failed,
            {mapping, sentences.at(0), name, QString()},
            {mapping, sentences.at(1), name, QString()},
            {mapping, sentences.at(2), name, QString()}};
}

} // namespace

clsARSetup::clsARSetup()
    : MasterDataClass(
          {customers(kCustomerFailed),
           named(
               QStringLiteral("Temp_Shippers"),
               QStringLiteral("SELECT * FROM Shippers WHERE CompanyName =  ?"), kShipperFailed,
               {"CompanyName", "Phone", "Shipaddr"}, QStringLiteral("CompanyName"),
               {"Shipper only created for unassigned Code ", "Shipper Updated for ", "Shipper deleted for "}),
           named(QStringLiteral("Temp_Employees"),
                 QStringLiteral("SELECT * FROM Employees WHERE LastName =  ?"), kEmployeeFailed,
                 {"LastName", "FirstName", "HireDate", "BirthDate", "Address", "HomePhone"},
                 QStringLiteral("LastName"),
                 {"Employee created for  ", "Employee updated for  ", "Employee deleted for  "})},
          // The window turns a chosen account code into the customer's key.
          {{QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ? ORDER BY GL_ID"),
            QStringLiteral("GL_ID")}}) {}

} // namespace orv
