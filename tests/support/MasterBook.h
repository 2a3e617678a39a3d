#pragma once

#include "TestBook.h"

#include <QString>

namespace orv::test {

// A test book whose accounts, suppliers and banks are made through their
// requests (Temp_COA, Temp_Creditors, Temp_Bank) under the write protocol,
// so the database's own rules apply; a journal posted the same way gives an
// account or a party its history.
class MasterBook : public TestBook {
protected:
    // Exchange gain and loss accounts of the starter chart.
    static constexpr int kUnRG = 4210;
    static constexpr int kUnRL = 6510;
    static constexpr int kRG = 4200;
    static constexpr int kRL = 6500;

    void addAccount(int glId, const QString& name, const QString& type = QStringLiteral("BS"));
    void addLocalSupplier(int glId, const QString& name);
    void addBank(int glId, const QString& name);
    // A posted journal (rent paid from the account) by a new employee,
    // naming a party when one is given.
    void postJournal(int creditAccount, int partyId = 0);
    // check_invariants finds nothing broken.
    void expectBooksSound();
};

} // namespace orv::test
