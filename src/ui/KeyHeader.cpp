#include "KeyHeader.h"

#include "RecordsetModel.h"
#include "SetupSection.h"
#include "uicore/Controls.h"
#include "uicore/UiServices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace orv {

namespace {

QString textOf(const Variant& v) {
    return v.isBlank() ? QString() : v.toString();
}

QString captionOf(std::span<const PinnedText> texts, const QString& key) {
    for (const PinnedText& pinned : texts)
        if (qtext(pinned.key) == key)
            return qtext(pinned.text);
    return {};
}

} // namespace

KeyHeader::KeyHeader(QWidget* window, KeyHeaderDef def, KeyReads reads)
    : QObject(window), m_window(window), m_def(std::move(def)), m_reads(std::move(reads)),
      m_list(makeControl<QComboBox>(window, m_def.list)) {
    m_list->setEditable(true);
    m_list->setInsertPolicy(QComboBox::NoInsert);
    for (const KeyDetail& detail : m_def.details) {
        auto* box = makeControl<QLineEdit>(window, detail.control);
        box->setReadOnly(true);
        m_boxes.push_back(box);
    }
    // Any change of the name away from the record shown (typed, pasted or
    // set) empties the boxes, so they never describe another record.
    connect(m_list, &QComboBox::editTextChanged, this, [this](const QString& name) {
        if (!m_refilling && (!m_hasLoaded || name != m_loaded))
            clearDetails();
    });
}

QLineEdit* KeyHeader::box(const QString& control) const {
    for (QLineEdit* box : m_boxes)
        if (box->objectName() == control)
            return box;
    return nullptr;
}

// --- the list --------------------------------------------------------------

void KeyHeader::fillList() {
    if (!m_def.entries.isEmpty()) {
        m_list->clear();
        m_list->addItems(m_def.entries);
        m_list->setCurrentIndex(-1);
        return;
    }
    const Recordset rows = m_reads.list();
    fillListFrom(m_list, rows, m_def.nameColumn);
    if (rows.recordCount() == 0 && !m_def.emptyListMessage.isEmpty())
        UiServices::current().message(m_def.emptyListMessage);
}

void KeyHeader::readListAgain() {
    if (!m_def.entries.isEmpty())
        return;
    m_refilling = true;
    try {
        keepingText(m_list, [this] { fillListFrom(m_list, m_reads.list(), m_def.nameColumn); });
    } catch (...) {
        m_refilling = false;
        throw;
    }
    m_refilling = false;
}

// --- the record --------------------------------------------------------------

void KeyHeader::load() {
    clearDetails();
    const QString name = m_list->currentText();
    const QString key =
        m_reads.id ? m_reads.id(name) : (m_list->findText(name, Qt::MatchExactly) >= 0 ? name : QString());
    if (key.isEmpty())
        return;
    Recordset record;
    if (m_reads.details) {
        record = m_reads.details(name);
        if (record.recordCount() == 0)
            return;
    }
    m_record = record;
    m_key = key;
    m_loaded = name;
    m_hasLoaded = true;
    if (m_record.recordCount() > 0)
        showRecord(RowView(m_record, 0));
}

void KeyHeader::showRecord(const RowView& record) {
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setText(textOf(record.value(m_def.details[i].column)));
}

void KeyHeader::clearDetails() {
    m_hasLoaded = false;
    m_key.clear();
    m_record = Recordset();
    for (QLineEdit* box : m_boxes)
        box->clear();
}

void KeyHeader::clear() {
    clearDetails();
    m_list->setCurrentIndex(-1);
    m_list->setEditText(QString());
}

void KeyHeader::clearKeeping(const QList<QLineEdit*>& kept) {
    QStringList texts;
    for (const QLineEdit* box : kept)
        texts << box->text();
    clear();
    for (qsizetype i = 0; i < kept.size(); ++i)
        kept[i]->setText(texts[i]);
}

bool KeyHeader::isLoaded() const {
    return m_hasLoaded && m_loaded == m_list->currentText();
}

Variant KeyHeader::valueAtPick(const QString& column) const {
    if (!isLoaded() || m_record.recordCount() == 0)
        return Variant();
    return RowView(m_record, 0).value(column);
}

CheckList KeyHeader::checks(const QString& message) const {
    return {
        Check::empty(m_list, message),
        // A typed name that is no record's, or whose record was never read,
        // carries nothing the document could post.
        Check::when([this] { return !isLoaded(); }, message, m_list),
    };
}

bool KeyHeader::copiedValue(const QString& from, Variant* value) const {
    if (from == kKey)
        *value = Variant(key());
    else if (from == kName)
        *value = Variant(m_list->currentText());
    else if (const QLineEdit* shown = box(from))
        *value = Variant(shown->text());
    else
        return false;
    return true;
}

void KeyHeader::copyInto(Recordset& header) const {
    for (const HeaderCopy& copy : m_def.copies) {
        Variant value;
        if (!copiedValue(copy.from, &value))
            value = valueAtPick(copy.from);
        header.setValue(copy.field, value);
    }
}

// --- layout ------------------------------------------------------------------

QList<QWidget*> KeyHeader::rows() const {
    QList<QWidget*> rows{m_list};
    for (QLineEdit* box : m_boxes)
        rows << box;
    return rows;
}

QWidget* KeyHeader::layOut(std::span<const PinnedText> texts, const QString& frameName,
                           const QList<QWidget*>& elsewhere) {
    auto* frame = makeControl<QGroupBox>(m_window, frameName);
    frame->setTitle(captionOf(texts, frameName));
    m_form = new QFormLayout(frame);
    for (QWidget* row : rows())
        if (!elsewhere.contains(row))
            m_form->addRow(captionOf(texts, row->objectName()), row);
    return frame;
}

} // namespace orv
