#pragma once

#include "ui/RecordFields.h"
#include "values/Recordset.h"
#include "vat/VATRecord.h"

#include <QString>
#include <map>

namespace orv::test {

// The staging record of a VAT code as the VAT set-up window builds it (the
// party field names carry the VAT values), and the values of a valid code to
// start a request from.
using VatValues = std::map<QString, QString>;

inline Recordset vatStaging(const VatValues& values) {
    Recordset r = buildRecord(vatRecordFields(), true);
    for (const auto& [field, text] : values)
        assignText(r, field, text);
    return r;
}

// A code on the starter chart's VAT control account unless another is given.
inline VatValues vatCode(int code, const QString& name, const QString& rate, int control = 2200) {
    return {{"GL_ID", QString::number(control)},
            {"CompanyName", name},
            {"Address", name + QStringLiteral(" supplies")},
            {"City", QStringLiteral("VAT-000-001")},
            {"Credit_Term", QString::number(code)},
            {"Credit_Limit", rate}};
}

inline VatValues withVat(VatValues v, const QString& field, const QString& text) {
    v[field] = text;
    return v;
}

} // namespace orv::test
