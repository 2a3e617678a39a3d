#include "Recordset.h"

#include "DataError.h"

#include <QHash>
#include <iterator>
#include <map>

namespace orv {

namespace {
enum class Kind { StandAlone, Detached, Table };
}

struct Recordset::Impl {
    Kind kind = Kind::StandAlone;
    std::vector<FieldInfo> fields;
    // The fields by their names as declared, made at the first look-up: a
    // document's writer and its checks name a field for every value.
    mutable QHash<QString, int> byName;
    std::vector<std::vector<Variant>> rows; // stand-alone and table results
    ValueTable values;                      // a detached result's rows
    int pos = -1;
    bool open = false;
    // table results
    QString table;
    std::shared_ptr<RowSaver> saver;
    bool adding = false;
    bool readBack = true; // a saved row is read back as stored
    std::vector<bool> assigned;
    bool holding = false;                // update() holds the row for saveHeld()
    std::vector<std::vector<bool>> held; // what each held row assigns, the last rows in order
    // listeners
    std::map<int, std::function<void()>> listeners;
    int nextListener = 1;
};

namespace {

// Why a text cannot be stored as it is typed, or the empty text: a control
// character other than tab and line breaks (a NUL would cut the text short
// wherever it is read), or half of a character (a lone surrogate).
QString textFault(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return QStringLiteral("holds an invalid character");
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7f)
            return QStringLiteral("holds a control character (code %1)").arg(int(u));
    }
    return QString();
}

Variant convertForField(const FieldInfo& f, const Variant& v) {
    Variant r;
    try {
        r = v.convertedTo(f.type);
    } catch (const DataError& e) {
        throw DataError(QStringLiteral("Field %1: %2").arg(f.name, e.message()));
    }
    if (f.type != DataType::Text)
        return r;
    const QString text = r.toString();
    if (const QString fault = textFault(text); !fault.isEmpty())
        throw DataError(QStringLiteral("Field %1: the text %2").arg(f.name, fault));
    if (f.size > 0 && characterCount(text) > f.size)
        throw DataError(
            QStringLiteral("Field %1: the text is longer than %2 characters").arg(f.name).arg(f.size));
    return r;
}

} // namespace

qsizetype characterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

Recordset::Recordset() : d(std::make_shared<Impl>()) {}

void Recordset::appendField(const QString& name, DataType type, int definedSize) {
    if (d->open)
        throw DataError(QStringLiteral("Fields cannot be added to an open record set"));
    if (fieldIndex(name) >= 0)
        throw DataError(QStringLiteral("Field %1 already exists").arg(name));
    d->fields.push_back(FieldInfo{name, type, definedSize});
    d->byName.clear();
}

void Recordset::open() {
    if (d->open)
        throw DataError(QStringLiteral("The record set is already open"));
    d->rows.clear();
    d->values = ValueTable(fieldCount());
    d->pos = -1;
    d->open = true;
    d->adding = false;
    notify();
}

void Recordset::close() {
    if (!d->open)
        return;
    d->open = false;
    d->rows.clear();
    d->values = ValueTable(fieldCount());
    d->pos = -1;
    d->adding = false;
    notify();
}

ValueTable Recordset::takeRows() {
    requireOpen();
    ValueTable rows =
        d->kind == Kind::Detached ? std::move(d->values) : ValueTable::fromRows(fieldCount(), d->rows);
    close();
    return rows;
}

void Recordset::appendRows(Recordset&& more) {
    requireOpen();
    if (d->kind != Kind::Detached || more.fieldCount() != fieldCount())
        throw DataError(QStringLiteral("Only rows of the same fields can be added to a result"));
    if (!more.isOpen())
        return;
    d->values.append(more.takeRows());
    if (d->pos < 0 && d->values.rowCount() > 0)
        d->pos = 0;
    notify();
}

bool Recordset::isOpen() const {
    return d->open;
}
bool Recordset::isUpdatableTable() const {
    return d->kind == Kind::Table;
}

int Recordset::fieldCount() const {
    return static_cast<int>(d->fields.size());
}

const FieldInfo& Recordset::field(int index) const {
    if (index < 0 || index >= fieldCount())
        throw DataError(QStringLiteral("No field number %1").arg(index));
    return d->fields[static_cast<size_t>(index)];
}

int Recordset::fieldIndex(const QString& name) const {
    if (d->byName.isEmpty())
        for (size_t i = d->fields.size(); i-- > 0;) // the first of two equal names wins
            d->byName.insert(d->fields[i].name, static_cast<int>(i));
    if (const auto it = d->byName.constFind(name); it != d->byName.constEnd())
        return *it;
    for (size_t i = 0; i < d->fields.size(); ++i)
        if (d->fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int Recordset::recordCount() const {
    if (!d->open)
        return 0;
    return d->kind == Kind::Detached ? d->values.rowCount() : static_cast<int>(d->rows.size());
}
bool Recordset::eof() const {
    return !d->open || recordCount() == 0 || d->pos >= recordCount();
}
bool Recordset::bof() const {
    return !d->open || recordCount() == 0 || d->pos < 0;
}
int Recordset::position() const {
    return (bof() || eof()) ? -1 : d->pos;
}

void Recordset::moveFirst() {
    requireOpen();
    d->pos = recordCount() == 0 ? -1 : 0;
}

void Recordset::moveLast() {
    requireOpen();
    d->pos = recordCount() - 1;
}

void Recordset::moveNext() {
    requireOpen();
    if (eof())
        throw DataError(QStringLiteral("The record set is at its end"));
    ++d->pos;
}

void Recordset::movePrevious() {
    requireOpen();
    if (bof())
        throw DataError(QStringLiteral("The record set is at its beginning"));
    --d->pos;
}

void Recordset::moveTo(int row) {
    requireOpen();
    if (row < 0 || row >= recordCount())
        throw DataError(QStringLiteral("No row number %1").arg(row));
    d->pos = row;
}

Variant Recordset::value(const QString& name) const {
    return value(requireField(name));
}
Variant Recordset::value(int index) const {
    return valueAt(requireRow(), index);
}
void Recordset::setValue(const QString& name, const Variant& v) {
    setValue(requireField(name), v);
}
void Recordset::setValue(int index, const Variant& v) {
    setValueAt(requireRow(), index, v);
}

Variant RowView::value(const QString& name) const {
    return m_rs.valueAt(m_row, m_rs.requireField(name));
}

void RowView::set(const QString& name, const Variant& v) const {
    Recordset rs = m_rs;
    rs.setValueAt(m_row, rs.requireField(name), v);
}

Currency RowView::currency(const QString& name) const {
    const Variant v = value(name);
    return (v.isBlank() || v.toString().isEmpty()) ? Currency() : v.toCurrency();
}

Variant Recordset::valueAt(int row, int index) const {
    requireOpen();
    field(index);
    if (row < 0 || row >= recordCount())
        throw DataError(QStringLiteral("No row number %1").arg(row));
    if (d->kind == Kind::Detached)
        return d->values.value(row, index);
    return d->rows[static_cast<size_t>(row)][static_cast<size_t>(index)];
}

void Recordset::setValueAt(int row, int index, const Variant& v) {
    requireOpen();
    const FieldInfo& f = field(index);
    if (d->kind == Kind::Detached)
        throw DataError(QStringLiteral("This result cannot be changed"));
    if (d->kind == Kind::Table && !(d->adding && row == recordCount() - 1))
        throw DataError(QStringLiteral("Only a new row of %1 can be assigned").arg(d->table));
    if (row < 0 || row >= recordCount())
        throw DataError(QStringLiteral("No row number %1").arg(row));
    d->rows[static_cast<size_t>(row)][static_cast<size_t>(index)] = convertForField(f, v);
    if (d->kind == Kind::Table)
        d->assigned[static_cast<size_t>(index)] = true;
    notify();
}

void Recordset::addNew() {
    requireOpen();
    if (d->kind == Kind::Detached)
        throw DataError(QStringLiteral("This result cannot be changed"));
    if (d->adding)
        update();
    d->rows.emplace_back(d->fields.size(), Variant::null());
    d->pos = recordCount() - 1;
    if (d->kind == Kind::Table) {
        d->adding = true;
        d->assigned.assign(d->fields.size(), false);
    }
    notify();
}

void Recordset::update() {
    requireOpen();
    if (d->kind != Kind::Table)
        return; // stand-alone rows hold their values already
    if (!d->adding)
        throw DataError(QStringLiteral("No new row of %1 to save").arg(d->table));
    const size_t last = d->rows.size() - 1;
    d->adding = false; // a refused row is dropped, as the save failed
    if (d->holding) {
        d->held.push_back(d->assigned);
        notify();
        return;
    }
    std::vector<Variant> values = d->rows[last];
    try {
        d->rows[last] = d->saver->saveRow(d->table, d->fields, d->assigned, values, d->readBack);
    } catch (...) {
        d->rows.pop_back();
        d->pos = recordCount();
        notify();
        throw;
    }
    notify();
}

void Recordset::saveWithoutReadingBack() {
    d->readBack = false;
}

void Recordset::holdRowsUntilSaved() {
    d->readBack = false;
    d->holding = true;
}

void Recordset::saveHeld() {
    if (d->adding)
        update();
    if (d->held.empty())
        return;
    const size_t first = d->rows.size() - d->held.size();
    std::vector<std::vector<bool>> assigned = std::move(d->held);
    d->held.clear();
    std::vector<std::vector<Variant>> rows(d->rows.begin() + static_cast<std::ptrdiff_t>(first),
                                           d->rows.end());
    try {
        d->saver->saveRows(d->table, d->fields, assigned, rows);
    } catch (...) {
        d->rows.resize(first);
        d->pos = recordCount();
        notify();
        throw;
    }
}

void RowSaver::saveRows(const QString& table, const std::vector<FieldInfo>& fields,
                        const std::vector<std::vector<bool>>& assigned,
                        const std::vector<std::vector<Variant>>& rows) {
    for (size_t i = 0; i < rows.size(); ++i)
        saveRow(table, fields, assigned[i], rows[i], false);
}

void Recordset::deleteCurrent() {
    const int row = requireRow();
    if (d->kind != Kind::StandAlone)
        throw DataError(QStringLiteral("This result cannot be changed"));
    d->rows.erase(d->rows.begin() + row);
    d->pos = row; // the next row, or the end
    notify();
}

int Recordset::subscribe(std::function<void()> listener) {
    const int id = d->nextListener++;
    d->listeners.emplace(id, std::move(listener));
    return id;
}

void Recordset::unsubscribe(int id) {
    d->listeners.erase(id);
}

void Recordset::notify() {
    // copy: a listener may unsubscribe while being called
    const auto listeners = d->listeners;
    for (const auto& [id, fn] : listeners)
        fn();
}

Recordset Recordset::detached(std::vector<FieldInfo> fields, std::vector<std::vector<Variant>> rows) {
    Recordset r;
    r.d->kind = Kind::Detached;
    r.d->fields = std::move(fields);
    r.d->values = ValueTable::fromRows(static_cast<int>(r.d->fields.size()), rows);
    r.d->open = true;
    r.d->pos = r.d->values.rowCount() == 0 ? -1 : 0;
    return r;
}

Recordset Recordset::detachedValues(std::vector<FieldInfo> fields, ValueTable rows) {
    if (rows.width() != static_cast<int>(fields.size()))
        throw DataError(QStringLiteral("The rows do not match the fields"));
    Recordset r;
    r.d->kind = Kind::Detached;
    r.d->fields = std::move(fields);
    r.d->values = std::move(rows);
    r.d->open = true;
    r.d->pos = r.d->values.rowCount() == 0 ? -1 : 0;
    return r;
}

Recordset Recordset::table(const QString& tableName, std::vector<FieldInfo> fields,
                           std::shared_ptr<RowSaver> saver) {
    Recordset r;
    r.d->kind = Kind::Table;
    r.d->table = tableName;
    r.d->fields = std::move(fields);
    r.d->saver = std::move(saver);
    r.d->open = true;
    return r;
}

void Recordset::requireOpen() const {
    if (!d->open)
        throw DataError(QStringLiteral("The record set is closed"));
}

int Recordset::requireField(const QString& name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("No field named %1").arg(name));
    return i;
}

int Recordset::requireRow() const {
    requireOpen();
    if (bof() || eof())
        throw DataError(QStringLiteral("No current row"));
    return d->pos;
}

} // namespace orv
