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

Recordset FakeEntryData::Get_Table_Recordset(const QString& table) const {
    if (unreachable) {
        throw DataError(QStringLiteral("The company file cannot be opened"));
    }
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
