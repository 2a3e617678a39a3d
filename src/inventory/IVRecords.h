#pragma once

#include "ui/RecordFields.h"

#include <vector>

namespace orv {

// The request records of the inventory set-up window, field by field: the
// types are what a request stages; the widths come from the staging tables.
inline std::vector<FieldDef> categoryRecordFields() {
    return {{QStringLiteral("Pdt_Category_VC"), DataType::Text},
            {QStringLiteral("Category_Name_VC"), DataType::Text},
            {QStringLiteral("Sales_IN"), DataType::Integer},
            {QStringLiteral("COS_IN"), DataType::Integer}};
}

inline std::vector<FieldDef> accountSetRecordFields() {
    return {{QStringLiteral("Pdt_AcctSet_VC"), DataType::Text},
            {QStringLiteral("cost_method_VC"), DataType::Text},
            {QStringLiteral("stock_IN"), DataType::Integer},
            {QStringLiteral("payable_IN"), DataType::Integer},
            {QStringLiteral("shipment_IN"), DataType::Integer}};
}

inline std::vector<FieldDef> itemRecordFields() {
    return {{QStringLiteral("Pdt_ID_VC"), DataType::Text},
            {QStringLiteral("Pdt_Name_VC"), DataType::Text},
            {QStringLiteral("Pdt_Descrip_VC"), DataType::Text},
            {QStringLiteral("Pdt_Category_VC"), DataType::Text},
            {QStringLiteral("vat_code"), DataType::Integer},
            {QStringLiteral("Pdt_Acctset_VC"), DataType::Text}};
}

} // namespace orv
