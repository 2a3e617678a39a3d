#include "PartyRequest.h"

namespace orv {

DataClass::Mapping partyRequestMapping(bool withKey, bool withAccounts, bool withForex) {
    DataClass::Mapping mapping;
    if (withKey)
        mapping.emplace_back(QStringLiteral("GL_ID"), QStringLiteral("customerid"));
    QStringList fields = {QStringLiteral("CompanyName"),  QStringLiteral("Address"),
                          QStringLiteral("City"),         QStringLiteral("Region"),
                          QStringLiteral("PostalCode"),   QStringLiteral("Country"),
                          QStringLiteral("Phone"),        QStringLiteral("Credit_Term"),
                          QStringLiteral("Credit_Limit"), QStringLiteral("Cur_Type")};
    if (withAccounts)
        fields << QStringLiteral("UnRG") << QStringLiteral("UnRL") << QStringLiteral("RG")
               << QStringLiteral("RL");
    if (withForex)
        fields << QStringLiteral("Forex");
    for (const QString& f : fields)
        mapping.emplace_back(f, f);
    return mapping;
}

} // namespace orv
