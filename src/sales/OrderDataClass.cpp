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

std::vector<DataClass::DocColumn> OrderDataClass::orderColumns(const Recordset& header) {
    std::vector<DocColumn> columns;
    for (const char* name :
         {"customerid", "EmployeeID", "OrderDate", "RequiredDate", "ShipVia", "Freight", "ShipName",
          "ShipAddress", "ShipCity", "ShipRegion", "ShipCountry", "ShipPostalCode"}) {
        const QString column = QString::fromLatin1(name);
        if (column == QLatin1String("ShipRegion") && header.value(column).toString().trimmed().isEmpty())
            continue;
        columns.push_back(fromHeader(column, column));
    }
    return columns;
}

} // namespace orv
