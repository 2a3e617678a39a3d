#include "clsVATSetup.h"

namespace orv {

namespace {

DataClass::Mapping vatMapping() {
    return {
        {QStringLiteral("GL_ID"), QStringLiteral("VAT_Control")},
        {QStringLiteral("CompanyName"), QStringLiteral("vat_name")},
        {QStringLiteral("Address"), QStringLiteral("VAT_Descrip")},
        {QStringLiteral("City"), QStringLiteral("VAT_Reg")},
        {QStringLiteral("Credit_Term"), QStringLiteral("vat_code")},
        {QStringLiteral("Credit_Limit"), QStringLiteral("vat_rate")},
    };
}

} // namespace

const DataClass::FailureTexts clsVATSetup::kFailed{QStringLiteral("VAT Name already Exist, Creation Failed"),
                                                   QStringLiteral("VAT Update Failed"),
                                                   QStringLiteral("VAT Delete Failed")};

clsVATSetup::clsVATSetup()
    : MasterDataClass(
          {{QStringLiteral("Temp_VAT"),
            QStringLiteral("EXEC select_VAT_setup  ?"),
            kFailed,
            created(vatMapping(), QStringLiteral("VAT code created under : "), QStringLiteral("vat_name")),
            {vatMapping(), QStringLiteral("VAT "), QStringLiteral("vat_name"),
             QStringLiteral(" details would be updated if no transaction been posted")},
            {vatMapping(), QStringLiteral("VAT Details "), QStringLiteral("vat_name"),
             QStringLiteral(" would be Deleted if there is no transaction history")}}},
          {chartBranch()}) {}

} // namespace orv
