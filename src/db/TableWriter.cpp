#include "TableWriter.h"

#include "Statement.h"
#include "values/DataError.h"

#include <QStringList>
#include <map>
#include <mutex>
#include <sqlite3.h>

namespace orv::db {

namespace {

class Saver : public RowSaver {
public:
    Saver(sqlite3* db, std::vector<std::optional<DataType>> declared, TableWriter::Saved saved)
        : m_db(db), m_declared(std::move(declared)), m_saved(std::move(saved)) {}

    std::vector<Variant> saveRow(const QString& table, const std::vector<FieldInfo>& fields,
                                 const std::vector<bool>& assigned, const std::vector<Variant>& values,
                                 bool readBack) override {
        insertRows(table, fields, assigned, &values, 1);
        if (!readBack) {
            if (m_saved)
                m_saved(table);
            return values;
        }
        const QString back = QStringLiteral("SELECT * FROM \"%1\" WHERE rowid = ?").arg(table);
        Statement read(m_db, back.toUtf8(), 0, Statement::Reuse::Cached);
        sqlite3_bind_int64(read.get(), 1, sqlite3_last_insert_rowid(m_db));
        Recordset row = read.collect(m_declared);
        if (row.recordCount() != 1)
            throw DataError(QStringLiteral("The saved row of %1 cannot be read back").arg(table));
        std::vector<Variant> out;
        for (int c = 0; c < row.fieldCount(); ++c)
            out.push_back(row.valueAt(0, c));
        if (m_saved)
            m_saved(table);
        return out;
    }

    void saveRows(const QString& table, const std::vector<FieldInfo>& fields,
                  const std::vector<std::vector<bool>>& assigned,
                  const std::vector<std::vector<Variant>>& rows) override {
        // Rows that assign the same columns go in together: one statement
        // for up to kMostRows of them, the rest in shares of a power of two,
        // so that a table's inserts come in a handful of texts whatever the
        // number of lines.
        size_t i = 0;
        while (i < rows.size()) {
            size_t same = 1;
            while (i + same < rows.size() && same < kMostRows && assigned[i + same] == assigned[i])
                ++same;
            size_t take = kMostRows;
            while (take > same)
                take /= 2;
            insertRows(table, fields, assigned[i], &rows[i], take);
            if (m_saved) {
                for (size_t k = 0; k < take; ++k)
                    m_saved(table);
            }
            i += take;
        }
    }

private:
    static constexpr size_t kMostRows = 32;

    // Inserts `count` rows that each assign the columns `assigned` in one
    // statement, kept for the next rows of the same shape.
    void insertRows(const QString& table, const std::vector<FieldInfo>& fields,
                    const std::vector<bool>& assigned, const std::vector<Variant>* rows, size_t count) {
        std::vector<size_t> columns;
        for (size_t i = 0; i < fields.size(); ++i)
            if (assigned[i])
                columns.push_back(i);
        if (columns.empty()) {
            for (size_t r = 0; r < count; ++r) {
                const QByteArray sql =
                    QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(table).toUtf8();
                Statement(m_db, sql, 0, Statement::Reuse::Cached).step();
            }
            return;
        }
        // The lines of a document assign the same columns: their inserts are
        // written once.
        if (table != m_table || columns != m_columns) {
            m_table = table;
            m_columns = columns;
            m_inserts.clear();
        }
        QByteArray& text = m_inserts[count];
        if (text.isEmpty()) {
            QStringList names;
            QStringList marks;
            for (size_t i : columns) {
                names << QStringLiteral("\"%1\"").arg(fields[i].name);
                marks << QStringLiteral("?");
            }
            const QString row = QStringLiteral("(%1)").arg(marks.join(QLatin1Char(',')));
            QStringList values;
            for (size_t k = 0; k < count; ++k)
                values << row;
            text = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES %3")
                       .arg(table, names.join(QLatin1Char(',')), values.join(QLatin1Char(',')))
                       .toUtf8();
        }
        Statement insert(m_db, text, 0, Statement::Reuse::Cached);
        int mark = 1;
        for (size_t r = 0; r < count; ++r) {
            for (size_t c : columns)
                insert.bind(mark++, rows[r][c], m_declared[c]);
        }
        insert.step();
    }

    sqlite3* m_db;
    std::vector<std::optional<DataType>> m_declared;
    TableWriter::Saved m_saved;
    QString m_table;
    std::vector<size_t> m_columns;
    std::map<size_t, QByteArray> m_inserts; // by the number of rows
};

// A table's columns as the connection last read them, with the schema
// version they were read at: a post opens its tables at every write, and
// reading the columns again cost more than a line's insert.
struct Columns {
    std::int64_t schema = -1;
    std::vector<FieldInfo> fields;
    std::vector<std::optional<DataType>> declared;
};

std::mutex& columnsLock() {
    static std::mutex lock;
    return lock;
}

std::map<std::pair<sqlite3*, QString>, Columns>& columnsRead() {
    static std::map<std::pair<sqlite3*, QString>, Columns> read;
    return read;
}

} // namespace

Recordset TableWriter::open(sqlite3* db, const QString& table, Saved saved) {
    Statement version(db, "PRAGMA schema_version", 0, Statement::Reuse::Cached);
    const std::int64_t schema = version.step() ? version.column(0, DataType::BigInt).toInt64() : -1;
    Columns columns;
    {
        std::lock_guard<std::mutex> hold(columnsLock());
        const auto it = columnsRead().find({db, table});
        if (it != columnsRead().end() && it->second.schema == schema)
            columns = it->second;
    }
    if (columns.schema != schema) {
        Statement info(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table).toUtf8(), 0);
        while (info.step()) {
            const QString name = info.column(1, DataType::Text).toString();
            const auto type = typeOfDeclared(info.column(2, DataType::Text).toString());
            columns.fields.push_back({name, type.value_or(DataType::Text), 0});
            columns.declared.push_back(type);
        }
        if (columns.fields.empty())
            throw DataError(QStringLiteral("no such table: %1").arg(table));
        columns.schema = schema;
        std::lock_guard<std::mutex> hold(columnsLock());
        columnsRead()[{db, table}] = columns;
    }
    return Recordset::table(table, std::move(columns.fields),
                            std::make_shared<Saver>(db, std::move(columns.declared), std::move(saved)));
}

void TableWriter::forget(sqlite3* db) {
    std::lock_guard<std::mutex> hold(columnsLock());
    auto& read = columnsRead();
    for (auto it = read.begin(); it != read.end();)
        it = it->first.first == db ? read.erase(it) : std::next(it);
}

} // namespace orv::db
