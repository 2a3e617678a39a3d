#pragma once

#include "ui/RecordFields.h"
#include "values/Recordset.h"

#include <QString>
#include <map>

namespace orv::test {

// The staging record of a trading party as the customer and supplier windows
// build it (a supplier's also carries its VAT registration), and the values
// of a valid LOCAL or FOREIGN party to start a request from.
using PartyValues = std::map<QString, QString>;

inline Recordset partyStaging(const PartyValues& values, bool withVatReg = false) {
    std::vector<FieldDef> fields = {{QStringLiteral("GL_ID"), DataType::Integer},
                                    {QStringLiteral("CompanyName"), DataType::Text, 40},
                                    {QStringLiteral("Address"), DataType::Text, 60},
                                    {QStringLiteral("City"), DataType::Text, 15},
                                    {QStringLiteral("Region"), DataType::Text, 15},
                                    {QStringLiteral("PostalCode"), DataType::Text, 10},
                                    {QStringLiteral("Country"), DataType::Text, 15},
                                    {QStringLiteral("Phone"), DataType::Text, 24},
                                    {QStringLiteral("Credit_Term"), DataType::Integer},
                                    {QStringLiteral("Credit_Limit"), DataType::Integer},
                                    {QStringLiteral("Cur_Type"), DataType::Text, 10},
                                    {QStringLiteral("UnRG"), DataType::Integer},
                                    {QStringLiteral("UnRL"), DataType::Integer},
                                    {QStringLiteral("RG"), DataType::Integer},
                                    {QStringLiteral("RL"), DataType::Integer},
                                    {QStringLiteral("Forex"), DataType::Integer}};
    if (withVatReg)
        fields.push_back({QStringLiteral("VAT_Reg"), DataType::Text, 20});
    Recordset r = buildRecord(fields, true);
    for (const auto& [field, text] : values)
        assignText(r, field, text);
    return r;
}

inline PartyValues localParty(int code, const QString& name) {
    return {{"GL_ID", QString::number(code)},
            {"CompanyName", name},
            {"Address", "1 Main St"},
            {"City", "Singapore"},
            {"Region", "Central"},
            {"PostalCode", "123456"},
            {"Country", "Singapore"},
            {"Phone", "65551234"},
            {"Credit_Term", "30"},
            {"Credit_Limit", "5000"},
            {"Cur_Type", "SGD"},
            {"UnRG", "1"},
            {"UnRL", "1"},
            {"RG", "1"},
            {"RL", "1"},
            {"Forex", "0"}};
}

// A USD party on the starter chart's exchange gain and loss accounts.
inline PartyValues foreignParty(int code, const QString& name) {
    PartyValues v = localParty(code, name);
    v["Cur_Type"] = "USD";
    v["Forex"] = "1";
    v["UnRG"] = "4210";
    v["UnRL"] = "6510";
    v["RG"] = "4200";
    v["RL"] = "6500";
    return v;
}

inline PartyValues with(PartyValues v, const QString& field, const QString& text) {
    v[field] = text;
    return v;
}

} // namespace orv::test
