#include "OrderDataClass.h"

namespace orv {

OrderDataClass::OrderDataClass() {
    Class_Initialize();
    declareIdBranches(
        {{QStringLiteral("Customers"), QStringLiteral("SELECT * FROM Customers WHERE CompanyName = ?"),
          QStringLiteral("CustomerID")},
         employeesBranch(),
         {QStringLiteral("Shippers"), QStringLiteral("SELECT * FROM Shippers WHERE CompanyName = ?"),
          QStringLiteral("ShipperID")}});
}

Recordset OrderDataClass::Get_Customer_Details(const QString& name) {
    return read(QStringLiteral("SELECT * FROM Customers WHERE CompanyName = ?"), {Variant(name)});
}

std::vector<FieldInfo> OrderDataClass::orderFields(std::vector<FieldInfo> own) {
    std::vector<FieldInfo> fields{{QStringLiteral("CustomerID"), DataType::Text, 8},
                                  {QStringLiteral("EmployeeID"), DataType::BigInt},
                                  {QStringLiteral("OrderDate"), DataType::Date},
                                  {QStringLiteral("RequiredDate"), DataType::Date},
                                  {QStringLiteral("ShipVia"), DataType::BigInt},
                                  {QStringLiteral("Freight"), DataType::Currency},
                                  {QStringLiteral("ShipName"), DataType::Text, 40},
                                  {QStringLiteral("ShipAddress"), DataType::Text, 60},
                                  {QStringLiteral("ShipCity"), DataType::Text, 15},
                                  {QStringLiteral("ShipRegion"), DataType::Text, 15},
                                  {QStringLiteral("ShipCountry"), DataType::Text, 15},
                                  {QStringLiteral("ShipPostalCode"), DataType::Text, 10}};
    fields.insert(fields.end(), own.begin(), own.end());
    return fields;
}

std::vector<DocColumn> OrderDataClass::orderColumns() {
    std::vector<DocColumn> columns;
    for (const char* name :
         {"customerid", "EmployeeID", "OrderDate", "RequiredDate", "ShipVia", "Freight", "ShipName",
          "ShipAddress", "ShipCity", "ShipRegion", "ShipCountry", "ShipPostalCode"}) {
        const QString column = QString::fromLatin1(name);
        const DocColumn c = fromHeader(column, column);
        columns.push_back(column == QLatin1String("ShipRegion") ? whenGiven(c) : c);
    }
    return columns;
}

} // namespace orv
