#include "StockBook.h"

#include "BenchBook.h"
#include "db/CompanyDatabase.h"
#include "inventory/clsStk_Adj.h"
#include "purchases/clsGRN.h"
#include "values/Recordset.h"

#include <QDate>
#include <cstdio>
#include <random>
#include <set>
#include <stdexcept>
#include <vector>

namespace orv::bench {

namespace {

void addStockMasters() {
    request(QStringLiteral("INSERT INTO Temp_Employees (LastName, FirstName, HireDate, BirthDate, Address, "
                           "HomePhone, Function_type) VALUES ('Tan', 'Mary', '2007-03-01', '1980-07-21', "
                           "'3 Hill St', '61112222', 'C')"),
            {});
    request(
        QStringLiteral("INSERT INTO Temp_COA (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC, "
                       "Status_bt, Function_type) VALUES (?, 'Harbour Supplies', 'BS', 'LIABILITIES', "
                       "'CURRENT LIABILITIES', 1, 'C')"),
        {Variant(std::int32_t(kStockSupplier))});
    request(QStringLiteral(
                "INSERT INTO Temp_Creditors (customerid, CompanyName, Address, City, Region, PostalCode, "
                "Country, Phone, Credit_Term, Credit_Limit, Cur_Type, UnRG, UnRL, RG, RL, Forex, VAT_Reg, "
                "Function_type) VALUES (?, 'Harbour Supplies', '8 Dock Rd', 'Singapore', 'West', "
                "'609000', 'Singapore', '62345678', 45, 20000, 'SGD', 1, 1, 1, 1, 0, 'M90312345X', 'C')"),
            {Variant(std::int32_t(kStockSupplier))});
    for (int i = 0; i < kStockItems; ++i)
        request(QStringLiteral(
                    "INSERT INTO Temp_Product_T (Pdt_ID_VC, Pdt_Name_VC, Pdt_Descrip_VC, Pdt_Category_VC, "
                    "vat_code, Pdt_Acctset_VC, Function_type) VALUES (?, ?, ?, 'GEN', 1, 'STANDARD', 'C')"),
                {Variant(stockItem(i)), Variant(QStringLiteral("Bench item %1").arg(i)),
                 Variant(QStringLiteral("Bench item %1 (each)").arg(i))});
}

struct OpenLayer {
    QString ref;
    int item;
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : m_random(seed) {}

    void receive(const QDate& date) {
        Recordset header = receivedHeader(m_grn, QStringLiteral("PO-%1").arg(m_notes++));
        Recordset lines = m_grn.newLines();
        std::uniform_int_distribution<int> item(0, kStockItems - 1);
        std::uniform_int_distribution<int> qty(1, 50);
        std::uniform_int_distribution<std::int64_t> cents(100, 9999);
        std::set<int> items;
        while (items.size() < size_t(kStockLines))
            items.insert(item(m_random));
        std::vector<int> order(items.begin(), items.end());
        for (int i : order) {
            const int units = qty(m_random);
            addReceived(lines, date, stockItem(i), units, Currency::fromRaw(cents(m_random) * 100));
        }
        const QString number = m_grn.Send_Order(header, lines);
        if (number == clsGRN::kFailureText)
            throw std::runtime_error("a generated goods received note was refused: " +
                                     m_grn.lastFailureReason().toStdString());
        for (size_t n = 0; n < order.size(); ++n)
            m_open.push_back({number + QLatin1Char('/') + QString::number(n + 1), order[n]});
    }

    // A count taking 20 open layers to nothing; false when fewer are open.
    bool count(const QDate& date) {
        if (m_open.size() < size_t(kStockLines))
            return false;
        Recordset header = countHeader(m_adjustment, date);
        Recordset lines = m_adjustment.newLines();
        for (int i = 0; i < kStockLines; ++i) {
            std::uniform_int_distribution<size_t> pick(0, m_open.size() - 1);
            const size_t k = pick(m_random);
            addCounted(lines, m_open[k].ref, stockItem(m_open[k].item), 0);
            m_open[k] = m_open.back();
            m_open.pop_back();
        }
        if (m_adjustment.Send_Order(header, lines) == clsStk_Adj::kFailureText)
            throw std::runtime_error("a generated stock count was refused: " +
                                     m_adjustment.lastFailureReason().toStdString());
        return true;
    }

private:
    std::mt19937 m_random;
    clsGRN m_grn;
    clsStk_Adj m_adjustment;
    std::vector<OpenLayer> m_open;
    int m_notes = 0;
};

void generate(std::int64_t moves, std::uint32_t seed) {
    addStockMasters();
    Generator book(seed);
    const QDate first(2008, 1, 1);
    const std::int64_t days = first.daysTo(QDate(2012, 12, 31)) + 1;
    const std::int64_t documents = std::max<std::int64_t>(1, moves / kStockLines);
    int lastTenth = 0;
    for (std::int64_t d = 0; d < documents; ++d) {
        const QDate date = first.addDays(d * days / documents);
        if (d % 10 < 7 || !book.count(date))
            book.receive(date);
        const int tenth = static_cast<int>(d * 10 / documents);
        if (tenth != lastTenth) {
            lastTenth = tenth;
            std::fprintf(stderr, "  %d%%\r", tenth * 10);
        }
    }
}

} // namespace

QString stockItem(int n) {
    return QStringLiteral("I%1").arg(n, 4, 10, QLatin1Char('0'));
}

Recordset receivedHeader(clsGRN& grn, const QString& po) {
    Recordset header = grn.newHeader();
    header.setValue(QStringLiteral("CustomerID"), Variant(QString::number(kStockSupplier)));
    header.setValue(QStringLiteral("EmployeeID"), Variant(std::int64_t{1}));
    header.setValue(QStringLiteral("PO"), Variant(po));
    header.setValue(QStringLiteral("Cur_Type"), Variant(QStringLiteral("SGD")));
    header.setValue(QStringLiteral("Cur_Rate"), Variant(Currency::fromUnits(1)));
    return header;
}

void addReceived(Recordset& lines, const QDate& date, const QString& item, int qty, Currency unitCost) {
    lines.addNew();
    lines.setValue(QStringLiteral("Date"), Variant(date));
    lines.setValue(QStringLiteral("Product_No"), Variant(item));
    lines.setValue(QStringLiteral("Qty_Order"), Variant(std::int32_t(qty)));
    lines.setValue(QStringLiteral("Description"), Variant(QStringLiteral("received ") + item));
    lines.setValue(QStringLiteral("Doc_Type"), Variant(QStringLiteral("GRN")));
    lines.setValue(QStringLiteral("Unit_Price_TI"), Variant(unitCost));
    lines.setValue(QStringLiteral("Order_Type"), Variant(QStringLiteral("PO")));
    lines.setValue(QStringLiteral("vat_code"), Variant(std::int32_t{1}));
    lines.setValue(QStringLiteral("vat_rate"), Variant(Currency::fromRaw(700)));
    lines.update();
}

Recordset countHeader(clsStk_Adj& adjustment, const QDate& date) {
    Recordset header = adjustment.newHeader();
    header.setValue(QStringLiteral("EmployeeID"), Variant(std::int64_t{1}));
    header.setValue(QStringLiteral("stock_in"), Variant(std::int32_t{1300}));
    header.setValue(QStringLiteral("Date"), Variant(date));
    return header;
}

void addCounted(Recordset& lines, const QString& ref, const QString& item, int qty) {
    lines.addNew();
    lines.setValue(QStringLiteral("Doc_ID"), Variant(ref));
    lines.setValue(QStringLiteral("Pdt_ID_VC"), Variant(item));
    lines.setValue(QStringLiteral("Qty_NU"), Variant(std::int32_t(qty)));
    lines.setValue(QStringLiteral("Description"), Variant(QStringLiteral("stock count")));
    lines.setValue(QStringLiteral("GL_ID"), Variant(std::int32_t{5100}));
    lines.update();
}

std::int64_t requestedMoves() {
    bool ok = false;
    const qlonglong n = qEnvironmentVariable("ORV_BENCH_MOVES").toLongLong(&ok);
    return ok && n > 0 ? n : 500'000;
}

QString generatedStockBook(std::int64_t moves, std::uint32_t seed) {
    return keptBook(
        QStringLiteral("stock-%1-seed%2.sqlite").arg(moves).arg(seed),
        QStringLiteral("a book of %1 stock moves (seed %2) through the stock documents").arg(moves).arg(seed),
        [&](const QString&) { generate(moves, seed); });
}

} // namespace orv::bench
