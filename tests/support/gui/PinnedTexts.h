#pragma once

#include "uicore/TextTable.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <span>
#include <sstream>
#include <string_view>

namespace orv::test {

// Compares a window's text table with the texts the window must show,
// written out once in its test. Every missing, extra or different text is
// named by its key, so a mistyped message fails even though the behaviour
// tests read the same table.
inline ::testing::AssertionResult pinnedTextsMatch(std::span<const PinnedText> table,
                                                   std::span<const PinnedText> expected) {
    std::ostringstream faults;
    auto find = [](auto&& texts, std::string_view key) -> const PinnedText* {
        for (const PinnedText& entry : texts)
            if (entry.key == key)
                return &entry;
        return nullptr;
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (find(std::span(expected.begin(), it), it->key))
            faults << "\n  key \"" << it->key << "\" is expected twice";
        else if (const PinnedText* actual = find(table, it->key); !actual)
            faults << "\n  key \"" << it->key << "\" is missing from the window's table";
        else if (actual->text != it->text)
            faults << "\n  key \"" << it->key << "\": the window has \"" << actual->text << "\", expected \""
                   << it->text << "\"";
    }
    for (const PinnedText& entry : table)
        if (!find(expected, entry.key))
            faults << "\n  key \"" << entry.key << "\" is in the window's table but not expected";
    if (faults.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pinned texts differ:" << faults.str();
}

template <std::size_t N>
::testing::AssertionResult pinnedTextsMatch(const TextTable<N>& table, std::span<const PinnedText> expected) {
    return pinnedTextsMatch(std::span<const PinnedText>(table.entries), expected);
}
template <std::size_t N>
::testing::AssertionResult pinnedTextsMatch(const TextTable<N>& table,
                                            std::initializer_list<PinnedText> expected) {
    return pinnedTextsMatch(table, std::span<const PinnedText>(expected.begin(), expected.size()));
}

// Checks a window's whole text table against the expected texts.
template <std::size_t N>
void expectPinnedTexts(const TextTable<N>& table, std::initializer_list<PinnedText> expected) {
    EXPECT_TRUE(pinnedTextsMatch(table, expected));
}
template <std::size_t N>
void expectPinnedTexts(const TextTable<N>& table, std::span<const PinnedText> expected) {
    EXPECT_TRUE(pinnedTextsMatch(table, expected));
}

} // namespace orv::test
