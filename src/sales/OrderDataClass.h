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
    // Writes the document (newHeader, newLines): its number, or kFailureText
    // with nothing kept.
    QString Send_Order(const Recordset& header, const Recordset& lines) {
        return writeDocument(kFailureText, header, lines);
    }

protected:
    // The header fields of an Orders row, then the document's own.
    static std::vector<FieldInfo> orderFields(std::vector<FieldInfo> own);
    // The Orders columns from the header record: Freight is declared and
    // copied but never given a value, and ShipRegion is left out of the row
    // (so it stays NULL) when the header's region is blank.
    static std::vector<DocColumn> orderColumns();
};

} // namespace orv
