#pragma once

#include "values/Recordset.h"

#include <QAbstractTableModel>
#include <functional>
#include <set>

class QComboBox;

namespace orv {

// Shows a record set in a grid: column n is field n, headed by the field's
// name (or by its caption in the clerk's words, where asked), one grid row
// per record. The model follows every change of the
// record set (the window and the grid hold the same record set). When
// editable, an edit converts the typed text to the field's type and writes it
// into the record set; a text the field cannot take is refused and the cell
// keeps its value.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Refuses emptying a date cell (%1: the line, %2: the column's caption).
    static inline const QString kDateRequired =
        QStringLiteral("Line %1, %2: a line's date cannot be left empty; type a date such as 31/12/2026");

    // A line field's caption in the clerk's words: "Qty" for Qty_Order.
    static QString caption(const QString& field);
    // What a refused cell's message says the clerk should type, by the
    // field's type: "type a whole number".
    static QString expected(const FieldInfo& field, const QString& text);

    explicit RecordsetModel(QObject* parent = nullptr);
    ~RecordsetModel() override;

    void setRecordset(const Recordset& recordset);
    const Recordset& recordset() const { return m_recordset; }
    // A long list shown a page at a time: `more` gives the rows that follow
    // those shown (none when there are no more), read as the grid is
    // scrolled to its last row. A new record set ends the list's paging.
    void setMore(std::function<Recordset()> more) { m_more = std::move(more); }

    void setEditable(bool editable) { m_editable = editable; }
    // The columns are headed by their captions instead of the field names.
    void useCaptions() { m_captions = true; }
    void setLockedColumns(std::set<int> columns) { m_locked = std::move(columns); }
    bool isLocked(int column) const { return !m_editable || m_locked.count(column) > 0; }

    // The text a cell shows; the empty text outside the record set.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // A typed value was written into the record set.
    void edited(int column);
    // A typed value was refused; the text says why.
    void refused(const QString& reason);

private:
    Recordset m_recordset;
    std::function<Recordset()> m_more;
    int m_subscription = -1;
    bool m_bound = false;
    bool m_writing = false;
    bool m_editable = false;
    bool m_captions = false;
    std::set<int> m_locked;
    int m_rows = 0;
    int m_columns = 0;

    void unbind();
    void recordsetChanged();
    void countShape(int* rows, int* columns) const;
    // Whether the cell already holds what the text converts to.
    bool holds(int row, int column, const QString& text) const;
};

// A list shows one column of a record set through a RecordsetModel, one
// entry per row in the rows' order (or alphabetical, case aside), with
// nothing chosen. A list keeps its model: a later fill shows the new rows in
// it. A column the rows lack is an error.
void fillListFrom(QComboBox* list, const Recordset& rows, const QString& column, bool alphabetical = false);
// The same, each entry the label made of its row ("Last, First").
void fillListFrom(QComboBox* list, const Recordset& rows,
                  const std::function<QString(const RowView&)>& label);

} // namespace orv
