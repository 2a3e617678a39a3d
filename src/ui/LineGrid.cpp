#include "LineGrid.h"

#include "PickGrid.h"
#include "uicore/ScreenUnits.h"
#include "uicore/UiServices.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <algorithm>

namespace orv {

LineGrid::LineGrid(QWidget* parent) : QTableView(parent), m_model(new RecordsetModel(this)) {
    m_model->setEditable(true);
    m_model->useCaptions();
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
    // Queued: the editor has closed and the value is in the record set
    // before the window reacts (a message box must not open inside it).
    connect(m_model, &RecordsetModel::edited, this, &LineGrid::afterEdit, Qt::QueuedConnection);
    connect(
        m_model, &RecordsetModel::refused, this,
        [](const QString& reason) { UiServices::current().message(reason); }, Qt::QueuedConnection);
}

void LineGrid::bind(const Recordset& lines) {
    std::vector<int> widths;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        widths.push_back(columnWidth(c));
    }
    m_model->setRecordset(lines);
    for (int c = 0; c < static_cast<int>(widths.size()) && c < m_model->columnCount(); ++c) {
        setColumnWidth(c, widths[static_cast<size_t>(c)]);
    }
}

void LineGrid::setColumnWidthsTwips(const std::vector<int>& widths) {
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        // A width of 0 keeps the grid's own default for that column.
        if (widths[static_cast<size_t>(c)] > 0)
            setColumnWidth(c, twipsToPixels(widths[static_cast<size_t>(c)], this));
    }
}

void LineGrid::selectLine(int row) {
    const int column = std::max(currentIndex().column(), 0);
    setCurrentIndex(m_model->index(row, column));
}

bool LineGrid::acceptsDrag(const QDropEvent* event) const {
    const auto* source = qobject_cast<const PickGrid*>(event->source());
    return source && source->window() == window() && event->mimeData()->hasFormat(PickGrid::kMimeType) &&
           isEnabled();
}

void LineGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit dragOver(DragState::Enter);
}

void LineGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit dragOver(DragState::Over);
}

void LineGrid::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
    emit dragOver(DragState::Leave);
}

void LineGrid::dropEvent(QDropEvent* event) {
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit dropped();
}

} // namespace orv
