#include "clsCOASetup.h"

namespace orv {

namespace {

const QString kName = QStringLiteral("GL_Name_VC");
// The fields the three requests share; a create adds the code before them and
// the status after, an update the status.
const QStringList kAccountFields = {kName, QStringLiteral("Acct_Type"), QStringLiteral("BS_Category_VC"),
                                    QStringLiteral("Sub_Category_VC")};
const QStringList kStatus = {QStringLiteral("Status_bt")};

} // namespace

const DataClass::FailureTexts clsCOASetup::kFailed{
    QStringLiteral("Account code already Exist, Creation Failed"), QStringLiteral("Account Update Failed"),
    QStringLiteral("Account Delete Failed")};

clsCOASetup::clsCOASetup()
    : MasterDataClass({{QStringLiteral("Temp_COA"), QStringLiteral("EXEC  select_coa_setup2  ?"), kFailed,
                        created(sameNames(QStringList{QStringLiteral("GL_ID")} + kAccountFields + kStatus),
                                QStringLiteral("Account code created under : "), QStringLiteral("GL_ID")),
                        updated(sameNames(kAccountFields + kStatus), kName),
                        deleted(sameNames(kAccountFields), kName)}}) {}

} // namespace orv
