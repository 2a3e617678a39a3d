#include "SetupWindow.h"

#include "Controls.h"
#include "UiServices.h"
#include "WriteAnswer.h"
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

SetupWindow::SetupWindow(QWidget* parent)
    : Window(parent), cboCompany(makeControl<QComboBox>(this, QStringLiteral("cboCompany"))),
      cmdNew(makeControl<QPushButton>(this, QStringLiteral("cmdNew"))),
      cmdSend(makeControl<QPushButton>(this, QStringLiteral("cmdSend"))),
      cmdUpdate(makeControl<QPushButton>(this, QStringLiteral("cmdUpdate"))),
      cmdDelete(makeControl<QPushButton>(this, QStringLiteral("cmdDelete"))),
      cmdClear(makeControl<QPushButton>(this, QStringLiteral("cmdClear"))) {
    makeTypedList(cboCompany);
    cmdNew->setText(QStringLiteral("REFRESH"));
    cmdNew->setVisible(false);
    cmdSend->setText(QStringLiteral("CREATE NEW"));
    cmdUpdate->setText(QStringLiteral("UPDATE"));
    cmdDelete->setText(QStringLiteral("DELETE"));
    cmdClear->setText(QStringLiteral("CLEAR ALL"));

    onChoice(cboCompany, [this] { cboCompany_Click(); });
    onClick(cmdNew, [this] { cmdNew_Click(); });
    onClick(cmdSend, [this] { cmdSend_Click(); });
    onClick(cmdUpdate, [this] { cmdUpdate_Click(); });
    onClick(cmdDelete, [this] { cmdDelete_Click(); });
    onClick(cmdClear, [this] { cmdClear_Click(); });
}

namespace {

// Typed text is no choice: a list whose typed text matches an entry would
// announce that entry as chosen when the box loses the focus or takes Enter.
// While the box handles those, the list's signals are held back.
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
    list->lineEdit()->installEventFilter(new TypedTextIsNoChoice(list));
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

void SetupWindow::fillList(const ListFill& fill) {
    fillListFrom(fill.list, readTable(fill.table), fill.column, fill.alphabetical);
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
    cmdSend->setEnabled(true);
    cmdUpdate->setEnabled(true);
    cmdDelete->setEnabled(true);
    Create_New_Customer();
}

void SetupWindow::cmdClear_Click() {
    for (QWidget* field : clearedFields()) {
        setFieldText(field, QString());
    }
}

void SetupWindow::request(Request request, QPushButton* pressed) {
    if (!Validate())
        return;
    const bool sent = runRequest(this, {requestChecks(request),
                                        [&] {
                                            std::vector<FieldBox> boxes;
                                            for (const Assignment& a : assignments(request)) {
                                                assignText(m_staging, a.field, a.text());
                                                boxes.emplace_back(a.field, a.box);
                                            }
                                            return boxes;
                                        },
                                        [&] { return write(request); }, [&] { fillList(nameList()); },
                                        [&] { cmdClear_Click(); }});
    if (sent)
        pressed->setEnabled(false);
}

// --- further sections ----------------------------------------------------------------------

SetupSection* SetupWindow::addSection(QGroupBox* frame, std::vector<SetupField> fields,
                                      SectionRequests requests) {
    auto* section = new SetupSection(frame, std::move(fields));
    auto* grid = new QGridLayout(frame);
    section->layOut(grid);
    auto* buttons = new QHBoxLayout;
    const std::pair<QString, const char*> captions[] = {{requests.create, "CREATE NEW"},
                                                        {requests.update, "UPDATE"},
                                                        {requests.remove, "DELETE"},
                                                        {requests.clear, "CLEAR"}};
    std::vector<QPushButton*> pressed;
    for (const auto& [name, caption] : captions) {
        pressed.push_back(makeControl<QPushButton>(frame, name));
        pressed.back()->setText(QString::fromLatin1(caption));
        buttons->addWidget(pressed.back());
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, grid->columnCount());
    m_sections.push_back({section, std::move(requests)});
    const std::size_t index = m_sections.size() - 1;
    onChoice(namesOf(section).list, [this, index] { pickInSection(m_sections[index]); });
    const Request kinds[] = {Request::Create, Request::Update, Request::Delete};
    for (int i = 0; i < 3; ++i)
        onClick(pressed[i], [this, index, kind = kinds[i]] { sectionRequest(m_sections[index], kind); });
    onClick(pressed[3], [section] { section->clear(); });
    return section;
}

SetupWindow::ListFill SetupWindow::namesOf(const SetupSection* section) const {
    for (const Section& s : m_sections) {
        if (s.fields == section)
            return {section->box<QComboBox>(section->fields().front().control), s.requests.table,
                    s.requests.column};
    }
    return {};
}

void SetupWindow::pickInSection(const Section& section) {
    const QString name = fieldText(namesOf(section.fields).list);
    if (section.fields->showPicked(section.requests.details(name), section.requests.missing, name))
        cmdNew->click();
}

void SetupWindow::sectionRequest(const Section& section, Request request) {
    SetupSection* fields = section.fields;
    fields->request(
        request, [&](const Recordset& staging) { return section.requests.write(request, staging); },
        [&] { fillList(namesOf(fields)); }, [fields] { fields->clear(); },
        section.requests.ownChecks ? section.requests.ownChecks() : CheckList{});
}

// --- the record as a field table ----------------------------------------------------------

SetupSection* SetupWindow::setRecord(std::vector<SetupField> fields) {
    m_record = new SetupSection(this, std::move(fields));
    return m_record;
}

SetupSection* SetupWindow::setRecord(std::vector<FieldDef> staging, std::vector<SetupField> fields) {
    m_record = new SetupSection(this, std::move(staging), std::move(fields));
    return m_record;
}

std::vector<FieldDef> SetupWindow::stagingFields() const {
    return m_record ? m_record->stagingFields() : std::vector<FieldDef>{};
}

void SetupWindow::showDetails(const Recordset& record) {
    if (m_record)
        m_record->show(record);
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
            fields.push_back(fromControl(field.column, box));
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
