#include "PickGrid.h"

#include "CursorPictures.h"
#include "uicore/ScreenUnits.h"
#include "uicore/UiServices.h"

#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace orv {

const QString PickGrid::kMimeType = QStringLiteral("application/x-orvanwise-pick-row");

PickGrid::PickGrid(QWidget* parent)
    : QTableView(parent), m_model(new RecordsetModel(this)), m_dragPicture(kDragPicture) {
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the grid instead of walking its cells
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(false);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    // Rows read as the grid is scrolled join the equal neighbours above them.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_merged.empty())
            mergeRows();
    });
}

void PickGrid::setRecordset(const Recordset& rows, std::function<Recordset()> more) {
    // Widths survive a new result: the windows set them once for the grid.
    std::vector<int> widths;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        widths.push_back(columnWidth(c));
    }
    m_model->setRecordset(rows);
    m_model->setMore(std::move(more));
    for (int c = 0; c < static_cast<int>(widths.size()) && c < m_model->columnCount(); ++c) {
        setColumnWidth(c, widths[static_cast<size_t>(c)]);
    }
    mergeRows();
}

void PickGrid::mergeEqualNeighbours(int column) {
    m_merged.push_back(column);
    mergeRows();
}

void PickGrid::mergeRows() {
    clearSpans();
    for (int column : m_merged) {
        if (column >= m_model->columnCount())
            continue;
        for (int first = 0; first < rows();) {
            int next = first + 1;
            while (next < rows() && cellText(next, column) == cellText(first, column))
                ++next;
            if (next - first > 1)
                setSpan(first, column, next - first, 1);
            first = next;
        }
    }
}

void PickGrid::setColumnWidthsTwips(const std::vector<int>& widths) {
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        setColumnWidth(c, twipsToPixels(widths[static_cast<size_t>(c)], this));
    }
}

void PickGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (!pressed.isValid()) {
        QTableView::mousePressEvent(event);
        return;
    }
    event->accept();
    setFocus(Qt::MouseFocusReason);
    setCurrentIndex(pressed);
    selectRow(pressed.row());
    emit rowPressed(pressed.row());
}

void PickGrid::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid()) {
        event->accept();
        emit rowEntered(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

void PickGrid::startRowDrag() {
    if (m_drag) {
        return;
    }
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(kMimeType, QByteArray());
    drag->setMimeData(mime);
    m_drag = drag;
    setDragPicture(kDragPicture);
    UiServices::current().runDrag(drag);
    if (m_drag) {
        m_drag->deleteLater();
    }
    m_drag = nullptr;
}

void PickGrid::setDragPicture(const QString& fileName) {
    m_dragPicture = fileName;
    if (!m_drag) {
        return;
    }
    // The picture is read at every change; a missing file leaves the
    // standard drag cursor.
    const QPixmap picture = loadCursorPicture(fileName);
    for (Qt::DropAction action : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction, Qt::IgnoreAction}) {
        m_drag->setDragCursor(picture, action);
    }
}

} // namespace orv
