#pragma once

#include "data/DataClass.h"

#include <QDate>

namespace orv {

// The data class of the stock adjustment. A journal is one Document_T row
// with the employee and the posting date, whose DocID numbers it, and one
// Stock_Adj_T row per counted stock row; the database sets each row to its
// counted quantity against the line's account.
class clsStk_Adj : public DataClass {
public:
    clsStk_Adj();

    // The account set with that Acctset_ID, every column of its row.
    Recordset Get_Customer_Details(const QString& id);
    // The stock rows offered for the set (stock_balance_adjustment): Doc_ID,
    // item code, quantity, unit price, item name, read by position.
    Recordset Get_Customer_Order(const QString& id);
    // A page of those rows: the rows of the next `items` items after the item
    // `afterItem` (empty: from the first), in the list's order.
    Recordset Get_Customer_Order(const QString& id, const QString& afterItem, int items);
    // The day the goods of a stock row were received; a null date for an
    // item's row that holds nothing.
    QDate receivedOn(const QString& docId);

    // Writes the journal (newHeader, newLines): the journal number, or the
    // failure text with nothing kept, whatever the books refused.
    static inline const QString kFailureText = QStringLiteral("COA Code does not exist in Chart of Account");
    QString Send_Order(const Recordset& header, const Recordset& lines) {
        return writeDocument(kFailureText, header, lines);
    }
};

} // namespace orv
