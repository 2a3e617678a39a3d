#include "clsVATSetup.h"

namespace orv {

namespace {

const QString kVat = QStringLiteral("Temp_VAT");

const DataClass::Mapping& vatMapping() {
    static const DataClass::Mapping mapping = {
        {QStringLiteral("GL_ID"), QStringLiteral("VAT_Control")},
        {QStringLiteral("CompanyName"), QStringLiteral("vat_name")},
        {QStringLiteral("Address"), QStringLiteral("VAT_Descrip")},
        {QStringLiteral("City"), QStringLiteral("VAT_Reg")},
        {QStringLiteral("Credit_Term"), QStringLiteral("vat_code")},
        {QStringLiteral("Credit_Limit"), QStringLiteral("vat_rate")},
    };
    return mapping;
}

} // namespace

clsVATSetup::clsVATSetup() {
    Class_Initialize();
    declareIdBranches({{QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"),
                        QStringLiteral("GL_ID")}});
}

QHash<QString, int> clsVATSetup::textWidths(const QString& table) {
    return underFields(DataClass::textWidths(table), vatMapping());
}

Recordset clsVATSetup::Get_Creditor_Details(const QString& vat_name) {
    return read(QStringLiteral("EXEC select_VAT_setup  ?"), {Variant(vat_name)});
}

Recordset clsVATSetup::Get_COA_Details(std::int32_t GL_ID) {
    return read(QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"), {Variant(GL_ID)});
}

QString clsVATSetup::Send_Order(const Recordset& rsNewCreditor) {
    return stagingRequest(rsNewCreditor, vatMapping(),
                          usualKind(kVat, QStringLiteral("C"), kFailed.create, QStringLiteral("vat_name"),
                                    QStringLiteral("VAT code created under : ")));
}

QString clsVATSetup::Update_Order(const Recordset& rsNewCreditor) {
    return stagingRequest(rsNewCreditor, vatMapping(),
                          {kVat, QStringLiteral("U"), kFailed.update, QStringLiteral("VAT "),
                           QStringLiteral("vat_name"),
                           QStringLiteral(" details would be updated if no transaction been posted")});
}

QString clsVATSetup::Delete_Order(const Recordset& rsNewCreditor) {
    return stagingRequest(rsNewCreditor, vatMapping(),
                          {kVat, QStringLiteral("D"), kFailed.remove, QStringLiteral("VAT Details "),
                           QStringLiteral("vat_name"),
                           QStringLiteral(" would be Deleted if there is no transaction history")});
}

} // namespace orv
