#pragma once

#include "support/TestBook.h"

#include <QString>

namespace orv::test {

// A test book for customers, shippers and employees: accounts added to the
// chart, records created through their request tables (the database's own
// rules apply), a journal that gives an employee or a customer history, and
// the invariant check every scenario ends with.
class ArBook : public TestBook {
protected:
    // Debtor accounts of the scenarios (balance sheet, TRADE DEBTORS).
    static constexpr int kAcme = 1200;
    static constexpr int kGlobex = 1210;
    static constexpr int kInitech = 70000; // beyond a 16-bit number
    // Exchange gain and loss accounts of the starter chart.
    static constexpr int kUnRG = 4210;
    static constexpr int kUnRL = 6510;
    static constexpr int kRG = 4200;
    static constexpr int kRL = 6500;

    void SetUp() override;

    void addAccount(int glId, const QString& name, const QString& type = QStringLiteral("BS"),
                    int status = 1);
    // Requests applied by the database, as the window would send them.
    void addLocalCustomer(int glId, const QString& name);
    void addForeignCustomer(int glId, const QString& name, const QString& currency);
    void addShipper(const QString& name);

    // A posted journal (rent against petty cash) by the employee; with a
    // customer it names that customer and its legs carry it as their party.
    qint64 postJournal(qint64 employeeId, int customerId = 0);

    // check_invariants finds nothing broken.
    void expectBooksSound();
};

} // namespace orv::test
