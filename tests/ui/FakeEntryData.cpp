#include "FakeEntryData.h"

#include "ui/RecordFields.h"
#include "values/DataError.h"

namespace orv::test {

Recordset FakeEntryData::newHeader() {
    return buildRecord(
        {{QStringLiteral("EmployeeID"), DataType::BigInt}, {QStringLiteral("OrderDate"), DataType::Date}},
        true);
}

Recordset FakeEntryData::newLines() {
    return buildRecord({{QStringLiteral("ProductID"), DataType::Integer},
                        {QStringLiteral("ProductName"), DataType::Text, 20},
                        {QStringLiteral("Quantity"), DataType::Integer},
                        {QStringLiteral("UnitPrice"), DataType::Currency},
                        {QStringLiteral("Amount"), DataType::Currency},
                        {QStringLiteral("Descrip"), DataType::Text, 10},
                        {QStringLiteral("Date"), DataType::Date},
                        {QStringLiteral("Period"), DataType::SmallInt},
                        {QStringLiteral("Year"), DataType::SmallInt}},
                       false);
}

namespace {

Recordset customerRows(const std::vector<FakeEntryData::Party>& parties) {
    std::vector<std::vector<Variant>> rows;
    for (const FakeEntryData::Party& p : parties)
        rows.push_back({Variant(p.id), Variant(p.name), Variant(QStringLiteral("1 Quay")), Variant(p.city),
                        Variant::null(), Variant(QStringLiteral("SG")), Variant(QStringLiteral("0491")),
                        Variant(QStringLiteral("555")), Variant(QStringLiteral("USD")), p.forex,
                        Variant(std::int32_t{30}), Variant(p.creditLimit)});
    return Recordset::detached({{QStringLiteral("CustomerID"), DataType::Text, 8},
                                {QStringLiteral("CompanyName"), DataType::Text, 40},
                                {QStringLiteral("Address"), DataType::Text, 60},
                                {QStringLiteral("City"), DataType::Text, 15},
                                {QStringLiteral("Region"), DataType::Text, 15},
                                {QStringLiteral("Country"), DataType::Text, 15},
                                {QStringLiteral("PostalCode"), DataType::Text, 10},
                                {QStringLiteral("Phone"), DataType::Text, 24},
                                {QStringLiteral("Cur_Type"), DataType::Text, 10},
                                {QStringLiteral("Forex"), DataType::Text, 5},
                                {QStringLiteral("credit_term"), DataType::Integer, 0},
                                {QStringLiteral("credit_limit"), DataType::Integer, 0}},
                               std::move(rows));
}

Recordset shipperRows(const std::vector<FakeEntryData::Shipper>& shippers) {
    std::vector<std::vector<Variant>> rows;
    for (const FakeEntryData::Shipper& s : shippers)
        rows.push_back({Variant(s.id), Variant(s.name), Variant(s.phone)});
    return Recordset::detached({{QStringLiteral("ShipperID"), DataType::BigInt, 0},
                                {QStringLiteral("CompanyName"), DataType::Text, 40},
                                {QStringLiteral("Phone"), DataType::Text, 24}},
                               std::move(rows));
}

} // namespace

Recordset FakeEntryData::Get_Table_Recordset(const QString& table) const {
    if (unreachable) {
        throw DataError(QStringLiteral("The company file cannot be opened"));
    }
    if (table == QLatin1String("Customers"))
        return customerRows(customers);
    if (table == QLatin1String("Shippers"))
        return shipperRows(shippers);
    std::vector<std::vector<Variant>> rows;
    if (table == QLatin1String("Employees")) {
        for (const Employee& e : employees) {
            rows.push_back({Variant(e.id), Variant(e.last), Variant(e.first)});
        }
    }
    return Recordset::detached({{QStringLiteral("EmployeeID"), DataType::BigInt, 0},
                                {QStringLiteral("LastName"), DataType::Text, 20},
                                {QStringLiteral("FirstName"), DataType::Text, 10}},
                               std::move(rows));
}

Recordset FakeEntryData::Get_Products() {
    ++productReads;
    if (unreachable) {
        throw DataError(QStringLiteral("The company file cannot be opened"));
    }
    std::vector<std::vector<Variant>> rows;
    for (const Product& p : products) {
        rows.push_back({Variant(std::int32_t(p.id)), Variant(p.name), Variant(Currency::parse(p.price))});
    }
    return Recordset::detached({{QStringLiteral("ProductID"), DataType::Integer, 0},
                                {QStringLiteral("ProductName"), DataType::Text, 40},
                                {QStringLiteral("UnitPrice"), DataType::Currency, 0}},
                               std::move(rows));
}

QString FakeEntryData::Get_ID(const QString& table, const QString& value) const {
    ++idLookups;
    if (table == QLatin1String("Customers") || table == QLatin1String("Shippers")) {
        const Recordset rows = Get_Table_Recordset(table);
        for (int row = 0; row < rows.recordCount(); ++row)
            if (RowView(rows, row).text(QStringLiteral("CompanyName")) == value)
                return rows.valueAt(row, 0).toString();
        return {};
    }
    if (table != QLatin1String("Employees")) {
        return {};
    }
    for (const Employee& e : employees) {
        if (e.last + QStringLiteral(", ") + e.first == value) {
            return QString::number(e.id);
        }
    }
    return {};
}

QString FakeEntryData::Send_Order(const Recordset& header, const Recordset& lines) {
    Posting posting;
    posting.employeeId = header.value(QStringLiteral("EmployeeID"));
    posting.orderDate = header.value(QStringLiteral("OrderDate")).toDate();
    for (int row = 0; row < lines.recordCount(); ++row) {
        std::vector<Variant> line;
        for (int f = 0; f < lines.fieldCount(); ++f) {
            line.push_back(lines.valueAt(row, f));
        }
        posting.lines.push_back(std::move(line));
    }
    postings.push_back(std::move(posting));
    return answer;
}

} // namespace orv::test

namespace orv::test {

Recordset FakeEntryData::Get_Customer_Details(const QString& table, const QString& name) {
    ++recordReads;
    std::vector<Party> parties;
    for (const Party& p : customers)
        if (p.name == name)
            parties.push_back(p);
    if (table == QLatin1String("Customers"))
        return customerRows(parties);
    std::vector<Shipper> found;
    for (const Shipper& s : shippers)
        if (s.name == name)
            found.push_back(s);
    return shipperRows(found);
}

Variant FakeEntryData::balanceOf(const QString& name) const {
    for (const Party& p : customers)
        if (p.name == name)
            return p.balance;
    return Variant();
}

} // namespace orv::test
