#include "Statement.h"

#include "values/DataError.h"

#include <QHash>
#include <map>
#include <sqlite3.h>
#include <string>

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
        const auto key = std::make_pair(db, sql.mid(offset));
        auto it = cache.find(key);
        if (it == cache.end()) {
            const char* tail = nullptr;
            sqlite3_stmt* stmt = prepare(db, sql, offset, SQLITE_PREPARE_PERSISTENT, &tail);
            const int consumed =
                tail ? static_cast<int>(tail - sql.constData()) : static_cast<int>(sql.size());
            it = cache.emplace(key, CachedEntry{stmt, static_cast<int>(sql.size()) - consumed, false}).first;
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
        bindText(s, i, v.toDate().toString(Qt::ISODate));
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
            bindText(m_stmt, i, d.toString(Qt::ISODate));
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

namespace {

// A date as the book stores it, "yyyy-MM-dd", read without building a text
// first; anything else is left to the general reading (an invalid date).
QDate isoDate(const char* t, int n) {
    if (n < 10 || t[4] != '-' || t[7] != '-')
        return QDate();
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int k = starts[p]; k < starts[p] + lengths[p]; ++k) {
            if (t[k] < '0' || t[k] > '9')
                return QDate();
            parts[p] = parts[p] * 10 + (t[k] - '0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

} // namespace

// The texts and dates a column has held: a column that repeats its value
// from the row before (a document's date over its lines) shares it instead of
// building it again, and a text column that repeats its values (an item's
// code, the few kinds of a document) shares one value for each. The texts met
// are kept while most rows find theirs among them, up to a few thousand.
struct Statement::Repeat {
    static constexpr int kKept = 8192;
    static constexpr int kTrial = 8192;

    std::string bytes; // of the row before
    Variant value;
    bool held = false;
    QHash<QByteArray, Variant> seen;
    int looked = 0;
    int found = 0;
    bool keeping = true;
};

Variant Statement::column(int i, std::optional<DataType> type) const {
    return read(i, type, nullptr);
}

Variant Statement::read(int i, std::optional<DataType> type, Repeat* repeat) const {
    const int storage = sqlite3_column_type(m_stmt, i);
    if (storage == SQLITE_NULL)
        return Variant::null();
    auto textBytes = [&] {
        return QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)),
                              sqlite3_column_bytes(m_stmt, i));
    };
    auto text = [&] { return QString::fromUtf8(textBytes()); };
    // A text or date read as it was on the row before is that row's value.
    auto repeated = [&](auto make, bool keep) {
        const QByteArrayView bytes = textBytes();
        if (!repeat)
            return make(bytes);
        if (repeat->held && QByteArrayView(repeat->bytes) == bytes)
            return repeat->value;
        Variant v;
        const bool keeping = keep && repeat->keeping;
        const auto it = keeping ? repeat->seen.constFind(QByteArray::fromRawData(bytes.data(), bytes.size()))
                                : repeat->seen.constEnd();
        if (it != repeat->seen.constEnd()) {
            v = *it;
            ++repeat->found;
        } else {
            v = make(bytes);
            if (keeping && repeat->seen.size() < Repeat::kKept)
                repeat->seen.insert(bytes.toByteArray(), v);
        }
        if (keeping && ++repeat->looked == Repeat::kTrial && repeat->found * 2 < repeat->looked) {
            repeat->keeping = false;
            repeat->seen.clear();
        }
        repeat->bytes.assign(bytes.data(), static_cast<size_t>(bytes.size()));
        repeat->value = v;
        repeat->held = true;
        return v;
    };
    if (type) {
        switch (*type) {
        case DataType::Currency:
            if (storage == SQLITE_INTEGER)
                return Variant(Currency::fromRaw(sqlite3_column_int64(m_stmt, i)));
            if (storage == SQLITE_FLOAT) // an expression over ten-thousandths that went real
                return Variant(Currency::fromDouble(sqlite3_column_double(m_stmt, i) / Currency::kScale));
            break;
        case DataType::Double:
            if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT)
                return Variant(sqlite3_column_double(m_stmt, i));
            break;
        case DataType::BigInt:
        case DataType::Integer:
        case DataType::SmallInt:
            if (storage == SQLITE_INTEGER)
                return Variant(static_cast<std::int64_t>(sqlite3_column_int64(m_stmt, i)));
            break;
        case DataType::Boolean:
            if (storage == SQLITE_INTEGER)
                return Variant(sqlite3_column_int64(m_stmt, i) != 0);
            break;
        case DataType::Date:
            if (storage == SQLITE_TEXT) {
                return repeated(
                    [](QByteArrayView bytes) {
                        QDate d = isoDate(bytes.data(), static_cast<int>(bytes.size()));
                        if (!d.isValid())
                            d = QDate::fromString(QString::fromUtf8(bytes).left(10), Qt::ISODate);
                        return d.isValid() ? Variant(d) : Variant(QString::fromUtf8(bytes));
                    },
                    false); // a date is read faster than it is looked up
            }
            break;
        case DataType::Text:
            return repeated([](QByteArrayView bytes) { return Variant(QString::fromUtf8(bytes)); }, true);
        default:
            break;
        }
    }
    switch (storage) {
    case SQLITE_INTEGER:
        return Variant(static_cast<std::int64_t>(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(m_stmt, i));
    default:
        return Variant(text());
    }
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
    std::vector<std::vector<Variant>> rows;
    std::vector<Repeat> repeats(static_cast<size_t>(n));
    while (step()) {
        std::vector<Variant> row;
        row.reserve(static_cast<size_t>(n));
        for (int c = 0; c < n; ++c) {
            const auto ci = static_cast<size_t>(c);
            const Variant& v = row.emplace_back(read(c, types[ci], &repeats[ci]));
            if (!types[ci] && !v.isBlank())
                types[ci] = v.type(); // the first value fixes an undeclared column's type
        }
        rows.push_back(std::move(row));
    }
    for (int c = 0; c < n; ++c) {
        const auto ci = static_cast<size_t>(c);
        fields[ci].type = types[ci].value_or(DataType::Text);
    }
    return Recordset::detached(std::move(fields), std::move(rows));
}

} // namespace orv::db
