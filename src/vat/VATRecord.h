#pragma once

#include "ui/RecordFields.h"

#include <vector>

namespace orv {

// The staging record of a VAT code request, field by field. It keeps the
// party windows' field names; the data class copies them into the VAT
// columns. The types are what a request stages; the widths are the columns'.
inline std::vector<FieldDef> vatRecordFields() {
    return {{QStringLiteral("GL_ID"), DataType::Integer},          // VAT_Control
            {QStringLiteral("CompanyName"), DataType::Text},       // vat_name
            {QStringLiteral("Address"), DataType::Text},           // VAT_Descrip
            {QStringLiteral("City"), DataType::Text},              // VAT_Reg
            {QStringLiteral("Credit_Term"), DataType::Integer},    // vat_code
            {QStringLiteral("Credit_Limit"), DataType::Currency}}; // vat_rate
}

} // namespace orv
