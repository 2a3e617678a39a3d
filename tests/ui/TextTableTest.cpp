#include "uicore/TextTable.h"
#include "support/gui/PinnedTexts.h"

#include "uicore/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>

namespace orv::test {
namespace {

inline constexpr auto kText = makeTextTable({
    {"NoCode", "Enter VAT code"},
    {"Saved", "Record saved"},
    {"Accented", "Solde reporté"},
});

// Reading happens at compile time; these only hold if the lookup returns the
// text written beside its key, not a neighbour's.
static_assert(kText["NoCode"] == "Enter VAT code");
static_assert(kText["Saved"] == "Record saved");
static_assert(kText.size() == 3);
static_assert(kText.entry("Saved").key == "Saved" && kText.entry("Saved").text == "Record saved");

TEST(TextTable, QtextKeepsNonAsciiTexts) {
    const QString text = qtext(kText["Accented"]);
    EXPECT_EQ(text, QString::fromUtf8("Solde reporté"));
    EXPECT_EQ(text.size(), 13);
    EXPECT_TRUE(qtext({}).isEmpty());
}

TEST(PinnedTexts, MatchingTablePasses) {
    EXPECT_TRUE(pinnedTextsMatch(kText, {
                                            {"Saved", "Record saved"},
                                            {"NoCode", "Enter VAT code"},
                                            {"Accented", "Solde reporté"},
                                        }));
    expectPinnedTexts(
        kText, {{"NoCode", "Enter VAT code"}, {"Saved", "Record saved"}, {"Accented", "Solde reporté"}});
}

TEST(PinnedTexts, EachFaultIsNamedByItsKey) {
    const ::testing::AssertionResult result = pinnedTextsMatch(kText, {
                                                                          {"NoCode", "Enter VAT Code"},
                                                                          {"Saved", "Record saved"},
                                                                          {"Deleted", "Record deleted"},
                                                                      });
    ASSERT_FALSE(result);
    const std::string why = result.message();
    EXPECT_NE(why.find("key \"NoCode\": the window has \"Enter VAT code\", expected \"Enter VAT Code\""),
              std::string::npos)
        << why;
    EXPECT_NE(why.find("key \"Deleted\" is missing from the window's table"), std::string::npos) << why;
    EXPECT_NE(why.find("key \"Accented\" is in the window's table but not expected"), std::string::npos)
        << why;
    EXPECT_EQ(why.find("\"Saved\""), std::string::npos) << why;
}

TEST(PinnedTexts, TrailingBlankOrDoubledKeyIsAFault) {
    EXPECT_FALSE(pinnedTextsMatch(kText, {
                                             {"NoCode", "Enter VAT code "},
                                             {"Saved", "Record saved"},
                                             {"Accented", "Solde reporté"},
                                         }));
    const ::testing::AssertionResult doubled = pinnedTextsMatch(kText, {
                                                                           {"NoCode", "Enter VAT code"},
                                                                           {"Saved", "Record saved"},
                                                                           {"Saved", "Record saved"},
                                                                           {"Accented", "Solde reporté"},
                                                                       });
    ASSERT_FALSE(doubled);
    EXPECT_NE(std::string(doubled.message()).find("key \"Saved\" is expected twice"), std::string::npos);
}

TEST(Captions, ControlsNamedInTheTableTakeTheirCaptionUnlessTheyHaveOne) {
    static constexpr auto kCaptions = makeTextTable({
        {"QWidget", "Window Title"},
        {"fraMain", "Main Frame"},
        {"cmdSend", "POST"},
        {"lblName", "Name :"},
        {"lblKept", "never shown"},
        {"txtName", "not a caption"},
        {"NoName", "Specify Name"},
    });
    QWidget window;
    auto* frame = makeControl<QGroupBox>(&window, QStringLiteral("fraMain"));
    auto* send = makeControl<QPushButton>(frame, QStringLiteral("cmdSend"));
    auto* name = makeControl<QLabel>(frame, QStringLiteral("lblName"));
    auto* kept = makeControl<QLabel>(&window, QStringLiteral("lblKept"));
    kept->setText(QStringLiteral("set by the window"));
    auto* box = makeControl<QLineEdit>(&window, QStringLiteral("txtName"));
    applyCaptions(&window, kCaptions);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Window Title"))
        << "a window without a name goes by its class";
    EXPECT_EQ(frame->title(), QStringLiteral("Main Frame"));
    EXPECT_EQ(send->text(), QStringLiteral("POST")) << "controls inside frames are found too";
    EXPECT_EQ(name->text(), QStringLiteral("Name :"));
    EXPECT_EQ(kept->text(), QStringLiteral("set by the window"));
    EXPECT_TRUE(box->text().isEmpty()) << "a text box's text is the clerk's, never a caption";
}

} // namespace
} // namespace orv::test
