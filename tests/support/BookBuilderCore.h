#pragma once

#include "values/Recordset.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace orv {
class DataClass;
struct FieldDef;
} // namespace orv

namespace orv::test {

// The masters every subsystem's documents stand on: accounts, parties,
// banks, VAT codes, inventory masters, employees and shippers, each made
// through its set-up window's data class (a staging request applied or
// refused by the book's own rules inside one write). A subsystem's documents
// are built over these by its own part of the book builder.
class BookBuilderCore {
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
    // A supplier in a foreign currency on the starter chart's exchange accounts.
    void addForeignSupplier(int glId, const QString& name, const QString& currency);
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

    // The book's clerk, Lim Ann, created on first use.
    qint64 clerk();

protected:
    // One line of a book table, its columns apart by two or more spaces.
    class TableLine {
    public:
        explicit TableLine(const QString& text);
        const QString& kind() const { return m_columns[0]; }
        qsizetype size() const { return m_columns.size(); }
        const QString& operator[](qsizetype i) const { return m_columns[i]; }
        const QStringList& columns() const { return m_columns; }
        // Throws when fewer than n columns are given.
        void need(qsizetype n) const;
        // The column as an account code, or throws.
        int code(qsizetype i) const;
        // A text as an account code, or throws.
        int code(const QString& text) const;
        // The column as a yyyy-mm-dd date, or throws.
        QDate date(qsizetype i) const;
        // Throws naming the line and why it cannot be read.
        [[noreturn]] void unreadable(const char* why) const;

    private:
        QString m_text;
        QStringList m_columns;
    };

    // Reads a line making a master; false when the line is of another kind.
    //   account   <code>  <name>  [BS|PL]
    //   inactive  <code>
    //   customer  <code>  <name>  [<currency>, for a foreign customer]
    //   supplier  <code>  <name>  [<currency>, for a foreign supplier]
    //   bank      <code>  <name>
    //   shipper   <name>
    //   employee  <last>  <first>
    bool readMaster(const TableLine& line);

    // Throws naming the writer's text and the database's reason when the
    // writer refused its last write.
    static void expectWritten(const DataClass& writer, const QString& result);
    // A record of the fields holding the texts, converted as a window's
    // boxes are.
    static Recordset record(const std::vector<FieldDef>& fields, const std::vector<QString>& texts);
    // The first column of the first row of a query, as text ("" if none).
    static QString firstValue(const QString& query, const std::vector<Variant>& params = {});

private:
    qint64 m_clerk = 0;
};

} // namespace orv::test
