#include "clsCashSetup.h"

namespace orv {

namespace {

const QString kBank = QStringLiteral("Temp_Bank");
const QString kName = QStringLiteral("Bank_name");

DataClass::Mapping bankMapping(bool withCode) {
    DataClass::Mapping mapping;
    if (withCode)
        mapping.emplace_back(QStringLiteral("GL_ID"), QStringLiteral("Bank_Code_VC"));
    mapping.emplace_back(kName, kName);
    mapping.emplace_back(QStringLiteral("Bank_Add_VC"), QStringLiteral("Bank_Add_VC"));
    mapping.emplace_back(QStringLiteral("Bank_Contact_VC"), QStringLiteral("Bank_Contact_VC"));
    return mapping;
}

} // namespace

clsCashSetup::clsCashSetup() {
    Class_Initialize();
    declareIdBranches({{QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"),
                        QStringLiteral("GL_ID")}});
}

Recordset clsCashSetup::Get_Cash_Details(const QString& bank_name) {
    return read(QStringLiteral("EXEC select_cash_setup  ?"), {Variant(bank_name)});
}

Recordset clsCashSetup::Get_COA_Details(std::int32_t id) {
    return read(QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"), {Variant(id)});
}

QString clsCashSetup::Send_Order(const Recordset& rsNewBank) {
    return stagingRequest(rsNewBank, bankMapping(true),
                          {kBank, QStringLiteral("C"), kFailed.create,
                           QStringLiteral("Bank Details would be created under : "),
                           QStringLiteral("Bank_Code_VC"), QStringLiteral(" for unassigned code")});
}

QString clsCashSetup::Update_Order(const Recordset& rsNewBank) {
    return stagingRequest(rsNewBank, bankMapping(false),
                          usualKind(kBank, QStringLiteral("U"), kFailed.update, kName));
}

QString clsCashSetup::Delete_Order(const Recordset& rsNewBank) {
    return stagingRequest(rsNewBank, bankMapping(false),
                          usualKind(kBank, QStringLiteral("D"), kFailed.remove, kName));
}

} // namespace orv
