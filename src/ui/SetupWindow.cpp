#include "SetupWindow.h"

#include "RecordsetModel.h"
#include "WriteAnswer.h"
#include "uicore/Controls.h"
#include "uicore/UiServices.h"
#include "values/DataError.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace orv {

SetupWindow::SetupWindow(QWidget* parent, Frame frame)
    : Window(parent), cmdNew(makeControl<QPushButton>(this, QStringLiteral("cmdNew"))) {
    onClick(cmdNew, [this] { cmdNew_Click(); });
    if (frame == Frame::SectionsOnly)
        return;
    cboCompany = makeControl<QComboBox>(this, QStringLiteral("cboCompany"));
    cmdSend = makeControl<QPushButton>(this, QStringLiteral("cmdSend"));
    cmdUpdate = makeControl<QPushButton>(this, QStringLiteral("cmdUpdate"));
    cmdDelete = makeControl<QPushButton>(this, QStringLiteral("cmdDelete"));
    cmdClear = makeControl<QPushButton>(this, QStringLiteral("cmdClear"));
    makeTypedList(cboCompany);
    applyCaptions(this, kText);
    cmdNew->setVisible(false);

    onChoice(cboCompany, [this] { cboCompany_Click(); });
    // A name the clerk types that no record has is a new record to create,
    // whatever was sent before.
    connect(cboCompany->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& typed) {
        const QString name = typed.trimmed();
        if (!name.isEmpty() && cboCompany->findText(name, Qt::MatchFixedString) < 0)
            cmdSend->setEnabled(true);
    });
    onClick(cmdSend, [this] { cmdSend_Click(); });
    onClick(cmdUpdate, [this] { cmdUpdate_Click(); });
    onClick(cmdDelete, [this] { cmdDelete_Click(); });
    onClick(cmdClear, [this] { cmdClear_Click(); });
}

namespace {

// Typed text is no choice: a list whose typed text matches an entry would
// announce that entry as chosen when the box loses the focus or takes Enter.
// While the box handles those, the list's signals are held back. The list
// itself holds the focus and hands its keys and focus changes straight to
// its text box, so both are watched; Enter in the open list is the list's
// own and still chooses.
class TypedTextIsNoChoice : public QObject {
public:
    explicit TypedTextIsNoChoice(QComboBox* list) : QObject(list), m_list(list) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool ends =
            event->type() == QEvent::FocusOut ||
            (event->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
        if (!ends || m_inside)
            return false;
        const QSignalBlocker hold(m_list);
        m_inside = true;
        QCoreApplication::sendEvent(watched, event);
        m_inside = false;
        return true;
    }

private:
    QComboBox* m_list;
    bool m_inside = false;
};

} // namespace

void SetupWindow::makeTypedList(QComboBox* list) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // A record is loaded only when the clerk chooses it from the list: no
    // inline completion, and no pick of an entry the typed text matches.
    list->setCompleter(nullptr);
    auto* typed = new TypedTextIsNoChoice(list);
    list->installEventFilter(typed);
    list->lineEdit()->installEventFilter(typed);
}

SetupWindow::Assignment SetupWindow::fromControl(const QString& field, QWidget* control) {
    return {field, [control] { return fieldText(control); }, control};
}

void SetupWindow::Form_Load() {
    // Each step on its own: a list that cannot be read leaves the rest usable.
    m_hasDataClass = guarded([&] { createDataClass(); });
    // The staging tables bound the text fields; read before any record is built.
    if (m_hasDataClass) {
        std::vector<SetupSection*> staged{m_record};
        for (const Section& section : m_sections)
            staged.push_back(section.fields);
        for (SetupSection* s : staged) {
            if (s && !s->stagingTable().isEmpty())
                guarded([&] { s->takeWidths(readWidths(s->stagingTable())); });
        }
    }
    for (const ListFill& fill : lists()) {
        guarded([&] { fillList(fill); });
    }
    guarded([&] { Create_New_Customer(); });
}

std::vector<SetupWindow::ListFill> SetupWindow::lists() const {
    std::vector<const SetupSection*> tables{m_record};
    for (const Section& section : m_sections)
        tables.push_back(section.fields);
    std::vector<ListFill> fills;
    for (const SetupSection* table : tables) {
        for (const SetupField& field : table ? table->fields() : std::vector<SetupField>{}) {
            if (!field.listTable.isEmpty())
                fills.push_back({table->box<QComboBox>(field.control), field.listTable, field.listColumn,
                                 field.listSorted});
        }
    }
    return fills;
}

void SetupWindow::fillList(const ListFill& fill) {
    if (!fill.list)
        return;
    if (fill.label)
        fillListFrom(fill.list, readTable(fill.table), fill.label);
    else
        fillListFrom(fill.list, readTable(fill.table), fill.column, fill.alphabetical);
}

void SetupWindow::refreshLists() {
    if (!m_hasDataClass)
        return;
    std::vector<ListFill> fills = lists();
    for (const Section& section : m_sections)
        fills.push_back(namesOf(section.fields));
    std::vector<QComboBox*> done;
    for (const ListFill& fill : fills) {
        if (!fill.list || std::find(done.begin(), done.end(), fill.list) != done.end())
            continue;
        done.push_back(fill.list);
        guarded([&] { keepingText(fill.list, [&] { fillList(fill); }); });
    }
}

void SetupWindow::Create_New_Customer() {
    m_staging = buildRecord(stagingFields(), true);
    for (const Section& section : m_sections)
        section.fields->buildStaging();
}

void SetupWindow::cboCompany_Click() {
    const Recordset record = readDetails(cboCompany->currentText());
    showDetails(record);
    cmdNew->click();
}

void SetupWindow::pickRecord(const QString& missingMessage) {
    const QString name = cboCompany->currentText();
    const Recordset record = readDetails(name);
    if (record.recordCount() == 0) {
        UiServices::current().message(missingMessage.arg(name));
        return;
    }
    showDetails(record);
    cmdNew->click();
}

void SetupWindow::cmdNew_Click() {
    for (QPushButton* b : {cmdSend, cmdUpdate, cmdDelete}) {
        if (b)
            b->setEnabled(true);
    }
    for (const Section& section : m_sections) {
        for (QPushButton* b : section.buttons)
            b->setEnabled(b->isEnabled() || (section.requests.flags & kDisablesButton) != 0);
    }
    Create_New_Customer();
}

void SetupWindow::cmdClear_Click() {
    for (QWidget* field : clearedFields()) {
        setFieldText(field, QString());
    }
}

CheckList SetupWindow::chartChecks(Request request) {
    CheckList checks;
    for (const SetupField& field : m_record ? m_record->fields() : std::vector<SetupField>{}) {
        if (field.chart.isEmpty() || (field.requests & requestBit(request)) == 0)
            continue;
        auto* box = m_record->box<QComboBox>(field.control);
        Check check = inChart(box, field.chart);
        if (field.tint)
            check.tinted();
        // A code the request does not carry is not looked up.
        if (field.instead)
            check.onlyIf([field, box] { return !field.instead(fieldText(box)); });
        checks.push_back(std::move(check));
    }
    return checks;
}

void SetupWindow::request(Request request, QPushButton* pressed) {
    if (!Validate())
        return;
    CheckList checks = chartChecks(request);
    for (CheckList more : {pickedChecks(request), requestChecks(request)}) {
        for (Check& check : more)
            checks.push_back(std::move(check));
    }
    const bool sent = runRequest(this, {request, std::move(checks),
                                        [&] {
                                            std::vector<FieldBox> boxes;
                                            for (const Assignment& a : assignments(request)) {
                                                assignText(m_staging, a.field, a.text());
                                                boxes.emplace_back(a.field, a.box);
                                            }
                                            return boxes;
                                        },
                                        [&] { return write(request); }, [&] { readListsAgain(); },
                                        [&] { cmdClear_Click(); }});
    if (sent)
        pressed->setEnabled(false);
}

// --- further sections ----------------------------------------------------------------------

SetupSection* SetupWindow::addSection(QGroupBox* frame, std::vector<SetupField> fields,
                                      SectionRequests requests) {
    auto* section = requests.record.empty() ? new SetupSection(frame, std::move(fields))
                                            : new SetupSection(frame, requests.record, std::move(fields));
    std::vector<QPushButton*> pressed;
    layOutSection(frame, section, requests, pressed);
    m_sections.push_back({section, std::move(requests), {pressed[0], pressed[1], pressed[2]}});
    const std::size_t index = m_sections.size() - 1;
    onChoice(namesOf(section).list, [this, index] { pickInSection(m_sections[index]); });
    const Request kinds[] = {Request::Create, Request::Update, Request::Delete};
    for (int i = 0; i < 3; ++i)
        onClick(pressed[i], [this, index, kind = kinds[i]] { sectionRequest(m_sections[index], kind); });
    if (pressed[3] != cmdNew) {
        onClick(pressed[3], [section, note = m_sections.back().requests.clearNote] {
            if (!note.isEmpty())
                UiServices::current().message(note);
            section->clear();
        });
    }
    return section;
}

void SetupWindow::layOutSection(QGroupBox* frame, SetupSection* section, const SectionRequests& requests,
                                std::vector<QPushButton*>& pressed) {
    auto* grid = new QGridLayout(frame);
    section->layOut(grid);
    const std::pair<QString, const char*> captions[] = {{requests.create, "CREATE NEW"},
                                                        {requests.update, "UPDATE"},
                                                        {requests.remove, "DELETE"},
                                                        {requests.clear, "CLEAR"}};
    for (const auto& [name, caption] : captions) {
        auto* held = findChild<QPushButton*>(name);
        pressed.push_back(held ? held : makeControl<QPushButton>(frame, name));
        if (!held)
            pressed.back()->setText(QString::fromLatin1(caption));
    }
    auto* buttons = new QHBoxLayout;
    if (requests.row.isEmpty()) {
        for (QPushButton* b : pressed)
            buttons->addWidget(b);
    }
    for (const QString& name : requests.row)
        buttons->addWidget(findChild<QWidget*>(name));
    buttons->addStretch(1);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, grid->columnCount());
}

void SetupWindow::clearSections() const {
    for (const Section& section : m_sections)
        section.fields->clear();
}

SetupWindow::ListFill SetupWindow::namesOf(const SetupSection* section) const {
    for (const Section& s : m_sections) {
        if (s.fields != section)
            continue;
        const SetupField& names = section->fields().front();
        if (s.requests.table.isEmpty())
            return {section->box<QComboBox>(names.control), names.listTable, names.listColumn};
        return {section->box<QComboBox>(names.control), s.requests.table, s.requests.column};
    }
    return {};
}

void SetupWindow::pickInSection(const Section& section) {
    const QString name = fieldText(namesOf(section.fields).list);
    if (section.fields->showPicked(section.requests.details(name), section.requests.missing, name) &&
        (section.requests.flags & kPickKeepsButtons) == 0)
        cmdNew->click();
}

void SetupWindow::sectionRequest(const Section& section, Request request) {
    SetupSection* fields = section.fields;
    const unsigned flags = section.requests.flags;
    const bool taken = fields->request(
        request, [&](const Recordset& staging) { return section.requests.write(request, staging); },
        [&] { readListsAgain(); },
        [this, fields, flags] {
            if ((flags & kEmptiesEverySection) != 0)
                clearSections();
            else
                fields->clear();
        },
        section.requests.ownChecks ? section.requests.ownChecks() : CheckList{});
    if (taken && (flags & kDisablesButton) != 0)
        section.buttons[static_cast<std::size_t>(request)]->setEnabled(false);
}

// --- the record as a field table ----------------------------------------------------------

SetupSection* SetupWindow::setRecord(std::vector<SetupField> fields) {
    return adoptRecord(new SetupSection(this, std::move(fields)));
}

SetupSection* SetupWindow::setRecord(std::vector<FieldDef> staging, std::vector<SetupField> fields) {
    return adoptRecord(new SetupSection(this, std::move(staging), std::move(fields)));
}

SetupSection* SetupWindow::adoptRecord(SetupSection* record) {
    m_record = record;
    for (const SetupField& field : record->fields()) {
        if (!field.nothingPicked.isEmpty())
            record->box(field.control)->setVisible(false);
        if (!field.accountOf.isEmpty()) {
            const auto code =
                std::find_if(record->fields().begin(), record->fields().end(),
                             [&field](const SetupField& f) { return f.control == field.accountOf; });
            showAccountName(record->box<QComboBox>(field.accountOf), record->box(field.control),
                            code != record->fields().end() ? code->chart : QString());
        }
    }
    return record;
}

CheckList SetupWindow::pickedChecks(Request request) const {
    CheckList checks;
    if (!m_record || request != Request::Delete)
        return checks;
    for (const SetupField& field : m_record->fields()) {
        if (field.nothingPicked.isEmpty())
            continue;
        QPointer<QWidget> picked(m_record->box(field.control));
        checks.push_back(Check::when([picked] { return picked && fieldText(picked).isEmpty(); },
                                     field.nothingPicked, cboCompany));
    }
    return checks;
}

std::vector<FieldDef> SetupWindow::stagingFields() const {
    return m_record ? m_record->stagingFields() : std::vector<FieldDef>{};
}

void SetupWindow::showDetails(const Recordset& record) {
    if (!m_record)
        return;
    m_record->show(record);
    // The name picked is the one a delete names.
    for (const SetupField& field : m_record->fields()) {
        if (!field.nothingPicked.isEmpty())
            setFieldText(m_record->box(field.control), cboCompany->currentText());
    }
}

CheckList SetupWindow::validateChecks() {
    if (!m_record)
        return {};
    CheckList checks = m_record->checks();
    for (Check& check : m_record->fitChecks())
        checks.push_back(std::move(check));
    return checks;
}

std::vector<SetupWindow::Assignment> SetupWindow::assignments(Request request) {
    std::vector<Assignment> fields;
    if (!m_record)
        return fields;
    for (const SetupField& field : m_record->fields()) {
        if (field.column.isEmpty() || (field.requests & requestBit(request)) == 0)
            continue;
        QWidget* box = m_record->box(field.control);
        if (field.keyTable.isEmpty())
            fields.push_back(
                {field.column, [field, box] { return SetupSection::sentText(field, box); }, box});
        else
            fields.push_back({field.column,
                              [this, box, table = field.keyTable] { return readId(table, fieldText(box)); },
                              box});
    }
    return fields;
}

QString SetupWindow::readId(const QString& table, const QString&) {
    throw DataError(QStringLiteral("No key of ") + table + QStringLiteral(" can be read here"));
}

std::vector<QWidget*> SetupWindow::clearedFields() const {
    return m_record ? m_record->cleared() : std::vector<QWidget*>{};
}

Recordset SetupWindow::account(const QString& code) {
    bool ok = false;
    const std::int32_t glId = code.trimmed().toInt(&ok);
    if (!ok)
        return Recordset();
    return readAccount(glId);
}

void SetupWindow::pickAccount(QComboBox* codeBox, QWidget* nameBox, const QString& what) {
    const QString code = codeBox->currentText();
    Recordset chosen = account(code);
    if (chosen.recordCount() == 0) {
        UiServices::current().message(kNotAnAccount.arg(what, code));
        return;
    }
    chosen.moveFirst();
    setFieldText(nameBox, chosen.value(QStringLiteral("GL_Name_VC")).toString());
    cmdNew->click();
}

void SetupWindow::followAccountName(QComboBox* codeBox, QWidget* nameBox) {
    connect(codeBox, &QComboBox::editTextChanged, this, [this, nameBox](const QString& code) {
        if (!m_hasDataClass)
            return;
        guarded([&] {
            Recordset chosen = account(code);
            QString name;
            if (chosen.recordCount() > 0) {
                chosen.moveFirst();
                name = chosen.value(QStringLiteral("GL_Name_VC")).toString();
            }
            setFieldText(nameBox, name);
        });
    });
}

void SetupWindow::showAccountName(QComboBox* codeBox, QWidget* nameBox, const QString& what) {
    nameBox->setEnabled(false);
    onChoice(codeBox, [this, codeBox, nameBox, what] { pickAccount(codeBox, nameBox, what); });
    followAccountName(codeBox, nameBox);
}

Check SetupWindow::inChart(QComboBox* box, const QString& what) {
    QPointer<SetupWindow> self(this);
    QPointer<QComboBox> b(box);
    const QString code = box->currentText();
    return Check::when(
               [self, b] {
                   return self && b && !b->currentText().isEmpty() &&
                          self->account(b->currentText()).recordCount() == 0;
               },
               kNotAnAccount.arg(what, code), box)
        .selectingText();
}

} // namespace orv
