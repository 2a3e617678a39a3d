#include "clsCOASetup.h"

#include <QStringList>

namespace orv {

clsCOASetup::clsCOASetup() {
    Class_Initialize();
}

Recordset clsCOASetup::Get_COA_Details(const QString& GL_Name_VC) {
    return read(QStringLiteral("EXEC  select_coa_setup2  '") + sqlQuote(GL_Name_VC) + QStringLiteral("'"));
}

QString clsCOASetup::request(const Recordset& staging, const QStringList& fields, const QString& functionType,
                             const QString& failureText,
                             const std::function<QString(const Recordset&)>& sentence) {
    return write(failureText, [&] {
        Recordset row = openTable(QStringLiteral("Temp_COA"));
        row.addNew();
        for (const QString& field : fields)
            row.setValue(field, staging.value(field));
        row.setValue(QStringLiteral("Function_type"), functionType);
        row.update();
        return sentence(row);
    });
}

QString clsCOASetup::Send_Order(const Recordset& rsNewCOA) {
    static const QStringList fields = {QStringLiteral("GL_ID"),           QStringLiteral("GL_Name_VC"),
                                       QStringLiteral("Acct_Type"),       QStringLiteral("BS_Category_VC"),
                                       QStringLiteral("Sub_Category_VC"), QStringLiteral("Status_bt")};
    return request(rsNewCOA, fields, QStringLiteral("C"), kCreateFailed, [](const Recordset& saved) {
        return QStringLiteral("Account code created under : ") +
               saved.value(QStringLiteral("GL_ID")).toString();
    });
}

QString clsCOASetup::Update_Order(const Recordset& rsNewCOA) {
    static const QStringList fields = {QStringLiteral("GL_Name_VC"), QStringLiteral("Acct_Type"),
                                       QStringLiteral("BS_Category_VC"), QStringLiteral("Sub_Category_VC"),
                                       QStringLiteral("Status_bt")};
    return request(rsNewCOA, fields, QStringLiteral("U"), kUpdateFailed, [](const Recordset& saved) {
        return saved.value(QStringLiteral("GL_Name_VC")).toString() + QStringLiteral(" have been updated");
    });
}

QString clsCOASetup::Delete_Order(const Recordset& rsNewCOA) {
    static const QStringList fields = {QStringLiteral("GL_Name_VC"), QStringLiteral("Acct_Type"),
                                       QStringLiteral("BS_Category_VC"), QStringLiteral("Sub_Category_VC")};
    return request(rsNewCOA, fields, QStringLiteral("D"), kDeleteFailed, [](const Recordset& saved) {
        return saved.value(QStringLiteral("GL_Name_VC")).toString() +
               QStringLiteral(" would be Deleted if there is no transaction history");
    });
}

} // namespace orv
