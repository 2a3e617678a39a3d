// The report-window frame: the window built from its declared rows, and
// what a report button checks and passes before its command runs.
#include "ui/ReportWindow.h"
#include "data/Connection.h"
#include "reports/ReportPreview.h"
#include "support/gui/UiTest.h"
#include "ui/Controls.h"

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
    explicit YearWindow(YearSource& source)
        : ReportWindow(
              QStringLiteral("frmYear"), QStringLiteral("Year Report"),
              [&source]() -> reports::ReportDataSource& { return source; }, nullptr) {
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

class ReportWindowTest : public UiTest {
protected:
    void TearDown() override { reports::ReportPreview::destroyAll(); }
    void press(const char* name) { window.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    QLineEdit* year() { return window.box(QStringLiteral("txtYear")); }

    YearSource source;
    YearWindow window{source};
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
