#pragma once

#include "data/SetupDataClass.h"

namespace orv {

// The data class of the customer master window: its customers (the window's
// own record, requested in Temp_Customers), shippers (Temp_Shippers) and
// employees (Temp_Employees).
class clsARSetup : public MasterDataClass {
public:
    static const FailureTexts kCustomerFailed;
    static const FailureTexts kShipperFailed;
    static const FailureTexts kEmployeeFailed;

    clsARSetup();

    // The customer of one name (select_customer_setup), read by column name.
    Recordset Get_Customer_Details(const QString& CompanyName) { return details(kCustomer, CompanyName); }
    // The shipper of one name.
    Recordset Get_Shipper_Details(const QString& CompanyName) { return details(kShipper, CompanyName); }
    // The employees of one last name, the first one first.
    Recordset Get_Employee_Details(const QString& LastName) { return details(kEmployee, LastName); }

    // Customer requests (Send_Order, Update_Order, Delete_Order): the staging
    // record's GL_ID travels as customerid.
    QString Send_Ship(const Recordset& r) { return request(kShipper, Kind::Create, r); }
    QString Update_Ship(const Recordset& r) { return request(kShipper, Kind::Update, r); }
    QString Delete_Ship(const Recordset& r) { return request(kShipper, Kind::Delete, r); }
    QString Send_Employee(const Recordset& r) { return request(kEmployee, Kind::Create, r); }
    QString Update_Employee(const Recordset& r) { return request(kEmployee, Kind::Update, r); }
    QString Delete_Employee(const Recordset& r) { return request(kEmployee, Kind::Delete, r); }

private:
    enum : std::size_t { kCustomer, kShipper, kEmployee };
};

} // namespace orv
