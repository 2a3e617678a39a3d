#pragma once

#include "StockBook.h"
#include "sales/clsDO_Entry.h"
#include "sales/clsSale_Entry.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orv::test {

// What a sales invoice's header carries besides its lines: by default the
// book's LOCAL customer in its own currency at rate 1, ordered on 20 June 2010
// and required a week later.
struct SaleNote {
    int customer = 1200;
    QString currency = QStringLiteral("SGD");
    QString rate = QStringLiteral("1");
    QDate orderDate = QDate(2010, 6, 20);
    QDate requiredDate = QDate(2010, 6, 27);
};

// A stock book with customers and a shipper: a LOCAL customer (account 1200)
// and a FOREIGN one in USD (1210). Goods go out through the delivery order's
// data class and are billed through the sales invoice's, as the windows
// write them.
class SalesBook : public StockBook {
protected:
    static constexpr int kCustomer = 1200;
    static constexpr int kForeign = 1210;
    static constexpr int kSales = 4000;
    static constexpr int kCostOfSales = 5000;
    static constexpr int kShipped = 1310;
    static constexpr int kVat = 2200;

    struct Delivered {
        QString item;
        int qty;
        QString price = QStringLiteral("10");
        QDate date = QDate(2010, 6, 5);
        QString vatCode = QStringLiteral("1");
        QString vatRate = QStringLiteral("0.07");
    };
    struct Billed {
        QString item;
        qint64 doNo;
        int qty;
        QString price = QStringLiteral("10");
        QString vatCode = QStringLiteral("1");
        QString vatRate = QStringLiteral("0.07");
        QString po = QStringLiteral("PO-7");
    };

    void SetUp() override {
        StockBook::SetUp();
        addAccount(kCustomer, QStringLiteral("Acme Debtor"));
        addLocalCustomer(kCustomer, QStringLiteral("Acme Trading"));
        addAccount(kForeign, QStringLiteral("Boston Debtor"));
        addForeignCustomer(kForeign, QStringLiteral("Boston Imports"), QStringLiteral("USD"));
        addShipper(QStringLiteral("Swift Couriers"));
        shipper = scalar(QStringLiteral("SELECT ShipperID FROM Shippers")).toLongLong();
    }

    // The Orders header both windows fill, for a customer of the book.
    Recordset orderHeader(Recordset h, int customer, const QDate& orderDate, const QDate& requiredDate,
                          const QString& region = QString()) {
        assignText(h, QStringLiteral("CustomerID"), QString::number(customer));
        assignText(h, QStringLiteral("EmployeeID"), QString::number(employee));
        h.setValue(QStringLiteral("OrderDate"), Variant(orderDate));
        h.setValue(QStringLiteral("RequiredDate"), Variant(requiredDate));
        assignText(h, QStringLiteral("ShipVia"), QString::number(shipper));
        assignText(h, QStringLiteral("ShipName"), QStringLiteral("Acme Trading"));
        assignText(h, QStringLiteral("ShipAddress"), QStringLiteral("1 Main St"));
        assignText(h, QStringLiteral("ShipCity"), QStringLiteral("Singapore"));
        assignText(h, QStringLiteral("ShipRegion"), region);
        assignText(h, QStringLiteral("ShipCountry"), QStringLiteral("Singapore"));
        assignText(h, QStringLiteral("ShipPostalCode"), QStringLiteral("123456"));
        return h;
    }

    // A delivery order dated 5 June 2010; its number, or the failure text.
    QString deliver(const std::vector<Delivered>& lines, const QString& po = QStringLiteral("PO-7"),
                    int customer = kCustomer, const QString& region = QString()) {
        Recordset header =
            orderHeader(delivery.newHeader(), customer, QDate(2010, 6, 5), QDate(2010, 6, 12), region);
        assignText(header, QStringLiteral("PO"), po);
        Recordset rows = delivery.newLines();
        for (const Delivered& d : lines) {
            rows.addNew();
            rows.setValue(QStringLiteral("Date"), Variant(d.date));
            assignText(rows, QStringLiteral("Product_No"), d.item);
            assignText(rows, QStringLiteral("Qty_Order"), QString::number(d.qty));
            assignText(rows, QStringLiteral("Description"), QStringLiteral("delivered ") + d.item);
            assignText(rows, QStringLiteral("Doc_Type"), QStringLiteral("DO"));
            assignText(rows, QStringLiteral("Sell_Price"), d.price);
            assignText(rows, QStringLiteral("Order_Type"), QStringLiteral("SO"));
            assignText(rows, QStringLiteral("vat_code"), d.vatCode);
            assignText(rows, QStringLiteral("vat_rate"), d.vatRate);
        }
        const QString result = delivery.Send_Order(header, rows);
        lastReason = delivery.lastFailureReason();
        return result;
    }

    // A sales invoice of delivered lines; its number, or the failure text.
    QString invoice(const std::vector<Billed>& lines, const SaleNote& note = SaleNote()) {
        Recordset header = orderHeader(sale.newHeader(), note.customer, note.orderDate, note.requiredDate);
        assignText(header, QStringLiteral("credit_term"), QStringLiteral("30"));
        assignText(header, QStringLiteral("credit_limit"), QStringLiteral("5000"));
        assignText(header, QStringLiteral("Cur_Type"), note.currency);
        assignText(header, QStringLiteral("Cur_Rate"), note.rate);
        Recordset rows = sale.newLines();
        for (const Billed& b : lines) {
            rows.addNew();
            assignText(rows, QStringLiteral("Product_No"), b.item);
            assignText(rows, QStringLiteral("Description"), QStringLiteral("billed ") + b.item);
            assignText(rows, QStringLiteral("qty_to_bill"), QString::number(b.qty));
            assignText(rows, QStringLiteral("Unit_Price"), b.price);
            assignText(rows, QStringLiteral("do_no"), QString::number(b.doNo));
            assignText(rows, QStringLiteral("PO"), b.po);
            assignText(rows, QStringLiteral("VAT_code"), b.vatCode);
            assignText(rows, QStringLiteral("VAT_rate"), b.vatRate);
        }
        const QString result = sale.Send_Order(header, rows);
        lastReason = sale.lastFailureReason();
        return result;
    }

    clsDO_Entry delivery;
    clsSale_Entry sale;
    qint64 shipper = 0;
};

} // namespace orv::test
