#pragma once

#include "data/DataClass.h"

#include <vector>

namespace orv {

// What the delivery order's and the sales invoice's data classes share: both
// write one Orders row, whose OrderID numbers the document, find the customer,
// employee and shipper by the names the window shows, and read the customer
// picked.
class OrderDataClass : public DataClass {
public:
    static inline const QString kFailureText = QStringLiteral("Error Entering Order");

    OrderDataClass();

    // The customer of one name, every column of its Customers row.
    Recordset Get_Customer_Details(const QString& name);

protected:
    // The Orders columns from the header record: Freight is declared and
    // copied but never given a value, and ShipRegion is left out of the row
    // (so it stays NULL) when the header's region is blank.
    static std::vector<DocColumn> orderColumns(const Recordset& header);
};

} // namespace orv
