#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <string_view>

namespace orv {

// One message or caption text of a window, under the key the window's code
// uses for it.
struct PinnedText {
    std::string_view key;
    std::string_view text;
};

namespace detail {
// Never constexpr: reaching one of these while a table is built or read at
// compile time stops the build, and the function's name says why.
inline void textKeyIsNotInTheTable() {}
inline void textKeyIsInTheTableTwice() {}
} // namespace detail

// A window's message and caption texts, each written once. Reading a key that
// is not in the table, or writing a key twice, is a compile error, so a
// mistyped key never reaches a clerk as an empty message.
template <std::size_t N> struct TextTable {
    std::array<PinnedText, N> entries;

    consteval std::string_view operator[](std::string_view key) const { return entry(key).text; }
    // The key with its text, for a control whose name is its key.
    consteval PinnedText entry(std::string_view key) const {
        for (const PinnedText& pinned : entries)
            if (pinned.key == key)
                return pinned;
        detail::textKeyIsNotInTheTable();
        return {};
    }

    // The text of a key known only at run time (a control's name); empty for none.
    QString textOf(const QString& key) const;

    static constexpr std::size_t size() { return N; }
    constexpr auto begin() const { return entries.begin(); }
    constexpr auto end() const { return entries.end(); }
};

// Deduces the table's size from the braced list:
//   inline constexpr auto kText = makeTextTable({{"NoCode", "Enter VAT code"}, ...});
template <std::size_t N> consteval TextTable<N> makeTextTable(const PinnedText (&entries)[N]) {
    TextTable<N> table{};
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < i; ++j)
            if (entries[j].key == entries[i].key)
                detail::textKeyIsInTheTableTwice();
        table.entries[i] = entries[i];
    }
    return table;
}

// A pinned text as a QString (the tables are written in UTF-8).
inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N> QString TextTable<N>::textOf(const QString& key) const {
    for (const PinnedText& pinned : entries) {
        if (qtext(pinned.key) == key)
            return qtext(pinned.text);
    }
    return {};
}

} // namespace orv
