#include "RecordsetModel.h"

#include "uicore/UiServices.h"
#include "values/Currency.h"
#include "values/DataError.h"

#include <QComboBox>
#include <QHash>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace orv {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

QString RecordsetModel::caption(const QString& field) {
    // The line fields of the entry windows; any other shows its name in words.
    static const QHash<QString, QString> captions{
        {QStringLiteral("GL_ID"), QStringLiteral("Account")},
        {QStringLiteral("GL_Name"), QStringLiteral("Account Name")},
        {QStringLiteral("Descrip"), QStringLiteral("Description")},
        {QStringLiteral("Product_No"), QStringLiteral("Item Code")},
        {QStringLiteral("Pdt_ID_VC"), QStringLiteral("Item Code")},
        {QStringLiteral("Pdt_Name_VC"), QStringLiteral("Item Name")},
        {QStringLiteral("Qty_Bal"), QStringLiteral("Qty on Order")},
        {QStringLiteral("Qty_Order"), QStringLiteral("Qty")},
        {QStringLiteral("Qty_NU"), QStringLiteral("Qty")},
        {QStringLiteral("Doc_ID"), QStringLiteral("Stock Row")},
        {QStringLiteral("Unit_Price_TI"), QStringLiteral("Unit Price")},
        {QStringLiteral("vat_code"), QStringLiteral("VAT Code")},
        {QStringLiteral("vat_rate"), QStringLiteral("VAT Rate")},
        {QStringLiteral("ExtendedPrice"), QStringLiteral("Extended Price")},
    };
    const auto it = captions.constFind(field);
    return it != captions.constEnd() ? *it : QString(field).replace(QLatin1Char('_'), QLatin1Char(' '));
}

QString RecordsetModel::expected(const FieldInfo& field, const QString& text) {
    static const QRegularExpression whole(QStringLiteral(R"(^\s*[+-]?[0-9]+\s*$)"));
    switch (field.type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return whole.match(text).hasMatch() ? QStringLiteral("the number is too large; type a smaller one")
                                            : QStringLiteral("type a whole number");
    case DataType::Currency:
    case DataType::Double: {
        QString why;
        if (Currency::tryParse(text, nullptr, &why))
            return QStringLiteral("the amount is too large; type a smaller one");
        if (why.contains(QLatin1String("four decimals")))
            return QStringLiteral("type an amount with at most four decimals");
        if (why.contains(QLatin1String("too large")))
            return QStringLiteral("the amount is too large; type a smaller one");
        return QStringLiteral("type an amount such as 1,234.50");
    }
    case DataType::Date:
        return QStringLiteral("type a date such as 31/12/2026");
    case DataType::Boolean:
        return QStringLiteral("type Yes or No");
    default:
        break;
    }
    if (field.size > 0 && characterCount(text) > field.size)
        return QStringLiteral("type at most %1 characters").arg(field.size);
    return QStringLiteral("the text holds a character that cannot be kept; type it again without it");
}

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
    m_more = nullptr;
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

bool RecordsetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_more != nullptr;
}

void RecordsetModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !m_more)
        return;
    Recordset page;
    try {
        page = m_more();
    } catch (const DataError& e) {
        m_more = nullptr; // the rows shown stay; the list is not read further
        UiServices::current().reportError(e);
        return;
    }
    if (page.recordCount() == 0 || page.fieldCount() != m_recordset.fieldCount()) {
        m_more = nullptr;
        return;
    }
    beginInsertRows({}, m_rows, m_rows + page.recordCount() - 1);
    m_writing = true;
    m_recordset.appendRows(std::move(page));
    m_writing = false;
    m_rows = m_recordset.recordCount();
    endInsertRows();
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
        if (section >= m_columns)
            return {};
        const QString& name = m_recordset.field(section).name;
        return m_captions ? caption(name) : name;
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
        emit refused(kDateRequired.arg(row + 1).arg(caption(m_recordset.field(column).name)));
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
    } catch (const DataError&) {
        m_writing = false;
        const FieldInfo& field = m_recordset.field(column);
        emit refused(
            QStringLiteral("Line %1, %2: %3").arg(row + 1).arg(caption(field.name), expected(field, text)));
        return false;
    }
    emit dataChanged(index, index);
    emit edited(column);
    return true;
}

void fillListFrom(QComboBox* list, const Recordset& rows, const QString& column, bool alphabetical) {
    const int shown = rows.fieldIndex(column);
    if (shown < 0)
        throw DataError(QStringLiteral("The list's rows have no field %1").arg(column));
    // The list's own models, made at its first fill; setModel would discard
    // a model the list owns.
    auto* model = list->findChild<RecordsetModel*>(QString(), Qt::FindDirectChildrenOnly);
    if (!model) {
        model = new RecordsetModel(list);
        QAbstractItemModel* top = model;
        if (alphabetical) {
            auto* sorted = new QSortFilterProxyModel(list);
            sorted->setSourceModel(model);
            sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
            sorted->setDynamicSortFilter(true);
            top = sorted;
        }
        list->setModel(top);
    }
    model->setRecordset(rows);
    if (auto* sorted = qobject_cast<QSortFilterProxyModel*>(list->model()))
        sorted->sort(shown);
    list->setModelColumn(shown);
    list->setCurrentIndex(-1);
}

void fillListFrom(QComboBox* list, const Recordset& rows,
                  const std::function<QString(const RowView&)>& label) {
    std::vector<std::vector<Variant>> labels;
    for (const RowView row : rows.rows())
        labels.push_back({Variant(label(row))});
    fillListFrom(list, Recordset::detached({{QStringLiteral("Label"), DataType::Text, 0}}, std::move(labels)),
                 QStringLiteral("Label"));
}

} // namespace orv
