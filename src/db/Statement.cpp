#include "Statement.h"

#include "RowReader.h"
#include "values/DataError.h"

#include <map>
#include <sqlite3.h>

namespace orv::db {

std::optional<DataType> typeOfDeclared(const QString& declared) {
    const QString t = declared.trimmed().toUpper();
    if (t.isEmpty())
        return std::nullopt;
    if (t.startsWith(QLatin1String("CURRENCY")))
        return DataType::Currency;
    if (t.startsWith(QLatin1String("INT")) || t == QLatin1String("BIGINT") || t == QLatin1String("SMALLINT"))
        return DataType::BigInt;
    if (t.startsWith(QLatin1String("BOOL")) || t == QLatin1String("BIT"))
        return DataType::Boolean;
    if (t.startsWith(QLatin1String("REAL")) || t.startsWith(QLatin1String("DOUBLE")) ||
        t.startsWith(QLatin1String("FLOAT")))
        return DataType::Double;
    if (t.startsWith(QLatin1String("DATE")))
        return DataType::Date;
    if (t.startsWith(QLatin1String("TEXT")) || t.contains(QLatin1String("CHAR")))
        return DataType::Text;
    return std::nullopt;
}

QString lastErrorText(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

namespace {

struct CachedEntry {
    sqlite3_stmt* stmt = nullptr;
    int tailLength = 0; // what follows the statement in its text
    bool inUse = false;
};

std::map<std::pair<sqlite3*, QByteArray>, CachedEntry>& statementCache() {
    // Never destroyed: a connection may still be closed from another static's
    // destructor at program exit, after a function-local map would be gone.
    static auto* cache = new std::map<std::pair<sqlite3*, QByteArray>, CachedEntry>;
    return *cache;
}

sqlite3_stmt* prepare(sqlite3* db, const QByteArray& sql, int offset, unsigned flags, const char** tail) {
    sqlite3_stmt* stmt = nullptr;
    const char* start = sql.constData() + offset;
    if (sqlite3_prepare_v3(db, start, static_cast<int>(sql.size() - offset), flags, &stmt, tail) !=
        SQLITE_OK) {
        const QString msg = lastErrorText(db);
        sqlite3_finalize(stmt);
        throw DataError(msg);
    }
    return stmt;
}

} // namespace

Statement::Statement(sqlite3* db, const QByteArray& sql, int offset, Reuse reuse) : m_db(db) {
    if (reuse == Reuse::Cached) {
        auto& cache = statementCache();
        // Looked up by the text as it stands (no copy); kept under a copy of it.
        const QByteArray text = QByteArray::fromRawData(sql.constData() + offset, sql.size() - offset);
        auto it = cache.find(std::make_pair(db, text));
        if (it == cache.end()) {
            const char* tail = nullptr;
            sqlite3_stmt* stmt = prepare(db, sql, offset, SQLITE_PREPARE_PERSISTENT, &tail);
            const int consumed =
                tail ? static_cast<int>(tail - sql.constData()) : static_cast<int>(sql.size());
            it = cache
                     .emplace(std::make_pair(db, sql.mid(offset)),
                              CachedEntry{stmt, static_cast<int>(sql.size()) - consumed, false})
                     .first;
        }
        if (!it->second.inUse) { // a statement still being stepped is not lent twice
            it->second.inUse = true;
            m_cachedInUse = &it->second.inUse;
            m_stmt = it->second.stmt;
            m_tail = static_cast<int>(sql.size()) - it->second.tailLength;
            return;
        }
    }
    const char* tail = nullptr;
    m_stmt = prepare(db, sql, offset, 0, &tail);
    m_tail = tail ? static_cast<int>(tail - sql.constData()) : static_cast<int>(sql.size());
}

Statement::~Statement() {
    if (m_cachedInUse) {
        if (m_stmt) {
            sqlite3_reset(m_stmt);
            sqlite3_clear_bindings(m_stmt);
        }
        *m_cachedInUse = false;
        return;
    }
    sqlite3_finalize(m_stmt);
}

void Statement::finalizeCached(sqlite3* db) {
    auto& cache = statementCache();
    for (auto it = cache.begin(); it != cache.end();) {
        if (it->first.first == db) {
            sqlite3_finalize(it->second.stmt);
            it = cache.erase(it);
        } else {
            ++it;
        }
    }
}

namespace {

void bindText(sqlite3_stmt* s, int i, const QString& text) {
    QString t = text;
    // Trailing blanks never reach the file.
    int end = static_cast<int>(t.size());
    while (end > 0 && t.at(end - 1) == QLatin1Char(' '))
        --end;
    t.truncate(end);
    const QByteArray utf8 = t.toUtf8();
    sqlite3_bind_text(s, i, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void bindNatural(sqlite3_stmt* s, int i, const Variant& v) {
    switch (v.type()) {
    case DataType::Empty:
    case DataType::Null:
        sqlite3_bind_null(s, i);
        break;
    case DataType::Boolean:
        sqlite3_bind_int(s, i, v.toBool() ? 1 : 0);
        break;
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        sqlite3_bind_int64(s, i, v.toInt64());
        break;
    case DataType::Currency:
        sqlite3_bind_int64(s, i, v.toCurrency().raw());
        break;
    case DataType::Double:
        sqlite3_bind_double(s, i, v.toDouble());
        break;
    case DataType::Date:
        bindText(s, i, isoDate(v.toDate()));
        break;
    case DataType::Text:
        bindText(s, i, v.toString());
        break;
    }
}

} // namespace

void Statement::bind(int i, const Variant& v, std::optional<DataType> declared) {
    if (v.isBlank() || !declared) {
        bindNatural(m_stmt, i, v);
        return;
    }
    const bool text = v.type() == DataType::Text;
    switch (*declared) {
    case DataType::Currency:
        // ten-thousandths; a double is rounded half away from zero
        if (text && v.toString().trimmed().isEmpty())
            sqlite3_bind_null(m_stmt, i);
        else
            sqlite3_bind_int64(m_stmt, i, v.toCurrency().raw());
        return;
    case DataType::BigInt:
    case DataType::Integer:
    case DataType::SmallInt:
        if (v.type() == DataType::Currency) {
            const Currency c = v.toCurrency();
            if (c.raw() % Currency::kScale == 0)
                sqlite3_bind_int64(m_stmt, i, c.raw() / Currency::kScale);
            else
                sqlite3_bind_double(m_stmt, i, c.toDouble()); // the column's check refuses it
        } else if (v.type() == DataType::Double) {
            sqlite3_bind_double(m_stmt, i, v.toDouble());
        } else if (text && v.toString().trimmed().isEmpty()) {
            sqlite3_bind_null(m_stmt, i);
        } else {
            sqlite3_bind_int64(m_stmt, i, v.toInt64());
        }
        return;
    case DataType::Boolean:
        sqlite3_bind_int(m_stmt, i, v.toBool() ? 1 : 0);
        return;
    case DataType::Double:
        if (text && v.toString().trimmed().isEmpty())
            sqlite3_bind_null(m_stmt, i);
        else if (v.type() == DataType::Currency)
            sqlite3_bind_double(m_stmt, i, v.toCurrency().toDouble());
        else
            sqlite3_bind_double(m_stmt, i, v.toDouble());
        return;
    case DataType::Date:
        if (v.type() == DataType::Date || text) {
            QDate d;
            try {
                d = v.toDate();
            } catch (const DataError&) {
                bindText(m_stmt, i, v.toString()); // the column's check refuses it
                return;
            }
            bindText(m_stmt, i, isoDate(d));
            return;
        }
        bindNatural(m_stmt, i, v);
        return;
    case DataType::Text:
        bindText(m_stmt, i, v.toString());
        return;
    default:
        bindNatural(m_stmt, i, v);
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw DataError(lastErrorText(m_db));
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

std::optional<DataType> Statement::columnDeclared(int i) const {
    const char* d = sqlite3_column_decltype(m_stmt, i);
    return d ? typeOfDeclared(QString::fromUtf8(d)) : std::nullopt;
}

Variant Statement::column(int i, std::optional<DataType> type) const {
    return RowReader::value(sqlite3_column_value(m_stmt, i), type);
}

Recordset Statement::collect(const std::vector<std::optional<DataType>>& resultTypes,
                             const std::vector<QString>& resultNames) {
    const int n = columnCount();
    std::vector<std::optional<DataType>> types(static_cast<size_t>(n));
    std::vector<FieldInfo> fields(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        const auto ci = static_cast<size_t>(c);
        types[ci] = ci < resultTypes.size() && resultTypes[ci] ? resultTypes[ci] : columnDeclared(c);
        fields[ci].name = ci < resultNames.size() ? resultNames[ci] : columnName(c);
    }
    RowReader reader(m_stmt, std::move(types));
    ValueTable rows(n);
    while (step())
        reader.addRow(rows);
    for (int c = 0; c < n; ++c)
        fields[static_cast<size_t>(c)].type = reader.types()[static_cast<size_t>(c)].value_or(DataType::Text);
    return Recordset::detachedValues(std::move(fields), std::move(rows));
}

} // namespace orv::db
