#pragma once

#include "OrderDataClass.h"

namespace orv {

// The data class of the delivery order. An order is one Orders row naming the
// customer, whose OrderID numbers it, and one Temp_Stock_T row per line; the
// database takes the goods out of stock at cost and keeps each line open for
// the customer's invoice.
class clsDO_Entry : public OrderDataClass {
public:
    clsDO_Entry();

    // The stock list (select_delivery_order_display): category, item code,
    // name, VAT code, VAT rate as a fraction, quantity in stock, by position.
    Recordset Get_Products();
};

} // namespace orv
