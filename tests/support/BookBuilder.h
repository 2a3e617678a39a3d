#pragma once

#include "values/Recordset.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orv::test {

// Builds a test book the way the program builds one: every master through
// its set-up window's data class (a staging request applied or refused by the
// book's own rules inside one write) and every history by posting dated
// journals. Nothing is written straight into a master or a ledger table, so a
// rule a test relies on can never be bypassed by its own set-up. A refused
// request or journal throws BookRefused naming the writer's text and the
// database's reason, so the test fails saying why.
//
// A small book reads as a table in the test:
//
//   build(R"(
//     account   1200  Acme Debtor
//     customer  1200  Acme Trading
//     employee  Tan   Mary
//     journal   2010-06-15  rent  6100 100 / 1010 -100
//   )");
//
// Columns are set apart by two or more spaces, so names may hold one.
class BookBuilder {
public:
    // Exchange gain and loss accounts of the starter chart.
    static constexpr int kUnRG = 4210;
    static constexpr int kUnRL = 6510;
    static constexpr int kRG = 4200;
    static constexpr int kRL = 6500;
    // The starter chart's petty cash: the account a journal pays from unless
    // another is named.
    static constexpr int kPettyCash = 1010;

    // An account through the chart-of-accounts requests.
    void addAccount(int glId, const QString& name, const QString& type = QStringLiteral("BS"),
                    const QString& category = QStringLiteral("LIABILITIES"),
                    const QString& subCategory = QStringLiteral("CURRENT LIABILITIES"));
    // An account update request carrying the account's own fields and the status.
    void setAccountActive(int glId, bool active);
    // An employee through the customer master window's requests (hired
    // 2009-03-01, born 1980-07-21); returns the new employee's key.
    qint64 addEmployee(const QString& last, const QString& first);
    void addLocalCustomer(int glId, const QString& name);
    // A customer in a foreign currency on the starter chart's exchange accounts.
    void addForeignCustomer(int glId, const QString& name, const QString& currency);
    void addShipper(const QString& name);
    // Deletes through the same requests, as another workstation would make
    // them while a window is open.
    void deleteCustomer(const QString& name);
    void deleteShipper(const QString& name);
    void deleteEmployee(const QString& last, const QString& first);
    void addLocalSupplier(int glId, const QString& name);
    void addBank(int glId, const QString& name);
    // A VAT code through the VAT set-up window's data class, on the starter
    // chart's VAT control account unless another is given.
    void addVatCode(int code, const QString& name, const QString& rate, int control = 2200);
    // Inventory masters through the inventory set-up window's data class (the
    // starter books hold category GEN, set STANDARD and VAT code 1).
    void addCategory(const QString& code, const QString& name, int sales = 4000, int cos = 5000);
    void addAccountSet(const QString& name, int stock, int payable, int shipment,
                       const QString& method = QStringLiteral("FIFO"));
    void addItem(const QString& code, const QString& name, const QString& category = QStringLiteral("GEN"),
                 const QString& accountSet = QStringLiteral("STANDARD"), int vatCode = 1);

    // One line of a journal: amount in the home currency, debit positive.
    struct Line {
        int glId;
        QString amount;
        QString descrip;
        QDate date;
    };
    // A journal through the journal window's data class, by the employee (the
    // book's clerk when none is given); returns its posting number.
    qint64 post(const std::vector<Line>& lines, qint64 employee = 0);
    // Rent of 100.00 paid from the account on 15 June 2010, by the employee
    // (the clerk when none is given). A journal naming a party is written
    // under the data layer's write protocol, as no journal window names one:
    // the party then has transaction history.
    qint64 postJournal(int creditAccount = kPettyCash, int partyId = 0, qint64 employee = 0);
    // The book's clerk, Lim Ann, created on first use.
    qint64 clerk();

    // Builds a book from a table, one record a line, columns apart by two or
    // more spaces (blank lines and lines starting with # are skipped):
    //   account   <code>  <name>  [BS|PL]
    //   inactive  <code>
    //   customer  <code>  <name>  [<currency>, for a foreign customer]
    //   supplier  <code>  <name>
    //   bank      <code>  <name>
    //   shipper   <name>
    //   employee  <last>  <first>
    //   journal   <yyyy-mm-dd>  <descrip>  <code> <amount> / <code> <amount> ...
    // A line the table does not know throws, naming it.
    void build(const QString& table);

    // The journal records the journal windows build: the header with its
    // employee, the lines with their period and year taken from the date.
    static Recordset journalHeader(qint64 employeeId);
    static Recordset journalLines();
    static void addLine(Recordset& lines, int glId, const QString& amount, const QString& descrip,
                        const QDate& date);

private:
    qint64 m_clerk = 0;
};

} // namespace orv::test
