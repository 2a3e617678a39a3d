#include "clsCashSetup.h"

namespace orv {

namespace {

const QString kName = QStringLiteral("Bank_name");

// Only a create carries the code: the staging record's GL_ID travels as
// Bank_Code_VC.
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

const DataClass::FailureTexts clsCashSetup::kFailed{
    QStringLiteral("Bank Name already Exist, Creation Failed"), QStringLiteral("Cash Details Update Failed"),
    QStringLiteral("Cash Details Delete Failed")};

clsCashSetup::clsCashSetup()
    : MasterDataClass({{QStringLiteral("Temp_Bank"),
                        QStringLiteral("EXEC select_cash_setup  ?"),
                        kFailed,
                        {bankMapping(true), QStringLiteral("Bank Details would be created under : "),
                         QStringLiteral("Bank_Code_VC"), QStringLiteral(" for unassigned code")},
                        updated(bankMapping(false), kName),
                        deleted(bankMapping(false), kName)}},
                      {chartBranch()}) {}

} // namespace orv
