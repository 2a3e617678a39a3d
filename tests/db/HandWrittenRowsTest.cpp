// The tests build their books only the way the program does: no test source
// inserts into or updates a table of the company file by hand (a master, a
// document, the ledger, a work table, or a staging table outside the data
// classes' write protocol); tables a test creates for itself are its own. A
// test that writes a table on purpose, to prove what a rule of the book does
// with a write no window can make, is named below with its reason.
#include "support/TestBook.h"

#include "db/CompanyDatabase.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

using namespace orv;

namespace {

struct Allowed {
    const char* file; // under tests/
    const char* table;
    const char* reason;
};

const Allowed kAllowed[] = {
    {"db/CompanyBookTest.cpp", "Employees",
     "the book's own refusal of a raw master write outside the program"},
    {"db/CompanyBookTest.cpp", "Forex_Master_T", "column rules of the exchange rates, proved by raw writes"},
    {"db/CompanyBookTest.cpp", "COA_T", "column rules of the chart, proved by raw writes"},
    {"db/CompanyBookTest.cpp", "Customers", "column rules of the customers, proved by raw writes"},
    {"db/CompanyBookTest.cpp", "Ledger_T", "check_invariants must find a leg changed outside the program"},
    {"db/CompanyBookTest.cpp", "Touched_Doc_T", "check_invariants must find a work-table row left behind"},
    {"db/FileConditionTest.cpp", "Temp_Employees",
     "a data class of the test's own sends a request under the write protocol to a damaged or busy file"},
    {"db/WriteProtocolTest.cpp", "Document_T", "the header rules of one write, reached below any data class"},
    {"db/WriteProtocolTest.cpp", "Orders",
     "an order header joining another write, or its lines naming another customer, reached below any data "
     "class"},
    {"db/WriteProtocolTest.cpp", "Journal_T",
     "a line outside its document's write, reached below any data class"},
    {"db/WriteProtocolTest.cpp", "Temp_Stock_T",
     "a goods or delivery line outside its document's write or naming another party, reached below any data "
     "class"},
    {"db/WriteProtocolTest.cpp", "Sales_T",
     "the customer-ledger line rules that no invoice's data class can reach"},
    {"db/WriteProtocolTest.cpp", "Purchases_T",
     "the supplier-ledger line rules that no invoice's data class can reach"},
    {"db/WriteProtocolTest.cpp", "Stock_Adj_T",
     "a line outside its document's write, reached below any data class"},
    {"db/WriteProtocolTest.cpp", "Touched_Doc_T", "a write must clear work-table rows of another write"},
    {"gl/LedgerBalanceTest.cpp", "Ledger_T",
     "the kept balances follow a leg changed or removed outside the program"},
    {"gl/LedgerBalanceTest.cpp", "Ledger_Balance_T",
     "check_invariants must find a kept balance changed by hand"},
    {"gl/frmCOASetupTest.cpp", "Category_T",
     "no window keeps account categories; the window reads them again"},
    {"ar/PartyRequestsTest.cpp", "Orders", "no landed document writes an order yet"},
    {"ar/PartyRequestsTest.cpp", "Forex_Unrealised_AR_T", "no landed document writes a translation yet"},
    {"ar/frmARSetupTest.cpp", "Forex_Master_T", "no landed window keeps exchange rates yet"},
    {"vat/VatRequestsTest.cpp", "VAT_Control", "no landed document writes a VAT record yet"},
    {"inventory/InventoryRequestsTest.cpp", "Stock_Item_T",
     "stock on hand for a set-up rule, before any movement"},
};

// The tables of the company file.
QSet<QString> bookTables() {
    Recordset rs =
        db::CompanyDatabase::execute(QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = "
                                                    "'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"));
    QSet<QString> tables;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        tables.insert(rs.value(0).toString());
    return tables;
}

class HandWrittenRows : public test::TestBook {};

} // namespace

TEST_F(HandWrittenRows, NoTestWritesABookTableExceptTheNamedRuleProbes) {
    const QSet<QString> tables = bookTables();
    ASSERT_TRUE(tables.contains(QStringLiteral("ledger_t")) && tables.contains(QStringLiteral("coa_t")));
    static const QRegularExpression write(QStringLiteral(
        "\\b(?:INSERT\\s+(?:OR\\s+[A-Z]+\\s+)?INTO|REPLACE\\s+INTO|UPDATE)\\s+([A-Za-z_][A-Za-z0-9_]*)"));
    const QString root = QStringLiteral(ORV_TEST_SOURCES);
    QSet<QString> used;
    int files = 0;
    QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString file = QDir(root).relativeFilePath(path);
        QFile source(path);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
        ++files;
        QTextStream in(&source);
        for (int lineNo = 1; !in.atEnd(); ++lineNo) {
            const QString line = in.readLine();
            for (auto m = write.globalMatch(line); m.hasNext();) {
                const QString table = m.next().captured(1);
                if (!tables.contains(table.toLower()))
                    continue;
                bool allowed = false;
                for (const Allowed& a : kAllowed)
                    if (file == QLatin1String(a.file) &&
                        table.compare(QLatin1String(a.table), Qt::CaseInsensitive) == 0) {
                        allowed = true;
                        used.insert(file + QLatin1Char(' ') + table.toLower());
                    }
                if (!allowed)
                    ADD_FAILURE() << file.toStdString() << ":" << lineNo << ": writes " << table.toStdString()
                                  << " by hand; build the book through the book builder or a data class";
            }
        }
    }
    EXPECT_GT(files, 50) << "the test sources were not found under " << root.toStdString();
    for (const Allowed& a : kAllowed)
        EXPECT_TRUE(
            used.contains(QLatin1String(a.file) + QLatin1Char(' ') + QString::fromLatin1(a.table).toLower()))
            << a.file << " no longer writes " << a.table << "; remove it from the allowed probes";
}
