#include "clsCOASetup.h"

#include <QStringList>

namespace orv {

clsCOASetup::clsCOASetup() {
    Class_Initialize();
}

Recordset clsCOASetup::Get_COA_Details(const QString& GL_Name_VC) {
    return read(QStringLiteral("EXEC  select_coa_setup2  ?"), {Variant(GL_Name_VC)});
}

namespace {

const QString kStaging = QStringLiteral("Temp_COA");
const QString kName = QStringLiteral("GL_Name_VC");
// The fields the three requests share; a create adds the code before them and
// the status after, an update the status.
const QStringList kAccountFields = {kName, QStringLiteral("Acct_Type"), QStringLiteral("BS_Category_VC"),
                                    QStringLiteral("Sub_Category_VC")};
const QStringList kStatus = {QStringLiteral("Status_bt")};

} // namespace

QString clsCOASetup::Send_Order(const Recordset& rsNewCOA) {
    return stagingRequest(rsNewCOA,
                          sameNames(QStringList{QStringLiteral("GL_ID")} + kAccountFields + kStatus),
                          usualKind(kStaging, QStringLiteral("C"), kFailed.create, QStringLiteral("GL_ID"),
                                    QStringLiteral("Account code created under : ")));
}

QString clsCOASetup::Update_Order(const Recordset& rsNewCOA) {
    return stagingRequest(rsNewCOA, sameNames(kAccountFields + kStatus),
                          usualKind(kStaging, QStringLiteral("U"), kFailed.update, kName));
}

QString clsCOASetup::Delete_Order(const Recordset& rsNewCOA) {
    return stagingRequest(rsNewCOA, sameNames(kAccountFields),
                          usualKind(kStaging, QStringLiteral("D"), kFailed.remove, kName));
}

} // namespace orv
