#pragma once

#include "values/Recordset.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace orv::test {

// The in-memory data class of the test entry window: an employee table, a
// product list for the pick grid, and a writer that keeps what it was sent
// and answers with a posting number or a failure text.
class FakeEntryData {
public:
    struct Employee {
        std::int64_t id;
        QString last;
        QString first;
    };
    struct Product {
        int id;
        QString name;
        QString price;
    };
    struct Posting {
        Variant employeeId;
        QDate orderDate;
        std::vector<std::vector<Variant>> lines;
    };

    struct Party {
        QString id;
        QString name;
        QString city;
        Variant forex;
        Variant balance;
        std::int32_t creditLimit;
    };
    struct Shipper {
        std::int64_t id;
        QString name;
        QString phone;
    };

    std::vector<Employee> employees{{7, QStringLiteral("Ashdown"), QStringLiteral("Mira")},
                                    {9, QStringLiteral("Bellweather"), QStringLiteral("Tam")}};
    std::vector<Product> products{{101, QStringLiteral("Lamp oil"), QStringLiteral("10")},
                                  {102, QStringLiteral("Wick"), QStringLiteral("2.5")},
                                  {103, QStringLiteral("Glass chimney"), QStringLiteral("7.25")}};
    std::vector<Party> customers{
        {QStringLiteral("C1"), QStringLiteral("Harbour Supplies"), QStringLiteral("Singapore"),
         Variant(QStringLiteral("0")), Variant(Currency::fromUnits(400)), 1000},
        {QStringLiteral("C2"), QStringLiteral("Pacific Traders"), QStringLiteral("Auckland"),
         Variant(QStringLiteral(" 1 ")), Variant::null(), 5000}};
    std::vector<Shipper> shippers{{1, QStringLiteral("Speedy Express"), QStringLiteral("555-0101")},
                                  {2, QStringLiteral("Harbour Carriers"), QStringLiteral("555-0202")}};
    // What Send_Order answers next: a number posts, anything else fails.
    QString answer = QStringLiteral("42");
    std::vector<Posting> postings;
    int productReads = 0;
    mutable int idLookups = 0;
    int recordReads = 0; // reads of one customer's or shipper's record
    // When set, every read fails as when the company file cannot be reached.
    bool unreachable = false;

    // The order's records: the header with its one row, the lines empty.
    static Recordset newHeader();
    static Recordset newLines();
    Recordset Get_Table_Recordset(const QString& table) const;
    Recordset Get_Products();
    QString Get_ID(const QString& table, const QString& value) const;
    // One customer's or shipper's record by name (Customers, Shippers).
    Recordset Get_Customer_Details(const QString& table, const QString& name);
    Variant balanceOf(const QString& name) const;
    QString Send_Order(const Recordset& header, const Recordset& lines);
};

} // namespace orv::test
