#pragma once

#include "ValueTable.h"
#include "Variant.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace orv {

// The length of a text as the database counts it: in characters, a character
// outside the basic plane (two UTF-16 units) counting once.
qsizetype characterCount(const QString& text);

struct FieldInfo {
    QString name;
    DataType type = DataType::Text;
    int size = 0; // defined size of a text field; 0 = no limit
};

// Saves the new row of an updatable table result and returns the row as
// stored (every column, the identity filled), or, when the row is not read
// back, the values as given. Implemented by the database.
class RowSaver {
public:
    virtual ~RowSaver() = default;
    virtual std::vector<Variant> saveRow(const QString& table, const std::vector<FieldInfo>& fields,
                                         const std::vector<bool>& assigned,
                                         const std::vector<Variant>& values, bool readBack) = 0;
    // Saves rows held by the record set, in their order, none read back:
    // row i assigns the columns assigned[i]. By default one row at a time.
    virtual void saveRows(const QString& table, const std::vector<FieldInfo>& fields,
                          const std::vector<std::vector<bool>>& assigned,
                          const std::vector<std::vector<Variant>>& rows);
};

// A record set: named, typed fields and rows with a current-row cursor.
// Three kinds share this class:
//  - stand-alone: built field by field with appendField, then open();
//  - detached read result: rows copied out of a statement, readable after the
//    connection is gone, not updatable (held in a value table);
//  - table result: opened on "SELECT * FROM <table> WHERE 1 = 2", accepts
//    addNew, field assignments and update(), which saves the row.
// Copies share one record set (handle semantics), as windows and grids hold
// the same record set.
class RowRange;

class Recordset {
public:
    Recordset();

    // Building and state.
    void appendField(const QString& name, DataType type, int definedSize = 0);
    void open();
    void close();
    bool isOpen() const;
    bool isUpdatableTable() const;

    // Shape. Field names compare without regard to case.
    int fieldCount() const;
    const FieldInfo& field(int index) const;
    int fieldIndex(const QString& name) const; // -1 when absent
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }

    // Cursor.
    int recordCount() const;
    bool eof() const;
    bool bof() const;
    int position() const; // 0-based current row, -1 before the first / after the last
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    void moveTo(int row);

    // Values of the current row; a missing field or no current row throws.
    Variant value(const QString& name) const;
    Variant value(int index) const;
    void setValue(const QString& name, const Variant& v);
    void setValue(int index, const Variant& v);
    // Values by row, for grids.
    Variant valueAt(int row, int index) const;
    void setValueAt(int row, int index, const Variant& v);
    // Every row, without touching the cursor; an unopened set has none.
    RowRange rows() const;
    // Hands every row over to the caller and closes the set (for every copy
    // of it): a report keeps a procedure's rows without copying them.
    ValueTable takeRows();
    // Adds the rows of another detached result of the same fields after this
    // one's (the next page of a long list), taking them from it.
    void appendRows(Recordset&& more);

    // Rows.
    void addNew();
    void update();
    void deleteCurrent();
    // A table result whose saved rows keep their values as assigned instead
    // of being read back as stored: rows nothing reads again are saved at
    // the cost of the insert alone.
    void saveWithoutReadingBack();
    // A table result whose update() holds each new row instead of saving it:
    // saveHeld() saves the rows held so far together, none read back, so
    // that the database writes many in one statement. A row refused there
    // drops every row held.
    void holdRowsUntilSaved();
    void saveHeld();

    // Called after any change of rows or values (grids listen here).
    int subscribe(std::function<void()> listener);
    void unsubscribe(int id);

    // Used by the database side to build results.
    static Recordset detached(std::vector<FieldInfo> fields, std::vector<std::vector<Variant>> rows);
    static Recordset detachedValues(std::vector<FieldInfo> fields, ValueTable rows);
    static Recordset table(const QString& tableName, std::vector<FieldInfo> fields,
                           std::shared_ptr<RowSaver> saver);

private:
    friend class RowView;
    struct Impl;
    std::shared_ptr<Impl> d;
    void requireOpen() const;
    int requireField(const QString& name) const;
    int requireRow() const;
    void notify();
};

// One row of a record set, read by position: reading never moves the record
// set's cursor, so totals and checks can walk the rows while a grid or a data
// class holds its place.
class RowView {
public:
    RowView(const Recordset& rs, int row) : m_rs(rs), m_row(row) {}
    int index() const { return m_row; }
    Variant value(const QString& name) const;
    QString text(const QString& name) const { return value(name).toString(); }
    Currency currency(const QString& name) const; // a blank or empty value reads as 0
    std::int64_t integer(const QString& name) const { return value(name).toInt64(); }
    QDate date(const QString& name) const { return value(name).toDate(); }
    bool isBlank(const QString& name) const { return value(name).isBlank(); }
    // Writes a value of this row (a computed amount), the cursor untouched.
    void set(const QString& name, const Variant& v) const;

private:
    Recordset m_rs; // shares the rows with the set it came from
    int m_row;
};

// The rows of a record set for a range-for: `for (RowView row : rs.rows())`.
// It shares the rows, so it stays valid over a record set returned by value.
class RowRange {
public:
    class iterator {
    public:
        iterator(const Recordset* rs, int row) : m_rs(rs), m_row(row) {}
        RowView operator*() const { return RowView(*m_rs, m_row); }
        iterator& operator++() {
            ++m_row;
            return *this;
        }
        bool operator!=(const iterator& o) const { return m_row != o.m_row; }

    private:
        const Recordset* m_rs;
        int m_row;
    };
    RowRange(const Recordset& rs, int count) : m_rs(rs), m_count(count) {}
    iterator begin() const { return iterator(&m_rs, 0); }
    iterator end() const { return iterator(&m_rs, m_count); }

private:
    Recordset m_rs;
    int m_count;
};

inline RowRange Recordset::rows() const {
    return RowRange(*this, isOpen() ? recordCount() : 0);
}

} // namespace orv
