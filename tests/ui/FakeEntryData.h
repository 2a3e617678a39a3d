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

    std::vector<Employee> employees{{7, QStringLiteral("Ashdown"), QStringLiteral("Mira")},
                                    {9, QStringLiteral("Bellweather"), QStringLiteral("Tam")}};
    std::vector<Product> products{{101, QStringLiteral("Lamp oil"), QStringLiteral("10")},
                                  {102, QStringLiteral("Wick"), QStringLiteral("2.5")},
                                  {103, QStringLiteral("Glass chimney"), QStringLiteral("7.25")}};
    // What Send_Order answers next: a number posts, anything else fails.
    QString answer = QStringLiteral("42");
    std::vector<Posting> postings;
    int productReads = 0;
    // When set, every read fails as when the company file cannot be reached.
    bool unreachable = false;

    // The order's records: the header with its one row, the lines empty.
    static Recordset newHeader();
    static Recordset newLines();
    Recordset Get_Table_Recordset(const QString& table) const;
    Recordset Get_Products();
    QString Get_ID(const QString& table, const QString& value) const;
    QString Send_Order(const Recordset& header, const Recordset& lines);
};

} // namespace orv::test
