#pragma once

#include "Variant.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace orv {

// The rows of a result, each value held as its type and eight bytes and a
// text as the number of one of the table's texts. A report's result of a
// hundred thousand rows is read and let go without a value being built, and
// a text copied, for every cell: each value is made when it is read. Filled
// row by row, a value for each column and then endRow().
class ValueTable {
public:
    explicit ValueTable(int width = 0) : m_width(width) {}
    ValueTable(const ValueTable& other);
    ValueTable& operator=(const ValueTable& other);
    ValueTable(ValueTable&& other) noexcept;
    ValueTable& operator=(ValueTable&& other) noexcept;
    ~ValueTable() = default;
    // The rows as given; a row with fewer values than the width is blank in
    // the rest.
    static ValueTable fromRows(int width, const std::vector<std::vector<Variant>>& rows);

    int width() const { return m_width; }
    int rowCount() const { return m_rows; }
    // Throws std::out_of_range outside the rows and columns.
    Variant value(int row, int column) const;

    void add(const Variant& v);
    void addNull() { push(DataType::Null, 0); }
    // A whole number, a boolean or an amount, by the type it is held as.
    void addNumber(DataType type, std::int64_t value) { push(type, value); }
    void addDouble(double value);
    void addDate(const QDate& date); // a valid date
    // A text not in the table yet; returns its number, for addText(number)
    // to add it again.
    int addText(const QString& text);
    void addText(int number) { push(DataType::Text, number); }
    void endRow() { ++m_rows; }
    // The type of the last value added.
    DataType lastType() const { return m_nextType[-1]; }

    // Adds the rows of a table of the same width after this one's.
    void append(const ValueTable& more);
    void append(ValueTable&& more);
    void clear();

private:
    // The values lie in blocks of a fixed number, so that a long result
    // grows without being copied: only the first block grows by copying,
    // so that a result of a few rows stays small.
    static constexpr int kBlockShift = 15;
    static constexpr std::size_t kBlock = std::size_t(1) << kBlockShift;
    // A value is its type and a number: a whole number, an amount's
    // ten-thousandths, a real's bits, a day, or a text's number.
    struct Block {
        std::unique_ptr<DataType[]> types;
        std::unique_ptr<std::int64_t[]> cells;
        std::size_t capacity = 0;
    };

    std::size_t cell(int row, int column) const;
    void push(DataType type, std::int64_t bits) {
        if (m_room == 0)
            makeRoom();
        *m_nextType++ = type;
        *m_nextCell++ = bits;
        --m_room;
    }
    void makeRoom();
    void appendCells(const ValueTable& more);

    int m_width = 0;
    int m_rows = 0;
    std::vector<Block> m_blocks;
    // Where the next value goes in the last block, and how many more fit.
    DataType* m_nextType = nullptr;
    std::int64_t* m_nextCell = nullptr;
    std::size_t m_room = 0;
    std::vector<QString> m_texts;
};

} // namespace orv
