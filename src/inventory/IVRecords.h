#pragma once

#include "ui/RecordFields.h"

#include <vector>

namespace orv {

// The request records of the inventory set-up window, field by field: the
// widths and types are the limits of what a request can stage.
inline std::vector<FieldDef> categoryRecordFields() {
    return {{QStringLiteral("Pdt_Category_VC"), DataType::Text, 20},
            {QStringLiteral("Category_Name_VC"), DataType::Text, 15},
            {QStringLiteral("Sales_IN"), DataType::Integer},
            {QStringLiteral("COS_IN"), DataType::Integer}};
}

inline std::vector<FieldDef> accountSetRecordFields() {
    return {{QStringLiteral("Pdt_AcctSet_VC"), DataType::Text, 20},
            {QStringLiteral("cost_method_VC"), DataType::Text, 5},
            {QStringLiteral("stock_IN"), DataType::Integer},
            {QStringLiteral("payable_IN"), DataType::Integer},
            {QStringLiteral("shipment_IN"), DataType::Integer}};
}

inline std::vector<FieldDef> itemRecordFields() {
    return {{QStringLiteral("Pdt_ID_VC"), DataType::Text, 20},
            {QStringLiteral("Pdt_Name_VC"), DataType::Text, 30},
            {QStringLiteral("Pdt_Descrip_VC"), DataType::Text, 40},
            {QStringLiteral("Pdt_Category_VC"), DataType::Text, 20},
            {QStringLiteral("vat_code"), DataType::Integer},
            {QStringLiteral("Pdt_Acctset_VC"), DataType::Text, 20}};
}

} // namespace orv
