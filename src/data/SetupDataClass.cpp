#include "SetupDataClass.h"

namespace orv {

SetupDataClass::SetupDataClass(std::vector<SetupRecord> records, std::vector<IdBranch> branches)
    : m_records(std::move(records)) {
    Class_Initialize();
    declareIdBranches(std::move(branches));
}

Recordset SetupDataClass::Get_COA_Details(std::int32_t GL_ID) {
    return read(QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"), {Variant(GL_ID)});
}

QHash<QString, int> SetupDataClass::textWidths(const QString& table) {
    QHash<QString, int> widths = DataClass::textWidths(table);
    for (const SetupRecord& record : m_records) {
        if (record.requests != table)
            continue;
        for (const StagedRequest* request : {&record.create, &record.update, &record.remove}) {
            for (const auto& [field, column] : request->fields) {
                if (widths.contains(column.toLower()))
                    widths.insert(field.toLower(), widths.value(column.toLower()));
            }
        }
    }
    return widths;
}

Recordset SetupDataClass::details(std::size_t record, const QString& name) {
    return read(m_records.at(record).read, {Variant(name)});
}

QString SetupDataClass::request(std::size_t record, Kind kind, const Recordset& staging) {
    const SetupRecord& r = m_records.at(record);
    const StagedRequest& asked = kind == Kind::Create ? r.create : kind == Kind::Update ? r.update : r.remove;
    const QString& failure = kind == Kind::Create   ? r.failed.create
                             : kind == Kind::Update ? r.failed.update
                                                    : r.failed.remove;
    const QString type = kind == Kind::Create   ? QStringLiteral("C")
                         : kind == Kind::Update ? QStringLiteral("U")
                                                : QStringLiteral("D");
    return stagingRequest(staging, asked.fields,
                          {r.requests, type, failure, asked.before, asked.column, asked.after});
}

StagedRequest SetupDataClass::created(Mapping fields, const QString& text, const QString& column) {
    return {std::move(fields), text, column, QString()};
}

StagedRequest SetupDataClass::updated(Mapping fields, const QString& column) {
    return {std::move(fields), QString(), column, QStringLiteral(" have been updated")};
}

StagedRequest SetupDataClass::deleted(Mapping fields, const QString& column) {
    return {std::move(fields), QString(), column,
            QStringLiteral(" would be Deleted if there is no transaction history")};
}

DataClass::Mapping SetupDataClass::sameNames(const QStringList& fields) {
    Mapping mapping;
    for (const QString& f : fields)
        mapping.emplace_back(f, f);
    return mapping;
}

DataClass::IdBranch SetupDataClass::chartBranch() {
    return {QStringLiteral("COA_T"), QStringLiteral("SELECT * FROM COA_T WHERE GL_ID = ?"),
            QStringLiteral("GL_ID")};
}

} // namespace orv
