#pragma once

#include "Variant.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace orv {

struct FieldInfo {
    QString name;
    DataType type = DataType::Text;
    int size = 0; // defined size of a text field; 0 = no limit
};

// Saves the new row of an updatable table result and returns the row as
// stored (every column, the identity filled). Implemented by the database.
class RowSaver {
public:
    virtual ~RowSaver() = default;
    virtual std::vector<Variant> saveRow(const QString& table, const std::vector<FieldInfo>& fields,
                                         const std::vector<bool>& assigned,
                                         const std::vector<Variant>& values) = 0;
};

// A record set: named, typed fields and rows with a current-row cursor.
// Three kinds share this class:
//  - stand-alone: built field by field with appendField, then open();
//  - detached read result: rows copied out of a statement, readable after the
//    connection is gone, not updatable;
//  - table result: opened on "SELECT * FROM <table> WHERE 1 = 2", accepts
//    addNew, field assignments and update(), which saves the row.
// Copies share one record set (handle semantics), as windows and grids hold
// the same record set.
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

    // Rows.
    void addNew();
    void update();
    void deleteCurrent();

    // Called after any change of rows or values (grids listen here).
    int subscribe(std::function<void()> listener);
    void unsubscribe(int id);

    // Used by the database side to build results.
    static Recordset detached(std::vector<FieldInfo> fields, std::vector<std::vector<Variant>> rows);
    static Recordset table(const QString& tableName, std::vector<FieldInfo> fields,
                           std::shared_ptr<RowSaver> saver);

private:
    struct Impl;
    std::shared_ptr<Impl> d;
    void requireOpen() const;
    int requireField(const QString& name) const;
    int requireRow() const;
    void notify();
};

} // namespace orv
