#pragma once

#include "support/TestBook.h"

namespace orv::test {

// A test book for customers, shippers and employees: three free debtor
// accounts on the chart, one beyond a 16-bit number.
class ArBook : public TestBook {
protected:
    static constexpr int kAcme = 1200;
    static constexpr int kGlobex = 1210;
    static constexpr int kInitech = 70000;

    void SetUp() override;
    // A debtor account (balance sheet, TRADE DEBTORS).
    void addDebtorAccount(int glId, const QString& name);
};

} // namespace orv::test
