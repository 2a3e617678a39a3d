#pragma once

#include "RecordsetModel.h"

#include <QTableView>
#include <vector>

namespace orv {

// The line grid (dgrOrderDetails): bound to the window's line record set.
// The clerk edits the cells that are not locked; each edit is converted to the
// field's type and written into the record set, or refused with a message
// leaving the cell as it was. After an edit has been committed the grid
// reports it (afterEdit), once the editor is gone, so that whatever the window
// then shows never runs inside the editor. Drags from the pick grid of the
// same window are reported as they enter, leave and drop.
class LineGrid : public QTableView {
    Q_OBJECT
public:
    enum class DragState { Enter, Leave, Over };

    explicit LineGrid(QWidget* parent = nullptr);

    // Binds the grid to a record set (again).
    void bind(const Recordset& lines);
    const Recordset& recordset() const { return m_model->recordset(); }
    RecordsetModel* recordsetModel() const { return m_model; }
    // Widths of columns 0, 1, ... in twips; 0 keeps the default width.
    void setColumnWidthsTwips(const std::vector<int>& widths);
    void setLockedColumns(std::set<int> columns) { m_model->setLockedColumns(std::move(columns)); }
    // The text a cell shows.
    QString cellText(int row, int column) const { return m_model->cellText(row, column); }
    // Makes a line the grid's current row (in the column that is current),
    // without taking the focus.
    void selectLine(int row);
    // Whether a cell editor is open.
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

signals:
    // A cell edit was committed (the column edited).
    void afterEdit(int column);
    void dragOver(orv::LineGrid::DragState state);
    void dropped();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    RecordsetModel* m_model;
    bool acceptsDrag(const QDropEvent* event) const;
};

} // namespace orv
