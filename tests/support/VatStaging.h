#pragma once

#include "data/Recordset.h"
#include "ui/RecordFields.h"
#include "vat/clsVATSetup.h"

#include <QString>
#include <gtest/gtest.h>
#include <map>

namespace orv::test {

// The staging record of a VAT code as the VAT set-up window builds it (the
// party field names carry the VAT values), and a helper that creates a code
// through the window's data class, so the book's own rules apply. A test
// program using it links the VAT library.
using VatValues = std::map<QString, QString>;

inline Recordset vatStaging(const VatValues& values) {
    Recordset r = buildRecord({{QStringLiteral("GL_ID"), DataType::Integer},
                               {QStringLiteral("CompanyName"), DataType::Text, 30},
                               {QStringLiteral("Address"), DataType::Text, 60},
                               {QStringLiteral("City"), DataType::Text, 30},
                               {QStringLiteral("Credit_Term"), DataType::Integer},
                               {QStringLiteral("Credit_Limit"), DataType::Currency}},
                              true);
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

// Creates the code and fails the test when the book refuses it.
inline void addVatCode(int code, const QString& name, const QString& rate, int control = 2200) {
    clsVATSetup data;
    const QString said = data.Send_Order(vatStaging(vatCode(code, name, rate, control)));
    EXPECT_EQ(said, QStringLiteral("VAT code created under : ") + name)
        << data.lastFailureReason().toStdString();
}

} // namespace orv::test
