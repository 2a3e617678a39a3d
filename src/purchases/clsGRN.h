#pragma once

#include "data/DataClass.h"

namespace orv {

// The data class of the goods received note. A note is one Document_T row
// naming the supplier, whose DocID numbers it, and one Temp_Stock_T row per
// line; the database brings the goods into stock at cost and keeps each line
// open for the supplier's invoice.
class clsGRN : public DataClass {
public:
    static inline const QString kFailureText = QStringLiteral("Error Entering Order");

    clsGRN();

    // The stock list (select_stock_bal_display): category, item code, name,
    // VAT code, VAT rate as a fraction, quantity in stock, read by position.
    Recordset Get_Products();
    // The supplier of one name, every column of its Creditors row.
    Recordset Get_Customer_Details(const QString& name);
    // Writes the note (newHeader, newLines): the posting number, or
    // kFailureText with nothing kept.
    QString Send_Order(const Recordset& header, const Recordset& lines) {
        return writeDocument(kFailureText, header, lines);
    }
};

} // namespace orv
