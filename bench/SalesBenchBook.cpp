#include "SalesBenchBook.h"

#include "BenchBook.h"
#include "purchases/clsGRN.h"
#include "sales/clsDO_Entry.h"
#include "sales/clsSale_Entry.h"
#include "values/Recordset.h"

#include <QDate>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace orv::bench {

namespace {

const QDate kDelivered(2012, 6, 1);
const QDate kBilled(2012, 6, 15);

void account(int code, const QString& name, const QString& category, const QString& sub) {
    request(
        QStringLiteral("INSERT INTO Temp_COA (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC, "
                       "Status_bt, Function_type) VALUES (?, ?, 'BS', ?, ?, 1, 'C')"),
        {Variant(std::int32_t(code)), Variant(name), Variant(category), Variant(sub)});
}

void party(const char* table, int code, const QString& name) {
    request(QStringLiteral(
                "INSERT INTO %1 (customerid, CompanyName, Address, City, Region, PostalCode, Country, "
                "Phone, Credit_Term, Credit_Limit, Cur_Type, UnRG, UnRL, RG, RL, Forex, Function_type) "
                "VALUES (?, ?, '1 Main St', 'Singapore', 'Central', '123456', 'Singapore', '65551234', "
                "30, 99999999, 'SGD', 1, 1, 1, 1, 0, 'C')")
                .arg(QLatin1String(table)),
            {Variant(std::int32_t(code)), Variant(name)});
}

void addMasters() {
    for (int n = 0; n < kBenchCustomers; ++n) {
        account(benchCustomerAccount(n), QStringLiteral("Bench debtor %1").arg(n), QStringLiteral("ASSETS"),
                QStringLiteral("TRADE DEBTORS"));
        party("Temp_Customers", benchCustomerAccount(n), benchCustomer(n));
    }
    addBenchSupplier(kBenchSupplier, QStringLiteral("Bench supplier"));
    request(QStringLiteral("INSERT INTO Temp_Shippers (CompanyName, Phone, Shipaddr, Function_type) "
                           "VALUES ('Bench shipper', '62223333', '5 Harbour Rd', 'C')"),
            {});
    for (int n = 0; n < kBenchItems; ++n)
        request(QStringLiteral("INSERT INTO Temp_Product_T (Pdt_ID_VC, Pdt_Name_VC, Pdt_Descrip_VC, "
                               "Pdt_Category_VC, vat_code, Pdt_Acctset_VC, Function_type) "
                               "VALUES (?, ?, 'each', 'GEN', 1, 'STANDARD', 'C')"),
                {Variant(benchItem(n)), Variant(QStringLiteral("Bench item %1").arg(n))});
}

void set(Recordset& r, const char* field, const Variant& v) {
    r.setValue(QString::fromLatin1(field), v);
}

// Goods received: every item in layers, the deep items in a hundred of two.
void receive() {
    const auto note = [](int first, int last, int qty, int round) {
        std::vector<QString> items;
        for (int n = first; n < last; ++n)
            items.push_back(benchItem(n));
        receiveGoods(kBenchSupplier, items, qty, round);
    };
    for (int round = 0; round < 100; ++round)
        note(0, kDeepItems, 2, round);
    for (int round = 0; round < 5; ++round)
        for (int first = kDeepItems; first < kBenchItems; first += 100)
            note(first, first + 100, 400, round);
}

} // namespace

void addBenchSupplier(int code, const QString& name) {
    account(code, name, QStringLiteral("LIABILITIES"), QStringLiteral("TRADE CREDITORS"));
    party("Temp_Creditors", code, name);
}

std::int64_t receiveGoods(int supplier, const std::vector<QString>& items, int qty, int round) {
    clsGRN grn;
    Recordset header = grn.newHeader();
    set(header, "CustomerID", Variant(QString::number(supplier)));
    set(header, "EmployeeID", Variant(kBenchEmployee));
    set(header, "PO", Variant(QStringLiteral("BENCH")));
    set(header, "Cur_Type", Variant(QStringLiteral("SGD")));
    set(header, "Cur_Rate", Variant(Currency::fromUnits(1)));
    Recordset lines = grn.newLines();
    for (std::size_t n = 0; n < items.size(); ++n) {
        lines.addNew();
        set(lines, "Date", Variant(kDelivered.addDays(-30)));
        set(lines, "Product_No", Variant(items[n]));
        set(lines, "Qty_Order", Variant(std::int32_t(qty)));
        set(lines, "Description", Variant(QStringLiteral("bench receipt")));
        set(lines, "Doc_Type", Variant(QStringLiteral("GRN")));
        set(lines, "Unit_Price_TI", Variant(Currency::fromRaw(10000 + 137 * ((int(n) + round) % 50))));
        set(lines, "Order_Type", Variant(QStringLiteral("PO")));
        set(lines, "vat_code", Variant(std::int32_t(1)));
        set(lines, "vat_rate", Variant(Currency::fromRaw(700)));
        lines.update();
    }
    const QString number = grn.Send_Order(header, lines);
    if (number == clsGRN::kFailureText)
        throw std::runtime_error("a generated goods received note was refused");
    return number.toLongLong();
}

Recordset benchOrderHeader(Recordset h, int customer) {
    set(h, "CustomerID", Variant(QString::number(benchCustomerAccount(customer))));
    set(h, "EmployeeID", Variant(kBenchEmployee));
    set(h, "OrderDate", Variant(kBilled));
    set(h, "RequiredDate", Variant(kBilled.addDays(30)));
    set(h, "ShipVia", Variant(std::int64_t{1}));
    set(h, "ShipName", Variant(benchCustomer(customer)));
    set(h, "ShipAddress", Variant(QStringLiteral("1 Main St")));
    set(h, "ShipCity", Variant(QStringLiteral("Singapore")));
    set(h, "ShipCountry", Variant(QStringLiteral("Singapore")));
    set(h, "ShipPostalCode", Variant(QStringLiteral("123456")));
    // The delivery order's own field, and the invoice's.
    if (h.hasField(QStringLiteral("PO")))
        set(h, "PO", Variant(QStringLiteral("BENCH")));
    if (h.hasField(QStringLiteral("Cur_Rate"))) {
        set(h, "credit_term", Variant(std::int32_t(30)));
        set(h, "credit_limit", Variant(std::int32_t(99999999)));
        set(h, "Cur_Type", Variant(QStringLiteral("SGD")));
        set(h, "Cur_Rate", Variant(Currency::fromUnits(1)));
    }
    return h;
}

QString benchCustomer(int n) {
    return QStringLiteral("Bench customer %1").arg(n);
}
int benchCustomerAccount(int n) {
    return 8000 + n;
}
QString benchItem(int n) {
    return QStringLiteral("B%1").arg(n, 4, 10, QLatin1Char('0'));
}

void addDeliveryLine(Recordset& lines, const QString& item, int qty) {
    lines.addNew();
    set(lines, "Date", Variant(kDelivered));
    set(lines, "Product_No", Variant(item));
    set(lines, "Qty_Order", Variant(std::int32_t(qty)));
    set(lines, "Description", Variant(QStringLiteral("bench delivery")));
    set(lines, "Doc_Type", Variant(QStringLiteral("DO")));
    set(lines, "Sell_Price", Variant(Currency::fromUnits(25)));
    set(lines, "Order_Type", Variant(QStringLiteral("SO")));
    set(lines, "vat_code", Variant(std::int32_t(1)));
    set(lines, "vat_rate", Variant(Currency::fromRaw(700)));
    lines.update();
}

void addInvoiceLine(Recordset& lines, const QString& item, qint64 doNo, int qty) {
    lines.addNew();
    set(lines, "Product_No", Variant(item));
    set(lines, "Description", Variant(QStringLiteral("bench billing")));
    set(lines, "qty_to_bill", Variant(std::int32_t(qty)));
    set(lines, "Unit_Price", Variant(Currency::fromUnits(25)));
    set(lines, "do_no", Variant(std::int32_t(doNo)));
    set(lines, "PO", Variant(QStringLiteral("BENCH")));
    set(lines, "VAT_code", Variant(std::int32_t(1)));
    set(lines, "VAT_rate", Variant(Currency::fromRaw(700)));
    lines.update();
}

namespace {

// Deliveries of twenty lines and, for customers other than 1, twenty
// one-unit invoices per line: 100,000 open items in all, 10,000 of them
// customer 0's.
void sell() {
    clsDO_Entry delivery;
    clsSale_Entry sale;
    int item = kDeepItems;
    const auto deliver = [&](int customer, int qty) {
        Recordset lines = delivery.newLines();
        std::vector<QString> items;
        for (int i = 0; i < 20; ++i) {
            items.push_back(benchItem(item));
            addDeliveryLine(lines, items.back(), qty);
            item = item + 1 < kBenchItems ? item + 1 : kDeepItems;
        }
        const QString number = delivery.Send_Order(benchOrderHeader(delivery.newHeader(), customer), lines);
        if (number == clsDO_Entry::kFailureText)
            throw std::runtime_error("a generated delivery order was refused");
        return std::make_pair(number.toLongLong(), items);
    };
    for (int order = 0; order < 50; ++order)
        deliver(1, 100);
    std::int64_t invoices = 0;
    for (int order = 0; order < 250; ++order) {
        const int customer = order < 25 ? 0 : 2 + order % (kBenchCustomers - 2);
        const auto [doNo, items] = deliver(customer, 20);
        for (const QString& code : items)
            for (int unit = 0; unit < 20; ++unit) {
                Recordset lines = sale.newLines();
                addInvoiceLine(lines, code, doNo, 1);
                if (sale.Send_Order(benchOrderHeader(sale.newHeader(), customer), lines) ==
                    clsSale_Entry::kFailureText)
                    throw std::runtime_error("a generated invoice was refused");
                if (++invoices % 10000 == 0)
                    std::fprintf(stderr, "  %lld invoices\r", static_cast<long long>(invoices));
            }
    }
}

} // namespace

QString generatedSalesBook(std::int64_t postings, std::uint32_t seed) {
    return keptBook(QStringLiteral("sales-book-%1-seed%2.sqlite").arg(postings).arg(seed),
                    QStringLiteral("a year of sales on the %1-posting book").arg(postings),
                    generatedBook(postings, seed), [](const QString&) {
                        addMasters();
                        receive();
                        sell();
                    });
}

} // namespace orv::bench
