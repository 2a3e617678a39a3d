#pragma once

#include "TestBook.h"
#include "inventory/clsStk_Adj.h"
#include "purchases/clsGRN.h"
#include "ui/RecordFields.h"
#include "values/Recordset.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orv::test {

// What a goods received note's header and lines carry besides the goods: by
// default the book's supplier in its own currency at rate 1, goods received
// lines of VAT code 1.
struct GrnNote {
    QString supplier = QString(); // empty: the book's supplier
    QString currency = QStringLiteral("SGD");
    QString rate = QStringLiteral("1");
    QString docType = QStringLiteral("GRN");
    QString vatCode = QStringLiteral("1");
};

// A book with a local supplier, an employee and stock items on two account
// sets, one costed FIFO (the starter set STANDARD: stock 1300, received not
// billed 2100) and one AVEG (stock 1320, received not billed 2110); goods
// come in through the goods received note's own data class and are counted
// through the stock adjustment's.
class StockBook : public TestBook {
protected:
    static constexpr int kSupplier = 2010;
    static constexpr int kAvegStock = 1320;
    static constexpr int kAvegReceived = 2110;
    static constexpr int kAvegShipped = 1330;

    struct Received {
        QString item;
        int qty;
        QString unitCost;
        QDate date = QDate(2010, 6, 1);
    };

    void SetUp() override {
        TestBook::SetUp();
        addAccount(kSupplier, QStringLiteral("Harbour Supplies"));
        addLocalSupplier(kSupplier, QStringLiteral("Harbour Supplies"));
        employee = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
        addAccount(kAvegStock, QStringLiteral("Parts Stock"));
        addAccount(kAvegReceived, QStringLiteral("Parts Not Billed"));
        addAccount(kAvegShipped, QStringLiteral("Parts Shipped"));
        addAccountSet(QStringLiteral("PARTS"), kAvegStock, kAvegReceived, kAvegShipped,
                      QStringLiteral("AVEG"));
        addItem(QStringLiteral("A100"), QStringLiteral("Anchor bolt"));
        addItem(QStringLiteral("B200"), QStringLiteral("Bracket"));
        addItem(QStringLiteral("P300"), QStringLiteral("Pump seal"), QStringLiteral("GEN"),
                QStringLiteral("PARTS"));
    }

    // A goods received note; its number, or the data class's failure text.
    QString receive(const std::vector<Received>& lines, const QString& po = QStringLiteral("PO-1"),
                    const GrnNote& note = GrnNote()) {
        Recordset header = grn.newHeader();
        assignText(header, QStringLiteral("CustomerID"),
                   note.supplier.isEmpty() ? QString::number(kSupplier) : note.supplier);
        assignText(header, QStringLiteral("EmployeeID"), QString::number(employee));
        assignText(header, QStringLiteral("PO"), po);
        assignText(header, QStringLiteral("Cur_Type"), note.currency);
        assignText(header, QStringLiteral("Cur_Rate"), note.rate);
        Recordset rows = grn.newLines();
        for (const Received& r : lines) {
            rows.addNew();
            rows.setValue(QStringLiteral("Date"), Variant(r.date));
            assignText(rows, QStringLiteral("Product_No"), r.item);
            assignText(rows, QStringLiteral("Qty_Order"), QString::number(r.qty));
            assignText(rows, QStringLiteral("Description"), QStringLiteral("received ") + r.item);
            assignText(rows, QStringLiteral("Doc_Type"), note.docType);
            assignText(rows, QStringLiteral("Unit_Price_TI"), r.unitCost);
            assignText(rows, QStringLiteral("Order_Type"), QStringLiteral("PO"));
            assignText(rows, QStringLiteral("vat_code"), note.vatCode);
            assignText(rows, QStringLiteral("vat_rate"), QStringLiteral("0.07"));
        }
        const QString result = grn.Send_Order(header, rows);
        lastReason = grn.lastFailureReason();
        return result;
    }

    // A stock adjustment dated 10 June 2010 through its own data class: each
    // line sets a stock row (Doc_ID) to the quantity counted.
    struct Counted {
        QString docId;
        QString item;
        QString qty;
        QString price;
        int glId = 5100;
    };

    QString adjust(const std::vector<Counted>& lines, int stockAccount = 1300) {
        Recordset header = adjustment.newHeader();
        assignText(header, QStringLiteral("EmployeeID"), QString::number(employee));
        assignText(header, QStringLiteral("Stock_IN"), QString::number(stockAccount));
        header.setValue(QStringLiteral("Date"), Variant(QDate(2010, 6, 10)));
        Recordset rows = adjustment.newLines();
        for (const Counted& c : lines) {
            rows.addNew();
            assignText(rows, QStringLiteral("Doc_ID"), c.docId);
            assignText(rows, QStringLiteral("Pdt_ID_VC"), c.item);
            assignText(rows, QStringLiteral("Qty_NU"), c.qty);
            assignText(rows, QStringLiteral("Unit_Price_TI"), c.price);
            assignText(rows, QStringLiteral("Description"), QStringLiteral("stock count"));
            assignText(rows, QStringLiteral("GL_ID"), QString::number(c.glId));
        }
        const QString result = adjustment.Send_Order(header, rows);
        lastReason = adjustment.lastFailureReason();
        return result;
    }
    // The sum of the postings on an account.
    QString balance(int glId) {
        return scalar(
            QStringLiteral(
                "SELECT printf('%.2f', COALESCE(SUM(Amount_NU), 0) / 10000.0) FROM Ledger_T WHERE GL_ID = %1")
                .arg(glId));
    }
    // An item's quantity and value on hand, "qty/value".
    QString onHand(const QString& item) {
        return scalar(
            QStringLiteral(
                "SELECT Qty_On_Hand || '/' || printf('%.2f', Value_On_Hand / 10000.0) FROM Stock_Item_T "
                "WHERE Pdt_ID_VC = '%1'")
                .arg(item));
    }

    clsGRN grn;
    clsStk_Adj adjustment;
    qint64 employee = 0;
    QString lastReason;
};

} // namespace orv::test
