#include "ReportWindow.h"

#include "uicore/Controls.h"
#include "values/Clock.h"
#include "values/DataError.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

// A frame's caption is bold MS Sans Serif 8.25 pt; what it holds keeps the window's font.
QFont frameFont(QFont base) {
    base.setFamily(QStringLiteral("MS Sans Serif"));
    base.setPointSizeF(8.25);
    base.setBold(true);
    return base;
}

// The window's own font, set explicitly so that a frame's bold caption font does not reach it.
QFont contentFont(const QFont& base) {
    QFont f(base);
    f.setFamily(base.family());
    f.setPointSizeF(base.pointSizeF());
    f.setBold(false);
    return f;
}

} // namespace

QDate StartDate::date() const {
    return fixedDate.isValid() ? fixedDate : orv::today().addDays(daysFromToday);
}

ReportItem ReportItem::label(const QString& name, const QString& caption) {
    return {Kind::Label, name, caption, {}, {}};
}

ReportItem ReportItem::box(const QString& name, const QString& text) {
    return {Kind::Box, name, text, {}, {}};
}

ReportItem ReportItem::picker(const QString& name, StartDate start) {
    ReportItem item{Kind::Picker, name, {}};
    item.start = start;
    return item;
}

ReportItem ReportItem::checkBox(const QString& name, const QString& caption, bool ticked) {
    ReportItem item{Kind::CheckBox, name, caption};
    item.ticked = ticked;
    return item;
}

ReportItem ReportItem::button(const QString& name, const QString& caption, ReportLaunch launch) {
    return {Kind::Button, name, caption, std::move(launch), {}};
}

ReportItem ReportItem::button(const QString& name, const QString& caption, std::function<void()> handler) {
    return {Kind::Button, name, caption, {}, std::move(handler)};
}

ReportItem ReportItem::stretch() {
    return {};
}

ReportWindow::ReportWindow(const QString& name, const QString& caption, SourceOf source, QWidget* parent)
    : Window(parent), m_makeSource(std::move(source)) {
    setObjectName(name);
    setWindowTitle(caption);
}

QLineEdit* ReportWindow::box(const QString& name) const {
    const auto it = m_inputs.find(name);
    return it == m_inputs.end() ? nullptr : qobject_cast<QLineEdit*>(it->second);
}

QDateEdit* ReportWindow::picker(const QString& name) const {
    const auto it = m_inputs.find(name);
    return it == m_inputs.end() ? nullptr : qobject_cast<QDateEdit*>(it->second);
}

QCheckBox* ReportWindow::checkBox(const QString& name) const {
    const auto it = m_inputs.find(name);
    return it == m_inputs.end() ? nullptr : qobject_cast<QCheckBox*>(it->second);
}

reports::ReportDataSource& ReportWindow::dataSource() {
    if (!m_source)
        m_source = m_makeSource();
    return *m_source;
}

void ReportWindow::Form_Load() {
    for (const auto& [picker, start] : m_pickerStarts)
        picker->setDate(start.date());
    for (const auto& [check, ticked] : m_checkStarts)
        check->setChecked(ticked);
}

void ReportWindow::build(const std::vector<ReportFrame>& page) {
    auto* column = new QVBoxLayout(this);
    for (const ReportFrame& frame : page) {
        if (frame.name.isEmpty()) {
            auto* rows = new QVBoxLayout;
            for (const ReportRow& row : frame.rows) {
                auto* line = new QHBoxLayout;
                for (const ReportItem& item : row.items) {
                    if (QWidget* w = buildItem(this, item))
                        line->addWidget(w);
                    else
                        line->addStretch(1);
                }
                rows->addLayout(line);
            }
            column->addLayout(rows);
        } else {
            column->addWidget(buildFrame(frame));
        }
    }
}

QWidget* ReportWindow::buildFrame(const ReportFrame& frame) {
    auto* group = makeControl<QGroupBox>(this, frame.name);
    group->setTitle(frame.title);
    group->setFont(frameFont(font()));
    auto* grid = new QGridLayout(group);
    for (const ReportRow& row : frame.rows) {
        const int at = grid->rowCount();
        auto* line = row.spanning ? new QHBoxLayout : nullptr;
        int column = 0;
        for (const ReportItem& item : row.items) {
            QWidget* w = buildItem(group, item);
            if (w)
                w->setFont(contentFont(font()));
            if (line && w)
                line->addWidget(w);
            else if (line)
                line->addStretch(1);
            else if (w)
                grid->addWidget(w, at, column);
            ++column;
        }
        if (line)
            grid->addLayout(line, at, 0, 1, std::max(grid->columnCount(), 1));
    }
    return group;
}

// The control of one item, or nothing for free space.
QWidget* ReportWindow::buildItem(QWidget* parent, const ReportItem& item) {
    switch (item.kind) {
    case ReportItem::Kind::Label: {
        auto* label = makeControl<QLabel>(parent, item.name);
        label->setText(item.text);
        return label;
    }
    case ReportItem::Kind::Box: {
        auto* edit = makeControl<QLineEdit>(parent, item.name);
        edit->setText(item.text);
        m_inputs[item.name] = edit;
        return edit;
    }
    case ReportItem::Kind::Picker: {
        auto* picker = makeControl<QDateEdit>(parent, item.name);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        m_inputs[item.name] = picker;
        m_pickerStarts.emplace_back(picker, item.start);
        return picker;
    }
    case ReportItem::Kind::CheckBox: {
        auto* check = makeControl<QCheckBox>(parent, item.name);
        check->setText(item.text);
        check->setLayoutDirection(Qt::RightToLeft); // the caption stands on the box's left
        m_inputs[item.name] = check;
        m_checkStarts.emplace_back(check, item.ticked);
        return check;
    }
    case ReportItem::Kind::Button: {
        auto* button = makeControl<QPushButton>(parent, item.name);
        button->setText(item.text);
        if (item.handler)
            onClick(button, item.handler);
        else
            onClick(button, [this, launch = item.launch] { this->launch(launch); });
        return button;
    }
    case ReportItem::Kind::Stretch:
        break;
    }
    return nullptr;
}

QWidget* ReportWindow::requireInput(const QString& name) const {
    const auto it = m_inputs.find(name);
    if (it == m_inputs.end())
        throw DataError(QStringLiteral("The window %1 has no box %2.").arg(objectName(), name));
    return it->second;
}

void ReportWindow::launch(const ReportLaunch& launch) {
    reports::ReportButton button;
    button.dataSource = [this]() -> reports::ReportDataSource& { return dataSource(); };
    button.command = launch.command;
    button.layout = launch.layout;
    for (const ReportLaunch::BoxCheck& c : launch.checks) {
        QWidget* input = requireInput(c.box);
        Check check = c.trimmed ? Check::when([input] { return fieldText(input).trimmed().isEmpty(); },
                                              c.message, input)
                                : Check::empty(input, c.message);
        button.checks.push_back(c.tint ? check.tinted() : check);
    }
    for (const ReportLaunch::BoxInput& in : launch.inputs) {
        QWidget* input = requireInput(in.box);
        std::function<Variant()> value;
        if (auto* check = qobject_cast<QCheckBox*>(input); check && in.trueWhenClear)
            value = [check] { return Variant(!check->isChecked()); };
        button.inputs.push_back({input, in.boxName, value});
    }
    reports::ReportLauncher::launch(button);
}

} // namespace orv
