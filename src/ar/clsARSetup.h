#pragma once

#include "data/DataClass.h"

#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

namespace orv {

// The data class of the customer master window. Each request adds one row to
// Temp_Customers, Temp_Shippers or Temp_Employees, which the database applies
// to its master table or refuses; the window shows the sentence or the
// failure text returned.
class clsARSetup : public DataClass {
public:
    static inline const FailureTexts kCustomerFailed{
        QStringLiteral("Customer Name already Exist, Creation Failed"),
        QStringLiteral("Customer Update Failed"), QStringLiteral("Customer Delete Failed")};
    static inline const FailureTexts kShipperFailed{
        QStringLiteral("Shipper Name already Exist, Creation Failed"),
        QStringLiteral("Shipper Update Failed"), QStringLiteral("Shipper Deletion Failed")};
    static inline const FailureTexts kEmployeeFailed{
        QStringLiteral("Employee Name already Exist, Creation Failed"),
        QStringLiteral("Employee Update Failed"), QStringLiteral("Employee Deletion Failed")};

    clsARSetup();

    // The customer of one name (select_customer_setup), read by column name.
    Recordset Get_Customer_Details(const QString& CompanyName);
    // The shipper of one name.
    Recordset Get_Shipper_Details(const QString& CompanyName);
    // The employees of one last name, the first one first.
    Recordset Get_Employee_Details(const QString& LastName);
    // The account of one code. Codes are whole numbers of 32 bits, as the
    // chart keeps them.
    Recordset Get_COA_Details(std::int32_t GL_ID);

    // Customer requests: the staging record's GL_ID travels as customerid.
    QString Send_Order(const Recordset& rsNewCustomer);
    QString Send_Ship(const Recordset& rsNewShip);
    QString Send_Employee(const Recordset& rsNewEmployee);
    QString Update_Employee(const Recordset& rsNewEmployee);
    QString Delete_Employee(const Recordset& rsNewEmployee);
    QString Update_Ship(const Recordset& rsNewShip);
    QString Delete_Ship(const Recordset& rsNewShip);
    QString Update_Order(const Recordset& rsNewCustomer);
    QString Delete_Order(const Recordset& rsNewCustomer);

private:
    // A shipper's (shipper) or an employee's request.
    QString partyRequest(const Recordset& staging, bool shipper, const char* kind, const QString& failureText,
                         const char* sentence);
};

} // namespace orv
