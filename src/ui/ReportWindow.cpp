#include "ReportWindow.h"

#include "Controls.h"
#include "values/DataError.h"

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

ReportItem ReportItem::label(const QString& name, const QString& caption) {
    return {Kind::Label, name, caption, {}, {}};
}

ReportItem ReportItem::box(const QString& name, const QString& text) {
    return {Kind::Box, name, text, {}, {}};
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
    : Window(parent), m_source(std::move(source)) {
    setObjectName(name);
    setWindowTitle(caption);
}

QLineEdit* ReportWindow::box(const QString& name) const {
    const auto it = m_boxes.find(name);
    return it == m_boxes.end() ? nullptr : it->second;
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
        m_boxes[item.name] = edit;
        return edit;
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

QLineEdit* ReportWindow::requireBox(const QString& name) const {
    QLineEdit* edit = box(name);
    if (!edit)
        throw DataError(QStringLiteral("The window %1 has no box %2.").arg(objectName(), name));
    return edit;
}

void ReportWindow::launch(const ReportLaunch& launch) {
    reports::ReportButton button;
    button.dataSource = m_source;
    button.command = launch.command;
    button.layout = launch.layout;
    for (const ReportLaunch::BoxCheck& c : launch.checks) {
        QLineEdit* edit = requireBox(c.box);
        Check check = c.trimmed
                          ? Check::when([edit] { return edit->text().trimmed().isEmpty(); }, c.message, edit)
                          : Check::empty(edit, c.message);
        button.checks.push_back(c.tint ? check.tinted() : check);
    }
    for (const ReportLaunch::BoxInput& in : launch.inputs)
        button.inputs.push_back({requireBox(in.box), in.boxName, {}});
    reports::ReportLauncher::launch(button);
}

} // namespace orv
