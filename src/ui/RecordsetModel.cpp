#include "RecordsetModel.h"

#include "values/DataError.h"

namespace orv {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

RecordsetModel::~RecordsetModel() {
    unbind();
}

void RecordsetModel::unbind() {
    if (m_bound && m_subscription >= 0) {
        m_recordset.unsubscribe(m_subscription);
    }
    m_subscription = -1;
    m_bound = false;
}

void RecordsetModel::setRecordset(const Recordset& recordset) {
    beginResetModel();
    unbind();
    m_recordset = recordset;
    m_subscription = m_recordset.subscribe([this] { recordsetChanged(); });
    m_bound = true;
    countShape(&m_rows, &m_columns);
    endResetModel();
}

void RecordsetModel::countShape(int* rows, int* columns) const {
    const bool open = m_bound && m_recordset.isOpen();
    *rows = open ? m_recordset.recordCount() : 0;
    *columns = m_bound ? m_recordset.fieldCount() : 0;
}

void RecordsetModel::recordsetChanged() {
    if (m_writing) {
        return;
    }
    int rows = 0;
    int columns = 0;
    countShape(&rows, &columns);
    if (rows != m_rows || columns != m_columns) {
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        endResetModel();
    } else if (rows > 0 && columns > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
    }
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QString RecordsetModel::cellText(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) {
        return {};
    }
    return m_recordset.valueAt(row, column).toString();
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return cellText(index.row(), index.column());
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section < m_columns ? QVariant(m_recordset.field(section).name) : QVariant();
    }
    return {};
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isLocked(index.column())) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool RecordsetModel::holds(int row, int column, const QString& text) const {
    try {
        return m_recordset.valueAt(row, column) == Variant(text).convertedTo(m_recordset.field(column).type);
    } catch (const DataError&) {
        return false; // the write below refuses it with the field's name
    }
}

bool RecordsetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || isLocked(index.column())) {
        return false;
    }
    const int row = index.row();
    const int column = index.column();
    const QString text = value.toString();
    if (m_recordset.field(column).type == DataType::Date && text.trimmed().isEmpty()) {
        // A line's date is never left out: the cell keeps the date it had.
        emit refused(kDateRequired.arg(m_recordset.field(column).name));
        return false;
    }
    try {
        // The record set converts the text to the field's type (an emptied
        // cell of a number or date field holds no value) and refuses what
        // the field cannot hold.
        if (holds(row, column, text)) {
            return true;
        }
        m_writing = true;
        m_recordset.setValueAt(row, column, Variant(text));
        m_writing = false;
    } catch (const DataError& error) {
        m_writing = false;
        emit refused(error.message());
        return false;
    }
    emit dataChanged(index, index);
    emit edited(column);
    return true;
}

} // namespace orv
