#include "DataClass.h"

#include "db/CompanyDatabase.h"
#include "db/SqlFunctions.h"
#include "values/DataError.h"

namespace orv {

namespace {

std::optional<db::Refusal>& refusalSlot() {
    static std::optional<db::Refusal> last;
    return last;
}

quint64& writeCounter() {
    static quint64 taken = 0;
    return taken;
}

// Closes the connection however the operation ends.
struct OpenGuard {
    Connection& c;
    explicit OpenGuard(Connection& conn) : c(conn) { c.open(); }
    ~OpenGuard() { c.close(); }
};

} // namespace

void DataClass::Class_Initialize() {
    m_connection.setConnectionString(kDataClassConnection);
}

namespace {

// Names are stored without the blanks around them and looked up so.
std::vector<Variant> trimmedTexts(std::vector<Variant> values) {
    for (Variant& v : values) {
        if (v.type() == DataType::Text)
            v = Variant(v.toString().trimmed());
    }
    return values;
}

} // namespace

Recordset DataClass::read(const QString& sql, const std::vector<Variant>& values) {
    m_sql = sql;
    OpenGuard open(m_connection);
    m_connection.setCursorLocation(CursorLocation::Client);
    return m_connection.execute(m_sql, trimmedTexts(values));
}

Recordset DataClass::Get_Table_Recordset(const QString& table) {
    return read(QStringLiteral("SELECT * FROM ") + table);
}

QHash<QString, int> DataClass::textWidths(const QString& table) {
    OpenGuard open(m_connection);
    return db::CompanyDatabase::textWidths(table);
}

DataClass::IdBranch DataClass::employeesBranch() {
    return IdBranch{QStringLiteral("Employees"),
                    QStringLiteral("SELECT * FROM Employees WHERE LastName = ? AND FirstName = ?"),
                    QStringLiteral("EmployeeID"), true};
}

QString DataClass::Get_ID(const QString& table, const Variant& value) {
    for (const IdBranch& b : m_branches) {
        if (b.table != table) // exact, case-sensitive
            continue;
        // The value is bound, never spliced into the text: a name holding a
        // quote or a NUL is looked up as it is.
        const QString text = value.toString();
        std::vector<Variant> values{Variant(text)};
        if (b.employee) {
            // "Last, First": the last name before the first comma, the first
            // name after it without its leading blank.
            const qsizetype comma = text.indexOf(QLatin1Char(','));
            if (comma < 0)
                return QString();
            values = {Variant(text.left(comma)), Variant(text.mid(comma + 1))};
        }
        m_lookup = read(b.statement, values);
        if (m_lookup.recordCount() == 0)
            return QString();
        m_lookup.moveFirst();
        return m_lookup.value(b.keyColumn).toString();
    }
    return QString();
}

const std::optional<db::Refusal>& DataClass::lastRefusal() {
    return refusalSlot();
}

void DataClass::forgetRefusal() {
    refusalSlot().reset();
}

quint64 DataClass::writesTaken() {
    return writeCounter();
}

QString DataClass::write(const QString& failureText, const std::function<QString()>& body) {
    m_lastFailure.clear();
    forgetRefusal();
    try {
        OpenGuard open(m_connection);
        m_connection.setCursorLocation(CursorLocation::Server);
        m_connection.beginTrans();
        const QString result = body();
        m_connection.commitTrans();
        ++writeCounter();
        return result;
    } catch (const FileError& e) {
        // The file itself refused the write (read-only, in use, damaged): its
        // message is already in the clerk's words.
        m_lastFailure = e.message();
        qWarning("%s: %s", qPrintable(failureText), qPrintable(m_lastFailure));
        db::Refusal refusal;
        refusal.reason = m_lastFailure;
        refusal.sentence = m_lastFailure;
        refusalSlot() = refusal;
        return failureText;
    } catch (const std::exception& e) {
        // The guard has closed the connection and rolled the write back.
        m_lastFailure = QString::fromUtf8(e.what());
        qWarning(
            "%s: %s", qPrintable(failureText),
            qPrintable(QString(m_lastFailure).replace(QLatin1Char(db::kDetailSeparator), QLatin1Char('|'))));
        refusalSlot() = db::RefusalReasons::explain(m_lastFailure);
        return failureText;
    }
}

Recordset DataClass::openTable(const QString& table) {
    m_sql = QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE 1 = 2");
    return m_connection.openTable(m_sql);
}

QString DataClass::stagingRequest(const Recordset& staging, const Mapping& mapping, const RequestKind& kind) {
    const QString text = write(kind.failureText, [&] {
        Recordset row = openTable(kind.table);
        row.addNew();
        // Names are kept without the blanks around them, as every look-up
        // trims what it is given.
        for (const auto& [field, column] : mapping) {
            const Variant value = staging.value(field);
            row.setValue(column,
                         value.type() == DataType::Text ? Variant(value.toString().trimmed()) : value);
        }
        row.setValue(QStringLiteral("Function_type"), kind.functionType);
        row.update();
        return kind.sentenceBefore + row.value(kind.column).toString() + kind.sentenceAfter;
    });
    // The reason names request columns; the window knows its staging fields.
    if (auto& refusal = refusalSlot()) {
        for (QString& field : refusal->fields) {
            for (const auto& [stagingField, column] : mapping) {
                if (column.compare(field, Qt::CaseInsensitive) == 0) {
                    field = stagingField;
                    break;
                }
            }
        }
    }
    return text;
}

QString DataClass::writeDocument(const QString& failureText, const DocumentLayout& layout,
                                 const Recordset& header, const Recordset& lines,
                                 const std::function<void()>& before) {
    return write(failureText, [&] {
        if (before)
            before();
        return DocumentWriter::write(layout, header, lines,
                                     [this](const QString& table) { return openTable(table); });
    });
}

void DataClass::declareDocument(DocumentRecords records, DocumentLayout layout) {
    m_records = std::move(records);
    m_layout = std::move(layout);
    m_widthsRead = false;
}

Recordset DataClass::newHeader() {
    return newRecord(true);
}

Recordset DataClass::newLines() {
    return newRecord(false);
}

Recordset DataClass::newRecord(bool header) {
    if (!m_widthsRead) {
        const auto widths = [this](const QString& table) { return textWidths(table); };
        m_records.header = DocumentWriter::withWidths(m_records.header, m_layout, true, widths);
        m_records.line = DocumentWriter::withWidths(m_records.line, m_layout, false, widths);
        m_widthsRead = true;
    }
    Recordset record;
    for (const FieldInfo& f : header ? m_records.header : m_records.line)
        record.appendField(f.name, f.type, f.size);
    record.open();
    if (header)
        record.addNew();
    return record;
}

} // namespace orv
