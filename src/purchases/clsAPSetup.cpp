#include "clsAPSetup.h"

#include "data/PartyRequest.h"

namespace orv {

namespace {

// A supplier's create and update carry its VAT registration number too.
DataClass::Mapping withVatReg(DataClass::Mapping mapping) {
    mapping.emplace_back(QStringLiteral("VAT_Reg"), QStringLiteral("VAT_Reg"));
    return mapping;
}

SetupRecord suppliers(const DataClass::FailureTexts& failed) {
    const QString name = QStringLiteral("CompanyName");
    return {QStringLiteral("Temp_Creditors"),
            QStringLiteral("EXEC select_creditor_setup  ?"),
            failed,
            {withVatReg(partyRequestMapping(true, true, true)),
             QStringLiteral("Creditor would be created for "), QStringLiteral("customerid"),
             QStringLiteral(" if this code has not been assigned yet")},
            {withVatReg(partyRequestMapping(true, true, false)), QStringLiteral("Creditor "), name,
             QStringLiteral(" details would be updated if no transaction been posted")},
            {partyRequestMapping(false, true, false), QStringLiteral("Creditor "), name,
             QStringLiteral(" would be Deleted if there is no transaction history")}};
}

} // namespace

const DataClass::FailureTexts clsAPSetup::kFailed{
    QStringLiteral("Creditor Name already Exist, Creation Failed"), QStringLiteral("Creditor Update Failed"),
    QStringLiteral("Creditor Delete Failed")};

clsAPSetup::clsAPSetup()
    : MasterDataClass({suppliers(kFailed)}, {{QStringLiteral("Creditors"),
                                              QStringLiteral("SELECT * FROM Creditors WHERE CompanyName = ?"),
                                              QStringLiteral("CustomerID")},
                                             chartBranch()}) {}

} // namespace orv
