#pragma once

#include "values/Recordset.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace orv::bench {

// The generated book (generatedBook) with a year of sales on it, written the
// way the clerk writes it: customers, a supplier, a shipper and 2,000 FIFO
// items through their staging requests; goods received through clsGRN, each
// item in several layers (the first hundred in a hundred layers of two);
// deliveries through clsDO_Entry and 100,000 one-line invoices through
// clsSale_Entry. Customer 0 holds 10,000 open items, customer 1 a thousand
// delivery lines not yet billed. Kept in the benchmark cache folder beside
// the book it starts from; made again only when missing.
QString generatedSalesBook(std::int64_t postings, std::uint32_t seed = 1);

// The generated sales book's names and numbers.
QString benchCustomer(int n);    // "Bench customer <n>"
int benchCustomerAccount(int n); // its account, 8000 + n
QString benchItem(int n);        // "B0000" .. "B1999"
constexpr int kBenchCustomers = 101;
constexpr int kBenchItems = 2000;
constexpr int kDeepItems = 100; // the items of a hundred layers of two
constexpr int kBenchSupplier = 2600;
constexpr std::int64_t kBenchEmployee = 1;

// A supplier on an account of its own (a LOCAL one, in SGD), through the
// staging requests.
void addBenchSupplier(int code, const QString& name);
// A goods received note of the supplier through clsGRN, one line per item,
// each of qty units at a price that varies with the line and the round,
// received 2 May 2012 at VAT code 1 (7 %); returns its posting number.
std::int64_t receiveGoods(int supplier, const std::vector<QString>& items, int qty, int round);

// The records the delivery order and the invoice windows hand their data
// classes, as the classes declare them: a header for a bench customer (rate
// 1, ordered 15 June 2012), delivery lines dated 1 June 2012 at 25.00 and
// invoice lines at 25.00, both at VAT code 1 (7 %).
Recordset benchOrderHeader(Recordset header, int customer);
void addDeliveryLine(Recordset& lines, const QString& item, int qty);
void addInvoiceLine(Recordset& lines, const QString& item, qint64 doNo, int qty);

} // namespace orv::bench
