#pragma once

#include "OrderDataClass.h"

namespace orv {

// The data class of the sales invoice. An invoice is one Orders row naming the
// customer, whose OrderID numbers it, and one Sales_T line (doc_type DO) per
// delivery line billed; the database posts the customer's open item, the
// sales and VAT, relieves the delivery's cost and writes the VAT records.
class clsSale_Entry : public OrderDataClass {
public:
    clsSale_Entry();

    // One row whose outstanding_amt is what the customer owes, or NULL.
    Recordset Get_Balance(const QString& name);
    // The customer's delivery lines not yet wholly billed, read by position:
    // item, delivered, billed, DO number, PO, price, VAT code, VAT rate.
    Recordset Get_Customer_Order(const QString& name);
};

} // namespace orv
