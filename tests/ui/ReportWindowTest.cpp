// The report-window frame: the window built from its declared rows, and
// what a report button checks and passes before its command runs.
#include "ui/ReportWindow.h"
#include "data/Connection.h"
#include "reports/ReportPreview.h"
#include "support/TestBook.h"
#include "support/gui/UiTest.h"
#include "uicore/Controls.h"
#include "values/Clock.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;
using namespace orv::test;

namespace {

// A report data source whose one command takes a year and returns no rows.
class YearSource : public reports::ReportDataSource {
public:
    YearSource() : ReportDataSource(QStringLiteral("DE_Test"), QStringLiteral("conTest"), kReportConnection) {
        addCommand(reports::ReportCommand(QStringLiteral("cmYear"), QStringLiteral("select_year"),
                                          QStringLiteral("RETURN_VALUE"),
                                          {{QStringLiteral("year"), reports::ParameterType::Integer, 0}}));
        setRunner([this](const QString&, const QString&, const std::vector<Variant>& inputs) {
            calls.push_back(inputs);
            Recordset rows;
            rows.appendField(QStringLiteral("year"), DataType::Integer);
            rows.open();
            return rows;
        });
    }
    std::vector<std::vector<Variant>> calls;
};

const reports::ReportLayout& yearLayout() {
    static const reports::ReportLayout layout = [] {
        reports::ReportLayout l(QStringLiteral("rptYear"), QStringLiteral("Year"));
        l.setDataMember(QStringLiteral("cmYear"));
        return l;
    }();
    return layout;
}

class YearWindow : public ReportWindow {
public:
    YearWindow()
        : ReportWindow(QStringLiteral("frmYear"), QStringLiteral("Year Report"), sourceOf<YearSource>(),
                       nullptr) {
        using Item = ReportItem;
        const auto year = [](const QString& check, bool trimmed, bool tint) {
            return ReportLaunch{QStringLiteral("cmYear"),
                                &yearLayout,
                                {{check, QStringLiteral("Give a year"), tint, trimmed}},
                                {{QStringLiteral("txtYear"), QStringLiteral("The year")}}};
        };
        build({{QStringLiteral("fraYear"),
                QStringLiteral("YEAR"),
                {{{Item::label(QStringLiteral("lblYear"), QStringLiteral("A report")),
                   Item::button(QStringLiteral("cmdExact"), QStringLiteral("Exact"),
                                year("txtYear", false, true))}},
                 {{Item::button(QStringLiteral("cmdTrimmed"), QStringLiteral("Trimmed"),
                                year("txtYear", true, true)),
                   Item::button(QStringLiteral("cmdPlain"), QStringLiteral("Plain"),
                                year("txtYear", false, false)),
                   Item::button(QStringLiteral("cmdNoSuchBox"), QStringLiteral("Wrong"),
                                year("txtYaer", false, true))},
                  true}}},
               {{},
                {},
                {{{Item::label(QStringLiteral("lblGive"), QStringLiteral("YEAR :")),
                   Item::box(QStringLiteral("txtYear"), QStringLiteral("2010"))}}}}});
    }
};

// A listing of a date range: its command takes whether to list the matched
// records (true when "Leave out matched" is clear), the two dates and
// whether to print the notes.
class RangeSource : public reports::ReportDataSource {
public:
    RangeSource()
        : ReportDataSource(QStringLiteral("DE_Range"), QStringLiteral("conRange"), kReportConnection) {
        addCommand(reports::ReportCommand(
            QStringLiteral("cmRange"), QStringLiteral("select_range"), QStringLiteral("RETURN_VALUE"),
            {{QStringLiteral("matched"), reports::ParameterType::Boolean, 0},
             {QStringLiteral("date_start"), reports::ParameterType::DateTime, 0},
             {QStringLiteral("date_end"), reports::ParameterType::DateTime, 0},
             {QStringLiteral("notes"), reports::ParameterType::Boolean, 0}}));
        setRunner([this](const QString&, const QString&, const std::vector<Variant>& inputs) {
            calls.push_back(inputs);
            Recordset rows;
            rows.appendField(QStringLiteral("Date"), DataType::Date);
            rows.open();
            return rows;
        });
    }
    std::vector<std::vector<Variant>> calls;
};

const reports::ReportLayout& rangeLayout() {
    static const reports::ReportLayout layout = [] {
        reports::ReportLayout l(QStringLiteral("rptRange"), QStringLiteral("Range"));
        l.setDataMember(QStringLiteral("cmRange"));
        return l;
    }();
    return layout;
}

class RangeWindow : public ReportWindow {
public:
    RangeWindow()
        : ReportWindow(QStringLiteral("frmRange"), QStringLiteral("Range Report"), sourceOf<RangeSource>(),
                       nullptr) {
        using Item = ReportItem;
        const ReportLaunch range{QStringLiteral("cmRange"),
                                 &rangeLayout,
                                 {{QStringLiteral("dtpStart"), QStringLiteral("Give a start"), false}},
                                 {{QStringLiteral("chkMatched"), {}, true},
                                  {QStringLiteral("dtpStart"), {}},
                                  {QStringLiteral("dtpEnd"), {}},
                                  {QStringLiteral("chkNotes"), {}}}};
        build({{{},
                {},
                {{{Item::picker(QStringLiteral("dtpStart"), StartDate::today()),
                   Item::picker(QStringLiteral("dtpEnd"), StartDate::today(30)),
                   Item::picker(QStringLiteral("dtpPrinted"), StartDate::on(QDate(2010, 11, 22)))}},
                 {{Item::checkBox(QStringLiteral("chkMatched"), QStringLiteral("Leave out matched"), true),
                   Item::checkBox(QStringLiteral("chkNotes"), QStringLiteral("Notes"), false),
                   Item::button(QStringLiteral("cmdRange"), QStringLiteral("Generate"), range)}}}}});
    }
};

class ReportWindowTest : public UiTest {
protected:
    void TearDown() override { reports::ReportPreview::destroyAll(); }
    void press(const char* name) { window.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    QLineEdit* year() { return window.box(QStringLiteral("txtYear")); }

    YearWindow window;
    YearSource& source = static_cast<YearSource&>(window.dataSource());
};

} // namespace

TEST_F(ReportWindowTest, BuildsTheDeclaredControlsWithTheirTexts) {
    EXPECT_EQ(window.objectName(), "frmYear");
    EXPECT_EQ(window.windowTitle(), "Year Report");
    auto* frame = window.findChild<QGroupBox*>("fraYear");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "YEAR");
    EXPECT_TRUE(frame->font().bold());
    for (const char* name : {"lblYear", "cmdExact", "cmdTrimmed", "cmdNoSuchBox"}) {
        QWidget* w = window.findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(frame->isAncestorOf(w)) << name;
        EXPECT_FALSE(w->font().bold()) << name;
    }
    EXPECT_EQ(window.findChild<QLabel*>("lblGive")->text(), "YEAR :");
    ASSERT_NE(year(), nullptr);
    EXPECT_FALSE(frame->isAncestorOf(year()));
    EXPECT_EQ(year()->text(), "2010");
}

TEST_F(ReportWindowTest, EmptinessIsTestedOnTheTextAsTypedUnlessTheCheckTrimsIt) {
    year()->setText("   ");
    press("cmdExact"); // blanks pass the check and are refused by the conversion
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.lastText().endsWith(": type a year such as 2010")) << ui.lastText().toStdString();
    EXPECT_FALSE(isTinted(year()));

    ui.clear();
    press("cmdTrimmed");
    EXPECT_EQ(ui.texts(), QStringList{"Give a year"});
    EXPECT_TRUE(isTinted(year()));
    EXPECT_TRUE(source.calls.empty());

    // Blanks around the digits pass the trimmed check and reach the command untrimmed.
    ui.clear();
    year()->setText(" 2011 ");
    press("cmdTrimmed");
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();
    ASSERT_EQ(source.calls.size(), 1u);
    EXPECT_EQ(source.calls[0], std::vector<Variant>{Variant(std::int32_t(2011))});
    EXPECT_NE(reports::ReportPreview::find("rptYear"), nullptr);
}

TEST_F(ReportWindowTest, AnUntintedCheckLeavesTheColourAndAWrongBoxNameIsAMessage) {
    year()->clear();
    press("cmdPlain");
    EXPECT_EQ(ui.texts(), QStringList{"Give a year"});
    EXPECT_FALSE(isTinted(year()));

    ui.clear();
    year()->setText("2010");
    press("cmdNoSuchBox");
    EXPECT_EQ(ui.texts(), QStringList{"The window frmYear has no box txtYaer."});
    EXPECT_TRUE(source.calls.empty());
}

TEST_F(ReportWindowTest, PickersAndCheckBoxesStartAtLoadAndPassTheirValues) {
    RangeWindow range;
    // Nothing is set before the window loads: the dates are the day it opens.
    pinToday(QDate(2011, 3, 1));
    range.load();
    pinToday(TestBook::pinnedToday());
    EXPECT_EQ(range.picker(QStringLiteral("dtpStart"))->date(), QDate(2011, 3, 1));
    EXPECT_EQ(range.picker(QStringLiteral("dtpEnd"))->date(), QDate(2011, 3, 31));
    EXPECT_EQ(range.picker(QStringLiteral("dtpPrinted"))->date(), QDate(2010, 11, 22));
    EXPECT_TRUE(range.checkBox(QStringLiteral("chkMatched"))->isChecked());
    EXPECT_EQ(range.checkBox(QStringLiteral("chkMatched"))->text(), "Leave out matched");

    auto& ranges = static_cast<RangeSource&>(range.dataSource());
    range.findChild<QPushButton*>("cmdRange")->click();
    range.checkBox(QStringLiteral("chkMatched"))->setChecked(false);
    range.checkBox(QStringLiteral("chkNotes"))->setChecked(true);
    range.picker(QStringLiteral("dtpEnd"))->setDate(QDate(2011, 2, 1)); // before the start: passed as it is
    range.findChild<QPushButton*>("cmdRange")->click();
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();
    ASSERT_EQ(ranges.calls.size(), 2u);
    EXPECT_EQ(ranges.calls[0], (std::vector<Variant>{Variant(false), Variant(QDate(2011, 3, 1)),
                                                     Variant(QDate(2011, 3, 31)), Variant(false)}));
    EXPECT_EQ(ranges.calls[1], (std::vector<Variant>{Variant(true), Variant(QDate(2011, 3, 1)),
                                                     Variant(QDate(2011, 2, 1)), Variant(true)}));
    // Each window runs on a data source of its own.
    EXPECT_TRUE(source.calls.empty());
}
