#include "ui/TextTable.h"
#include "support/gui/PinnedTexts.h"

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

} // namespace
} // namespace orv::test
