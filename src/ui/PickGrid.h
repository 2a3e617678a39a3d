#pragma once

#include "RecordsetModel.h"

#include <QPointer>
#include <QTableView>
#include <vector>

class QDrag;

namespace orv {

// The pick grid (hfgProducts): shows a record set the data class returned,
// read-only, with no fixed column, so grid column n is result column n and
// the headings are the result's column names. A mouse press on a row selects
// it and reports it; the window copies the cells it needs and starts the drag.
class PickGrid : public QTableView {
    Q_OBJECT
public:
    // The drag's data format; only the line grid of the same window takes it.
    static const QString kMimeType;

    explicit PickGrid(QWidget* parent = nullptr);

    // `more`, when given, reads the rows that follow as the grid is scrolled
    // to its last row (see RecordsetModel::setMore).
    void setRecordset(const Recordset& rows, std::function<Recordset()> more = {});
    const Recordset& recordset() const { return m_model->recordset(); }
    // Widths of columns 0, 1, ... in twips.
    void setColumnWidthsTwips(const std::vector<int>& widths);
    // Equal texts in consecutive rows of the column are shown as one cell,
    // in this result and every later one.
    void mergeEqualNeighbours(int column);
    int rows() const { return m_model->rowCount(); }
    // The text of a cell; the empty text outside the grid.
    QString cellText(int row, int column) const { return m_model->cellText(row, column); }

    // Starts a drag from the grid with the drag picture read afresh; returns
    // when the drag has ended.
    void startRowDrag();
    // Changes the picture of the running drag (and of the next one).
    void setDragPicture(const QString& fileName);
    const QString& dragPicture() const { return m_dragPicture; }
    bool isDragging() const { return !m_drag.isNull(); }

signals:
    // A mouse press, of any button, on a data row.
    void rowPressed(int row);
    // Enter on the current row: the keyboard's way to drop it.
    void rowEntered(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mergeRows();

    RecordsetModel* m_model;
    std::vector<int> m_merged; // the columns whose equal neighbours are one cell
    QString m_dragPicture;
    QPointer<QDrag> m_drag;
};

} // namespace orv
