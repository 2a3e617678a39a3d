#include "SetupSection.h"

#include "KeyFilter.h"
#include "RecordsetModel.h"
#include "SetupWindow.h"
#include "uicore/Controls.h"
#include "uicore/UiServices.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace orv {

bool runRequest(QWidget* window, const RequestSteps& steps) {
    if (!runChecks(steps.checks))
        return false;
    WriteAnswer answer;
    std::vector<FieldBox> boxes;
    // A text the staging field cannot hold stops the request with its reason
    // before anything is sent, like a failed check.
    const bool written = guarded([&] {
        boxes = steps.assign();
        // A creation's failure text says the name or code exists.
        answer =
            sendToBooks(steps.write, steps.request == SetupRequest::Create ? db::kCauseExists : QString());
    });
    if (!written)
        return false;
    if (!showAnswer(window, answer, boxes))
        return false;
    if (steps.reload)
        guarded(steps.reload);
    steps.clear();
    return true;
}

std::vector<SetupField> placedBy(const std::vector<SetupField>& frame, std::vector<SetupField> placed) {
    std::vector<SetupField> fields;
    for (SetupField field : frame) {
        auto mine = std::find_if(placed.begin(), placed.end(),
                                 [&field](const SetupField& f) { return f.control == field.control; });
        if (mine != placed.end()) {
            field.cell = mine->cell;
            if (!mine->caption.isEmpty()) {
                field.caption = mine->caption;
                field.label = mine->label;
            }
            field.empty = mine->empty.isEmpty() ? field.empty : mine->empty;
            field.entries = mine->entries.isEmpty() ? field.entries : mine->entries;
            placed.erase(mine);
        }
        fields.push_back(std::move(field));
    }
    for (SetupField& field : placed)
        fields.push_back(std::move(field));
    return fields;
}

void keepingText(QComboBox* list, const std::function<void()>& fill) {
    const QString shown = fieldText(list);
    fill();
    setFieldText(list, shown);
}

namespace {

bool isNumber(const SetupField& field) {
    if (field.checkAs != CheckAs::Column)
        return field.checkAs == CheckAs::Number;
    return field.type == DataType::Integer || field.type == DataType::BigInt ||
           field.type == DataType::Currency || field.type == DataType::Double;
}

QWidget* makeBox(QWidget* parent, const SetupField& field) {
    switch (field.box) {
    case Box::List: {
        auto* list = makeControl<QComboBox>(parent, field.control);
        SetupWindow::makeTypedList(list);
        return list;
    }
    case Box::Date: {
        auto* picker = makeControl<QDateEdit>(parent, field.control);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return picker;
    }
    case Box::Text:
        break;
    }
    return makeControl<QLineEdit>(parent, field.control);
}

QLineEdit* lineOf(QWidget* box) {
    if (auto* list = qobject_cast<QComboBox*>(box))
        return list->lineEdit();
    return qobject_cast<QLineEdit*>(box);
}

// A number that its integer field cannot hold: not whole, or out of range.
bool notWhole(const QString& text, DataType type) {
    bool ok = false;
    if (type == DataType::Integer)
        text.trimmed().toInt(&ok);
    else
        text.trimmed().toLongLong(&ok);
    return !ok;
}

bool digitsOnly(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    return digits.match(text.trimmed()).hasMatch();
}

} // namespace

SetupSection::SetupSection(QWidget* parent, std::vector<SetupField> fields)
    : QObject(parent), m_parent(parent), m_fields(std::move(fields)) {
    for (const SetupField& field : m_fields) {
        QWidget* box = parent->findChild<QWidget*>(field.control);
        if (!box)
            box = makeBox(parent, field);
        m_boxes.push_back(box);
        if (field.bind)
            field.bind(box);
        if (auto* list = qobject_cast<QComboBox*>(box); list && !field.entries.isEmpty()) {
            list->addItems(field.entries);
            list->setCurrentIndex(-1);
        }
        if (QLineEdit* line = lineOf(box); line && field.limitTyping && field.width > 0)
            limitLength(line, field.width, whatOf(field));
        if (field.keys == Keys::Filtered)
            KeyFilter::install(box, field.keysMessage.isEmpty() ? KeyFilter::kSpecialCharacter
                                                                : field.keysMessage);
        else if (field.keys == Keys::Digits)
            KeyFilter::installDigits(box, field.keysMessage);
    }
}

namespace {

std::vector<SetupField> typedBy(const std::vector<FieldDef>& record, std::vector<SetupField> fields) {
    for (SetupField& field : fields) {
        for (const FieldDef& def : record) {
            if (!field.column.isEmpty() && def.name.compare(field.column, Qt::CaseInsensitive) == 0) {
                field.type = def.type;
                field.width = def.size;
            }
        }
    }
    return fields;
}

} // namespace

SetupSection::SetupSection(QWidget* parent, std::vector<FieldDef> record, std::vector<SetupField> fields)
    : SetupSection(parent, typedBy(record, std::move(fields))) {
    m_record = std::move(record);
}

QWidget* SetupSection::box(const QString& control) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].control == control)
            return m_boxes[i];
    }
    return nullptr;
}

QString SetupSection::whatOf(const SetupField& field) {
    if (!field.what.isEmpty())
        return field.what;
    QString what = field.caption.trimmed();
    if (what.endsWith(QLatin1Char(':')))
        what.chop(1);
    return what.trimmed();
}

void SetupSection::layOut(QGridLayout* grid) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const SetupField& field = m_fields[i];
        if (field.cell.row < 0)
            continue;
        // Three grid columns per column of fields: the label, the box, and
        // room for what a window sets beside a box.
        if (!field.label.isEmpty()) {
            auto* label = makeControl<QLabel>(m_parent, field.label);
            label->setText(field.caption);
            // The box of the name last picked is never seen, nor its label.
            if (!field.nothingPicked.isEmpty())
                label->setVisible(false);
            grid->addWidget(label, field.cell.row, field.cell.column * 3);
        }
        grid->addWidget(m_boxes[i], field.cell.row, field.cell.column * 3 + 1);
    }
}

void SetupSection::fillLists(const std::function<Recordset(const QString&)>& readTable) const {
    for (const SetupField& field : m_fields) {
        if (!field.listTable.isEmpty())
            guarded([&] { fillList(field.control, readTable); });
    }
}

void SetupSection::fillList(const QString& control,
                            const std::function<Recordset(const QString&)>& readTable) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].control == control && !m_fields[i].listTable.isEmpty())
            fillListFrom(qobject_cast<QComboBox*>(m_boxes[i]), readTable(m_fields[i].listTable),
                         m_fields[i].listColumn, m_fields[i].listSorted);
    }
}

std::vector<FieldDef> SetupSection::stagingFields() const {
    if (!m_record.empty())
        return m_record;
    // A column that two boxes feed (each for its own requests) is one field.
    std::vector<FieldDef> defs;
    for (const SetupField& field : m_fields) {
        if (field.column.isEmpty() || std::any_of(defs.begin(), defs.end(), [&](const FieldDef& def) {
                return def.name.compare(field.column, Qt::CaseInsensitive) == 0;
            }))
            continue;
        defs.push_back({field.column, field.type, field.width});
    }
    return defs;
}

void SetupSection::takeWidths(const QHash<QString, int>& widths) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        SetupField& field = m_fields[i];
        const int width = widths.value(field.column.toLower());
        if (field.type != DataType::Text || width <= 0)
            continue;
        field.width = width;
        if (QLineEdit* line = lineOf(m_boxes[i]); line && field.limitTyping)
            limitLength(line, width, whatOf(field));
    }
    for (FieldDef& def : m_record) {
        if (def.type == DataType::Text && widths.value(def.name.toLower()) > 0)
            def.size = widths.value(def.name.toLower());
    }
}

void SetupSection::buildStaging() {
    m_staging = buildRecord(stagingFields(), true);
}

void SetupSection::show(const Recordset& record) const {
    if (record.recordCount() == 0)
        return;
    Recordset row = record;
    row.moveFirst();
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const SetupField& field = m_fields[i];
        const QString column = field.source.isEmpty() ? field.column : field.source;
        if (!field.shown || column.isEmpty() || !row.hasField(column))
            continue;
        const Variant value = row.value(column);
        if (auto* picker = qobject_cast<QDateEdit*>(m_boxes[i])) {
            // A date the record lacks leaves the picker as it is.
            if (!value.isBlank())
                picker->setDate(value.toDate());
            continue;
        }
        setFieldText(m_boxes[i], value.toString());
    }
}

bool SetupSection::showPicked(const Recordset& record, const QString& missingMessage,
                              const QString& key) const {
    if (record.recordCount() == 0) {
        UiServices::current().message(missingMessage.arg(key));
        return false;
    }
    show(record);
    return true;
}

bool SetupSection::request(SetupRequest request, const std::function<QString(const Recordset&)>& write,
                           const std::function<void()>& reload, const std::function<void()>& clear,
                           CheckList own) {
    CheckList all = checks();
    for (Check& check : own)
        all.push_back(std::move(check));
    for (Check& check : fitChecks())
        all.push_back(std::move(check));
    return runRequest(m_parent, {request, std::move(all), [this, request] { return assign(request); },
                                 [this, &write] { return write(m_staging); }, reload, clear});
}

std::vector<FieldBox> SetupSection::carried(SetupRequest request) const {
    std::vector<FieldBox> fields;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const SetupField& field = m_fields[i];
        if (!field.column.isEmpty() && (field.requests & requestBit(request)) != 0)
            fields.emplace_back(field.column, m_boxes[i]);
    }
    return fields;
}

std::vector<FieldBox> SetupSection::assign(SetupRequest request) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const SetupField& field = m_fields[i];
        if (!field.column.isEmpty() && (field.requests & requestBit(request)) != 0)
            assignText(m_staging, field.column, sentText(field, m_boxes[i]));
    }
    return carried(request);
}

QString SetupSection::sentText(const SetupField& field, const QWidget* box) {
    const QString typed = fieldText(box);
    if (field.instead) {
        if (std::optional<QString> replaced = field.instead(typed))
            return *replaced;
    }
    return typed;
}

std::vector<QWidget*> SetupSection::cleared() const {
    std::vector<QWidget*> boxes;
    for (QWidget* box : m_boxes) {
        if (!qobject_cast<QDateEdit*>(box))
            boxes.push_back(box);
    }
    return boxes;
}

void SetupSection::clear() const {
    for (QWidget* box : cleared())
        setFieldText(box, QString());
}

CheckList SetupSection::fieldChecks(const SetupField& field) const {
    CheckList checks = untintedChecks(field);
    if (field.tint) {
        for (Check& check : checks)
            check.tinted();
    }
    return checks;
}

CheckList SetupSection::untintedChecks(const SetupField& field) const {
    QWidget* b = box(field.control);
    CheckList checks;
    if (!isNumber(field)) {
        if (!field.empty.isEmpty())
            checks.push_back(Check::empty(b, field.empty));
    } else {
        if (!field.empty.isEmpty())
            checks.push_back(Check::emptyNumber(b, field.empty));
        checks.push_back(Check::notNumber(b));
        if (!field.notPositive.isEmpty())
            checks.push_back(Check::notPositive(b, field.notPositive));
        if (field.minimum)
            checks.push_back(Check::below(b, *field.minimum, field.range));
        if (field.maximum)
            checks.push_back(Check::above(b, *field.maximum, field.range));
    }
    if (field.applies) {
        for (Check& check : checks)
            check.onlyIf(field.applies);
    }
    return checks;
}

CheckList SetupSection::checks() const {
    CheckList checks;
    for (const SetupField& field : m_fields) {
        for (Check& check : fieldChecks(field))
            checks.push_back(std::move(check));
    }
    return checks;
}

CheckList SetupSection::checksOf(const QString& control) const {
    for (const SetupField& field : m_fields) {
        if (field.control == control)
            return fieldChecks(field);
    }
    return {};
}

CheckList SetupSection::fitChecks() const {
    CheckList checks;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        for (Check& check : fitChecksAt(i))
            checks.push_back(std::move(check));
    }
    return checks;
}

CheckList SetupSection::fitChecksOf(const QString& control) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].control == control)
            return fitChecksAt(i);
    }
    return {};
}

CheckList SetupSection::fitChecksAt(std::size_t index) const {
    CheckList checks = untintedFitChecks(index);
    if (m_fields[index].tint) {
        for (Check& check : checks)
            check.tinted();
    }
    return checks;
}

CheckList SetupSection::untintedFitChecks(std::size_t index) const {
    const SetupField& field = m_fields[index];
    QWidget* box = m_boxes[index];
    QPointer<QWidget> b(box);
    const DataType type = field.type;
    CheckList checks;
    // A code carried as its key is read through its table, not as typed.
    if (field.column.isEmpty() || !field.keyTable.isEmpty())
        return checks;
    if (type == DataType::Integer || type == DataType::BigInt) {
        if (field.lettersFirst)
            checks.push_back(
                Check::when([b] { return b && !digitsOnly(fieldText(b)); },
                            whatOf(field) + QStringLiteral(" : Enter numerical and not character"), box,
                            kTitleInvalidInput)
                    .selectingText());
        // A field with a range of its own names it; others say what to type,
        // never the column type's range.
        const QString message =
            field.range.isEmpty() ? whatOf(field) + QStringLiteral(": type a whole number") : field.range;
        const QString tooLong =
            field.range.isEmpty()
                ? whatOf(field) + QStringLiteral(": the number is too long; type one of fewer digits")
                : field.range;
        checks.push_back(
            Check::when([b] { return b && !digitsOnly(fieldText(b)); }, message, box).selectingText());
        checks.push_back(Check::when([b, type] { return b && notWhole(fieldText(b), type); }, tooLong, box)
                             .selectingText());
    } else if (type == DataType::Currency || type == DataType::Double) {
        // A text that reads as a number yet not as an amount ("1e1", twenty
        // digits) is out of the field's range.
        const QString message = field.range.isEmpty()
                                    ? whatOf(field) + QStringLiteral(": type an amount such as 1,234.50")
                                    : field.range;
        checks.push_back(Check::when(
                             [b] {
                                 Currency value;
                                 return b && !fieldText(b).trimmed().isEmpty() && !fieldNumber(b, &value);
                             },
                             message, box)
                             .selectingText());
    } else if (type == DataType::Text && field.width > 0) {
        const int width = field.width;
        checks.push_back(
            Check::when([b, width] { return b && characterCount(fieldText(b)) > width; },
                        whatOf(field) + QStringLiteral(" must not be longer than %1 characters").arg(width),
                        box)
                .selectingText());
    }
    return checks;
}

} // namespace orv
