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
    // Inventory masters made through the inventory set-up window's data class
    // (the starter books hold category GEN, set STANDARD and VAT code 1); a
    // refused request fails the test with the database's reason.
    void addCategory(const QString& code, const QString& name, int sales = 4000, int cos = 5000);
    void addAccountSet(const QString& name, int stock, int payable, int shipment,
                       const QString& method = QStringLiteral("FIFO"));
    void addItem(const QString& code, const QString& name, const QString& category = QStringLiteral("GEN"),
                 const QString& accountSet = QStringLiteral("STANDARD"), int vatCode = 1);
    // A VAT code made through the VAT set-up window's data class, on the
    // starter chart's VAT control account unless another is given; a refused
    // request fails the test with the database's reason.
    void addVatCode(int code, const QString& name, const QString& rate, int control = 2200);
    // A posted journal (rent paid from the account) by a new employee,
    // naming a party when one is given.
    void postJournal(int creditAccount, int partyId = 0);
    // check_invariants finds nothing broken.
    void expectBooksSound();
};

} // namespace orv::test
