#include "clsAPSetup.h"

#include "data/PartyRequest.h"

namespace orv {

namespace {

const QString kCreditors = QStringLiteral("Temp_Creditors");

DataClass::Mapping withVatReg(DataClass::Mapping mapping) {
    mapping.emplace_back(QStringLiteral("VAT_Reg"), QStringLiteral("VAT_Reg"));
    return mapping;
}

} // namespace

clsAPSetup::clsAPSetup() {
    Class_Initialize();
    declareIdBranches(
        {{QStringLiteral("Creditors"), QStringLiteral("SELECT * FROM Creditors WHERE CompanyName = ?"),
          QStringLiteral("CustomerID")},
         {QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"),
          QStringLiteral("GL_ID")}});
}

Recordset clsAPSetup::Get_Creditor_Details(const QString& CompanyName) {
    return read(QStringLiteral("EXEC select_creditor_setup  ?"), {Variant(CompanyName)});
}

Recordset clsAPSetup::Get_COA_Details(std::int32_t GL_ID) {
    return read(QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"), {Variant(GL_ID)});
}

QString clsAPSetup::Send_Order(const Recordset& rsNewCreditor) {
    return stagingRequest(rsNewCreditor, withVatReg(partyRequestMapping(true, true, true)),
                          {kCreditors, QStringLiteral("C"), kFailed.create,
                           QStringLiteral("Creditor would be created for "), QStringLiteral("customerid"),
                           QStringLiteral(" if this code has not been assigned yet")});
}

QString clsAPSetup::Update_Order(const Recordset& rsNewCreditor) {
    return stagingRequest(rsNewCreditor, withVatReg(partyRequestMapping(true, true, false)),
                          {kCreditors, QStringLiteral("U"), kFailed.update, QStringLiteral("Creditor "),
                           QStringLiteral("CompanyName"),
                           QStringLiteral(" details would be updated if no transaction been posted")});
}

QString clsAPSetup::Delete_Order(const Recordset& rsNewCreditor) {
    return stagingRequest(rsNewCreditor, partyRequestMapping(false, true, false),
                          {kCreditors, QStringLiteral("D"), kFailed.remove, QStringLiteral("Creditor "),
                           QStringLiteral("CompanyName"),
                           QStringLiteral(" would be Deleted if there is no transaction history")});
}

} // namespace orv
