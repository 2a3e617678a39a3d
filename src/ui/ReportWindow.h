#pragma once

#include "Window.h"
#include "reports/ReportLauncher.h"
#include "uicore/TextTable.h"

#include <QDate>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace orv {

// What a report button runs: a command of the window's data source with the
// boxes it checks first and the boxes it passes, then the layout it shows.
struct ReportLaunch {
    // A box (a text box or a date picker) that must not be empty before
    // anything runs.
    struct BoxCheck {
        QString box;
        QString message;
        bool tint = true;     // a failing box turns light blue and stays so
        bool trimmed = false; // blanks count as empty
    };
    // A box whose value goes to the command, named as a refusal names it: a
    // text box's text converted to the parameter's type, a picker's date, a
    // check box's state (true when ticked, or when clear for a box that asks
    // to leave something out).
    struct BoxInput {
        QString box;
        QString boxName;
        bool trueWhenClear = false;
    };

    QString command;
    std::function<const reports::ReportLayout&()> layout;
    std::vector<BoxCheck> checks; // in checking order
    std::vector<BoxInput> inputs; // in call order
};

// The date a picker shows when the window loads: a fixed date, or today
// moved by a number of days.
struct StartDate {
    static StartDate on(const QDate& date) { return {date, 0}; }
    static StartDate today(int plusDays = 0) { return {QDate(), plusDays}; }
    QDate date() const;

    QDate fixedDate;
    int daysFromToday = 0;
};

// One control of a row of a report window: a caption, an input (a text box,
// a date picker, a check box), a button (a report button or one with a
// handler of the window's own) or free space. Inputs take their first values
// when the window loads.
struct ReportItem {
    enum class Kind { Label, Box, Picker, CheckBox, Button, Stretch };

    static ReportItem label(const QString& name, const QString& caption);
    static ReportItem box(const QString& name, const QString& text = {});
    static ReportItem picker(const QString& name, StartDate start);
    // A check box with its caption on its left.
    static ReportItem checkBox(const QString& name, const QString& caption, bool ticked);
    static ReportItem button(const QString& name, const QString& caption, ReportLaunch launch);
    static ReportItem button(const QString& name, const QString& caption, std::function<void()> handler);
    static ReportItem stretch();
    // The same from a window's text table, whose keys name the controls.
    static ReportItem label(PinnedText caption) { return label(qtext(caption.key), qtext(caption.text)); }
    static ReportItem box(PinnedText text) { return box(qtext(text.key), qtext(text.text)); }
    static ReportItem checkBox(PinnedText caption, bool ticked) {
        return checkBox(qtext(caption.key), qtext(caption.text), ticked);
    }
    static ReportItem button(PinnedText caption, ReportLaunch launch) {
        return button(qtext(caption.key), qtext(caption.text), std::move(launch));
    }
    static ReportItem button(PinnedText caption, std::function<void()> handler) {
        return button(qtext(caption.key), qtext(caption.text), std::move(handler));
    }

    Kind kind = Kind::Stretch;
    QString name;
    QString text; // a label's caption, a box's first text, a button's or check box's caption
    ReportLaunch launch = {};
    std::function<void()> handler = {};
    StartDate start = {}; // a picker's first date
    bool ticked = false;  // a check box's first state
};

// A row of controls. Rows of one frame share columns, one control to a
// column; a spanning row lays its controls out on one line across them all.
struct ReportRow {
    std::vector<ReportItem> items;
    bool spanning = false;
};

// A captioned frame of rows; without a name the rows stand on the window.
struct ReportFrame {
    QString name;
    QString title;
    std::vector<ReportRow> rows;
};

// A report window, built and wired from its declared frames and rows. Every
// button goes through the guarded click; a report button closes its
// command's last result, runs its checks, converts its boxes, runs the
// command and shows its layout in a preview. Each window has a data source
// of its own, made on the first press that needs it and gone with the window.
class ReportWindow : public Window {
    Q_OBJECT
public:
    using SourceOf = std::function<std::unique_ptr<reports::ReportDataSource>()>;
    template <class Source> static SourceOf sourceOf() {
        return [] { return std::make_unique<Source>(); };
    }

    // An input of the window by name (tests and the window's own handlers).
    QLineEdit* box(const QString& name) const;
    QDateEdit* picker(const QString& name) const;
    QCheckBox* checkBox(const QString& name) const;
    // The window's data source, made now if no press has needed it yet.
    reports::ReportDataSource& dataSource();

protected:
    ReportWindow(const QString& name, const QString& caption, SourceOf source, QWidget* parent);
    // Builds the frames top to bottom and wires their buttons.
    void build(const std::vector<ReportFrame>& page);
    // Gives the pickers and check boxes their first values.
    void Form_Load() override;

private:
    QWidget* buildFrame(const ReportFrame& frame);
    QWidget* buildItem(QWidget* parent, const ReportItem& item);
    QWidget* requireInput(const QString& name) const;
    void launch(const ReportLaunch& launch);

    SourceOf m_makeSource;
    std::unique_ptr<reports::ReportDataSource> m_source;
    std::map<QString, QWidget*> m_inputs;
    std::vector<std::pair<QDateEdit*, StartDate>> m_pickerStarts;
    std::vector<std::pair<QCheckBox*, bool>> m_checkStarts;
};

} // namespace orv
