#pragma once

#include "data/DataClass.h"

namespace orv {

// The data class of the purchase invoice. An invoice is one Document_T row
// naming the supplier and its own invoice number, whose DocID numbers it, and
// one Purchases_T row per goods received line it bills; the database posts the
// supplier's open item, the purchase VAT and the relief of the received lines.
class clsPurInv : public DataClass {
public:
    static inline const QString kFailureText =
        QStringLiteral("Duplicate Invoice No not Allowed, Error Entering Invoice");

    clsPurInv();

    // The supplier of one name, every column of its Creditors row.
    Recordset Get_Customer_Details(const QString& name);
    // The supplier's received lines still to bill (select_creditor_order),
    // read by position: item, received, billed, GRN number, PO, currency,
    // rate, unit price, VAT code, VAT rate as a fraction.
    Recordset Get_Customer_Order(const QString& name);
    // Writes the invoice (newHeader, newLines): the posting number, or
    // kFailureText with nothing kept.
    QString Send_Order(const Recordset& header, const Recordset& lines) {
        return writeDocument(kFailureText, header, lines);
    }
};

} // namespace orv
