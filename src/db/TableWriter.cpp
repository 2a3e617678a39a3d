#include "TableWriter.h"

#include "Statement.h"
#include "values/DataError.h"

#include <QStringList>
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
        std::vector<size_t> columns;
        for (size_t i = 0; i < fields.size(); ++i)
            if (assigned[i])
                columns.push_back(i);
        // The lines of a document assign the same columns: their insert is
        // written once.
        if (table != m_table || columns != m_columns) {
            QStringList names;
            QStringList marks;
            for (size_t i : columns) {
                names << QStringLiteral("\"%1\"").arg(fields[i].name);
                marks << QStringLiteral("?");
            }
            m_insert = (names.isEmpty()
                            ? QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(table)
                            : QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                  .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))))
                           .toUtf8();
            m_table = table;
            m_columns = columns;
        }
        {
            Statement insert(m_db, m_insert, 0, Statement::Reuse::Cached);
            for (size_t k = 0; k < columns.size(); ++k)
                insert.bind(static_cast<int>(k + 1), values[columns[k]], m_declared[columns[k]]);
            insert.step();
        }
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

private:
    sqlite3* m_db;
    std::vector<std::optional<DataType>> m_declared;
    TableWriter::Saved m_saved;
    QString m_table;
    std::vector<size_t> m_columns;
    QByteArray m_insert;
};

} // namespace

Recordset TableWriter::open(sqlite3* db, const QString& table, Saved saved) {
    Statement info(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table).toUtf8(), 0);
    std::vector<FieldInfo> fields;
    std::vector<std::optional<DataType>> declared;
    while (info.step()) {
        const QString name = info.column(1, DataType::Text).toString();
        const auto type = typeOfDeclared(info.column(2, DataType::Text).toString());
        fields.push_back({name, type.value_or(DataType::Text), 0});
        declared.push_back(type);
    }
    if (fields.empty())
        throw DataError(QStringLiteral("no such table: %1").arg(table));
    return Recordset::table(table, std::move(fields),
                            std::make_shared<Saver>(db, std::move(declared), std::move(saved)));
}

} // namespace orv::db
