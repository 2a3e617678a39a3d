#include "FakeSetupData.h"

namespace orv::test {

namespace {
std::vector<FieldInfo> accountFields() {
    return {{QStringLiteral("GL_ID"), DataType::Integer, 0},
            {QStringLiteral("GL_Name_VC"), DataType::Text, 20},
            {QStringLiteral("Acct_Type"), DataType::Text, 10},
            {QStringLiteral("Status_bt"), DataType::Integer, 0}};
}
} // namespace

Recordset FakeSetupData::Get_Table_Recordset(const QString& table) {
    ++tableReads;
    std::vector<std::vector<Variant>> rows;
    if (table == QLatin1String("COA_T")) {
        for (const Account& a : accounts) {
            rows.push_back({Variant(std::int32_t(a.code)), Variant(a.name), Variant(a.type),
                            Variant(a.status).convertedTo(DataType::Integer)});
        }
    }
    return Recordset::detached(accountFields(), std::move(rows));
}

Recordset FakeSetupData::Get_COA_Details(const QString& name) const {
    std::vector<std::vector<Variant>> rows;
    for (const Account& a : accounts) {
        if (a.name == name) {
            rows.push_back({Variant(std::int32_t(a.code)), Variant(a.name), Variant(a.type),
                            Variant(a.status).convertedTo(DataType::Integer)});
        }
    }
    return Recordset::detached(accountFields(), std::move(rows));
}

void FakeSetupData::keep(const QString& functionType, const Recordset& staging,
                         const std::vector<QString>& fields) {
    RequestRow row{functionType, {}};
    for (const QString& f : fields) {
        row.fields[f] = staging.value(f);
    }
    requests.push_back(std::move(row));
}

QString FakeSetupData::Send_Order(const Recordset& staging) {
    if (failWrites) {
        return QStringLiteral("Account code already Exist, Creation Failed");
    }
    keep(QStringLiteral("C"), staging,
         {QStringLiteral("GL_ID"), QStringLiteral("GL_Name_VC"), QStringLiteral("Acct_Type"),
          QStringLiteral("Status_bt")});
    accounts.push_back({staging.value(QStringLiteral("GL_ID")).toInt32(),
                        staging.value(QStringLiteral("GL_Name_VC")).toString(),
                        staging.value(QStringLiteral("Acct_Type")).toString(),
                        staging.value(QStringLiteral("Status_bt")).toString()});
    return QStringLiteral("Account code created under : ") +
           staging.value(QStringLiteral("GL_ID")).toString();
}

QString FakeSetupData::Update_Order(const Recordset& staging) {
    if (failWrites) {
        return QStringLiteral("Account Update Failed");
    }
    keep(QStringLiteral("U"), staging,
         {QStringLiteral("GL_Name_VC"), QStringLiteral("Acct_Type"), QStringLiteral("Status_bt")});
    return staging.value(QStringLiteral("GL_Name_VC")).toString() + QStringLiteral(" have been updated");
}

QString FakeSetupData::Delete_Order(const Recordset& staging) {
    if (failWrites) {
        return QStringLiteral("Account Delete Failed");
    }
    keep(QStringLiteral("D"), staging, {QStringLiteral("GL_Name_VC"), QStringLiteral("Acct_Type")});
    return staging.value(QStringLiteral("GL_Name_VC")).toString() +
           QStringLiteral(" would be Deleted if there is no transaction history");
}

} // namespace orv::test
