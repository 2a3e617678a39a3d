#include "ValueTable.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace orv {

ValueTable ValueTable::fromRows(int width, const std::vector<std::vector<Variant>>& rows) {
    ValueTable t(width);
    for (const std::vector<Variant>& row : rows) {
        for (int c = 0; c < width; ++c)
            t.add(static_cast<std::size_t>(c) < row.size() ? row[static_cast<std::size_t>(c)] : Variant());
        t.endRow();
    }
    return t;
}

std::size_t ValueTable::cell(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_width)
        throw std::out_of_range("no such row or column");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(column);
}

ValueTable::ValueTable(const ValueTable& other) : m_width(other.m_width) {
    appendCells(other);
    m_texts = other.m_texts;
}

ValueTable& ValueTable::operator=(const ValueTable& other) {
    if (this != &other) {
        ValueTable copy(other);
        *this = std::move(copy);
    }
    return *this;
}

ValueTable::ValueTable(ValueTable&& other) noexcept
    : m_width(other.m_width), m_rows(other.m_rows), m_blocks(std::move(other.m_blocks)),
      m_nextType(other.m_nextType), m_nextCell(other.m_nextCell), m_room(other.m_room),
      m_texts(std::move(other.m_texts)) {
    other.m_rows = 0;
    other.m_blocks.clear();
    other.m_nextType = nullptr;
    other.m_nextCell = nullptr;
    other.m_room = 0;
    other.m_texts.clear();
}

ValueTable& ValueTable::operator=(ValueTable&& other) noexcept {
    if (this != &other) {
        m_width = other.m_width;
        m_rows = std::exchange(other.m_rows, 0);
        m_blocks = std::move(other.m_blocks);
        other.m_blocks.clear();
        m_nextType = std::exchange(other.m_nextType, nullptr);
        m_nextCell = std::exchange(other.m_nextCell, nullptr);
        m_room = std::exchange(other.m_room, 0);
        m_texts = std::move(other.m_texts);
        other.m_texts.clear();
    }
    return *this;
}

// The first block doubles up to the full size; every block after it is
// made full size at once.
void ValueTable::makeRoom() {
    const bool growFirst = m_blocks.size() == 1 && m_blocks.front().capacity < kBlock;
    const std::size_t used = m_blocks.empty() ? 0 : m_blocks.back().capacity - m_room;
    const std::size_t capacity = m_blocks.empty() ? 64 : growFirst ? m_blocks.front().capacity * 2 : kBlock;
    Block b;
    b.types.reset(new DataType[capacity]);
    b.cells.reset(new std::int64_t[capacity]);
    b.capacity = capacity;
    std::size_t start = 0;
    if (growFirst) {
        const Block& old = m_blocks.front();
        std::copy(old.types.get(), old.types.get() + used, b.types.get());
        std::copy(old.cells.get(), old.cells.get() + used, b.cells.get());
        start = used;
        m_blocks.front() = std::move(b);
    } else {
        m_blocks.push_back(std::move(b));
    }
    Block& last = m_blocks.back();
    m_nextType = last.types.get() + start;
    m_nextCell = last.cells.get() + start;
    m_room = last.capacity - start;
}

Variant ValueTable::value(int row, int column) const {
    const std::size_t at = cell(row, column);
    const Block& b = m_blocks[at >> kBlockShift];
    const std::int64_t bits = b.cells[at & (kBlock - 1)];
    switch (b.types[at & (kBlock - 1)]) {
    case DataType::Empty:
        return Variant();
    case DataType::Null:
        return Variant::null();
    case DataType::Boolean:
        return Variant(bits != 0);
    case DataType::SmallInt:
        return Variant::smallInt(static_cast<std::int16_t>(bits));
    case DataType::Integer:
        return Variant(static_cast<std::int32_t>(bits));
    case DataType::BigInt:
        return Variant(bits);
    case DataType::Currency:
        return Variant(Currency::fromRaw(bits));
    case DataType::Double:
        return Variant(std::bit_cast<double>(bits));
    case DataType::Date:
        return Variant(QDate::fromJulianDay(bits));
    case DataType::Text:
        return Variant(m_texts[static_cast<std::size_t>(bits)]);
    }
    return Variant();
}

void ValueTable::add(const Variant& v) {
    switch (v.type()) {
    case DataType::Empty:
    case DataType::Null:
        push(v.type(), 0);
        return;
    case DataType::Boolean:
        push(DataType::Boolean, v.toBool() ? 1 : 0);
        return;
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        push(v.type(), v.toInt64());
        return;
    case DataType::Currency:
        push(DataType::Currency, v.toCurrency().raw());
        return;
    case DataType::Double:
        addDouble(v.toDouble());
        return;
    case DataType::Date:
        addDate(v.toDate());
        return;
    case DataType::Text:
        addText(addText(v.toString()));
        return;
    }
}

void ValueTable::addDouble(double value) {
    push(DataType::Double, std::bit_cast<std::int64_t>(value));
}

void ValueTable::addDate(const QDate& date) {
    push(DataType::Date, date.toJulianDay());
}

int ValueTable::addText(const QString& text) {
    m_texts.push_back(text);
    return static_cast<int>(m_texts.size() - 1);
}

void ValueTable::append(const ValueTable& more) {
    appendCells(more);
    m_texts.insert(m_texts.end(), more.m_texts.begin(), more.m_texts.end());
}

void ValueTable::append(ValueTable&& more) {
    appendCells(more);
    m_texts.insert(m_texts.end(), std::make_move_iterator(more.m_texts.begin()),
                   std::make_move_iterator(more.m_texts.end()));
    more.clear();
}

// The rows' values of another table, its texts numbered after this one's.
void ValueTable::appendCells(const ValueTable& more) {
    if (more.m_width != m_width)
        throw std::invalid_argument("rows of another width");
    const auto shift = static_cast<std::int64_t>(m_texts.size());
    for (std::size_t k = 0; k < more.m_blocks.size(); ++k) {
        const Block& b = more.m_blocks[k];
        const std::size_t used = k + 1 < more.m_blocks.size() ? b.capacity : b.capacity - more.m_room;
        for (std::size_t i = 0; i < used; ++i)
            push(b.types[i], b.types[i] == DataType::Text ? b.cells[i] + shift : b.cells[i]);
    }
    m_rows += more.m_rows;
}

void ValueTable::clear() {
    m_rows = 0;
    std::vector<Block>().swap(m_blocks);
    m_nextType = nullptr;
    m_nextCell = nullptr;
    m_room = 0;
    m_texts = {};
}

} // namespace orv
