#include "RowReader.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>
#include <string>

namespace orv::db {

namespace {

// A date as the book stores it, "yyyy-MM-dd", read without building a text
// first; anything else is left to the general reading (an invalid date).
QDate isoDate(const char* t, int n) {
    if (n < 10 || t[4] != '-' || t[7] != '-')
        return QDate();
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int k = starts[p]; k < starts[p] + lengths[p]; ++k) {
            if (t[k] < '0' || t[k] > '9')
                return QDate();
            parts[p] = parts[p] * 10 + (t[k] - '0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

// A number read by the type its column is read as, or nothing when the type
// reads the value otherwise (a text, a date) or the storage does not fit it.
// place() is given what the value is made of.
template <typename Place>
bool placeNumber(sqlite3_value* v, int storage, std::optional<DataType> type, Place&& place) {
    if (!type)
        return false;
    switch (*type) {
    case DataType::Currency:
        if (storage == SQLITE_INTEGER) {
            place(Currency::fromRaw(sqlite3_value_int64(v)));
            return true;
        }
        if (storage == SQLITE_FLOAT) { // an expression over ten-thousandths that went real
            place(Currency::fromDouble(sqlite3_value_double(v) / Currency::kScale));
            return true;
        }
        return false;
    case DataType::Double:
        if (storage != SQLITE_INTEGER && storage != SQLITE_FLOAT)
            return false;
        place(sqlite3_value_double(v));
        return true;
    case DataType::BigInt:
    case DataType::Integer:
    case DataType::SmallInt:
        if (storage != SQLITE_INTEGER)
            return false;
        place(static_cast<std::int64_t>(sqlite3_value_int64(v)));
        return true;
    case DataType::Boolean:
        if (storage != SQLITE_INTEGER)
            return false;
        place(sqlite3_value_int64(v) != 0);
        return true;
    default:
        return false;
    }
}

QByteArrayView textOf(sqlite3_value* v) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v)); // before its length
    return QByteArrayView(text, sqlite3_value_bytes(v));
}

// A date as the book stores it, or an invalid date for a text that is none
// (read as that text).
QDate dateIn(QByteArrayView bytes) {
    const QDate d = isoDate(bytes.data(), static_cast<int>(bytes.size()));
    return d.isValid() ? d : QDate::fromString(QString::fromUtf8(bytes).left(10), Qt::ISODate);
}

Variant dateOf(QByteArrayView bytes) {
    const QDate d = dateIn(bytes);
    return d.isValid() ? Variant(d) : Variant(QString::fromUtf8(bytes));
}

// A value by its storage alone: a whole number, a real, or the text.
template <typename Place> void placeNatural(sqlite3_value* v, int storage, Place&& place) {
    switch (storage) {
    case SQLITE_INTEGER:
        place(static_cast<std::int64_t>(sqlite3_value_int64(v)));
        return;
    case SQLITE_FLOAT:
        place(sqlite3_value_double(v));
        return;
    default:
        place(QString::fromUtf8(textOf(v)));
    }
}

// Whether the first and the last word of two runs of n bytes agree, for a
// word no longer than n and at least half of it: together they cover the run.
template <class Word> bool sameEnds(const char* a, const char* b, std::size_t n) {
    Word a1, a2, b1, b2;
    std::memcpy(&a1, a, sizeof(Word));
    std::memcpy(&a2, a + n - sizeof(Word), sizeof(Word));
    std::memcpy(&b1, b, sizeof(Word));
    std::memcpy(&b2, b + n - sizeof(Word), sizeof(Word));
    return ((a1 ^ b1) | (a2 ^ b2)) == 0;
}

// Whether two runs of n bytes are the same: the short ones a report repeats
// (codes, kinds, dates) are compared a word at a time.
bool sameBytes(const char* a, const char* b, std::size_t n) {
    if (n > 16)
        return std::memcmp(a, b, n) == 0;
    if (n >= 8)
        return sameEnds<std::uint64_t>(a, b, n);
    if (n >= 4)
        return sameEnds<std::uint32_t>(a, b, n);
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// Short texts hashed a word at a time, from the process's own seed.
std::uint64_t hashOf(QByteArrayView bytes) {
    static const std::uint64_t seed = static_cast<std::uint64_t>(size_t(QHashSeed::globalSeed()));
    const char* p = bytes.data();
    auto n = static_cast<std::size_t>(bytes.size());
    std::uint64_t h = seed ^ (n * 0x9E3779B97F4A7C15ull);
    for (; n > 8; n -= 8, p += 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    std::uint64_t w = 0; // the last one to eight bytes
    if (n >= 4) {
        std::uint32_t low, high;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);
        w = (std::uint64_t(high) << 32) | low;
    } else if (n > 0) {
        const auto byte = [p](std::size_t k) { return std::uint64_t(static_cast<unsigned char>(p[k])); };
        w = byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16;
    }
    h ^= w;
    h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDull;
    h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

// The texts a column has held, by their bytes, each with the number of the
// one text of the result made of them: a column of codes or kinds (an item's
// code, the few kinds of a document) shares one text for each instead of
// building it again on every row. Open addressing over a table at most half
// full; a slot holds a short text's bytes itself, a longer one's lie with
// the others end to end.
class TextValues {
public:
    static constexpr int kKept = 8192;

    // The result's number for the text of these bytes, or -1.
    int find(QByteArrayView bytes, std::uint64_t hash) const {
        if (m_slots.empty())
            return -1;
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& s = m_slots[at];
            if (s.number < 0)
                return -1;
            if (s.hash == hash && holds(s, bytes))
                return s.number;
        }
    }
    // Keeps the result's number for bytes not kept yet; false when as many
    // are kept as may be.
    bool add(QByteArrayView bytes, std::uint64_t hash, int number) {
        if (m_count >= kKept)
            return false;
        if ((m_count + 1) * 2 > static_cast<int>(m_slots.size()))
            grow();
        Slot slot;
        slot.hash = hash;
        slot.number = number;
        slot.size = static_cast<std::uint32_t>(bytes.size());
        std::memcpy(slot.head, bytes.data(), std::min<std::size_t>(slot.size, kHead));
        if (slot.size > kHead) {
            slot.rest = m_rest.size();
            m_rest.append(bytes.data() + kHead, slot.size - kHead);
        }
        place(slot);
        ++m_count;
        return true;
    }
    void clear() {
        m_slots = {};
        m_rest = {};
        m_count = 0;
    }

private:
    static constexpr std::size_t kHead = 16;
    struct Slot {
        std::uint64_t hash = 0;
        int number = -1; // -1: free
        std::uint32_t size = 0;
        std::size_t rest = 0; // where the bytes past the head lie
        char head[kHead] = {};
    };
    bool holds(const Slot& s, QByteArrayView bytes) const {
        if (s.size != static_cast<std::size_t>(bytes.size()))
            return false;
        if (s.size <= kHead)
            return sameBytes(s.head, bytes.data(), s.size);
        return sameBytes(s.head, bytes.data(), kHead) &&
               sameBytes(m_rest.data() + s.rest, bytes.data() + kHead, s.size - kHead);
    }
    void place(const Slot& slot) {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t at = slot.hash & mask;
        while (m_slots[at].number >= 0)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
    void grow() {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        for (const Slot& s : old)
            if (s.number >= 0)
                place(s);
    }

    std::vector<Slot> m_slots;
    std::string m_rest;
    int m_count = 0;
};

} // namespace

// What a column has read so far: the row before's value, and the texts met.
class RowReader::Repeat {
public:
    void addText(ValueTable& rows, QByteArrayView b) {
        if (!sameAsBefore(b))
            holdText(b, numberOf(rows, b));
        rows.addText(m_numberBefore);
    }
    // A date is read faster than it is looked up.
    void addDate(ValueTable& rows, QByteArrayView b) {
        if (!sameAsBefore(b)) {
            const QDate d = dateIn(b);
            if (d.isValid())
                holdDate(b, d);
            else
                holdText(b, rows.addText(QString::fromUtf8(b)));
        }
        if (m_dateBefore.isValid())
            rows.addDate(m_dateBefore);
        else
            rows.addText(m_numberBefore);
    }

private:
    static constexpr int kTrial = 8192;

    // The result's text for these bytes: one kept before, or a new one.
    int numberOf(ValueTable& rows, QByteArrayView b) {
        if (!m_keeping)
            return rows.addText(QString::fromUtf8(b));
        const std::uint64_t hash = hashOf(b);
        int number = m_seen.find(b, hash);
        if (number >= 0) {
            ++m_found;
        } else {
            number = rows.addText(QString::fromUtf8(b));
            m_seen.add(b, hash, number);
        }
        if (++m_looked == kTrial && m_found * 2 < m_looked) {
            m_keeping = false; // too few repeat to be worth keeping
            m_seen.clear();
        }
        return number;
    }
    bool sameAsBefore(QByteArrayView b) const {
        return m_held && m_bytes.size() == static_cast<std::size_t>(b.size()) &&
               sameBytes(m_bytes.data(), b.data(), m_bytes.size());
    }
    void hold(QByteArrayView b) {
        m_bytes.assign(b.data(), static_cast<std::size_t>(b.size()));
        m_held = true;
    }
    void holdText(QByteArrayView b, int number) {
        hold(b);
        m_numberBefore = number;
        m_dateBefore = QDate();
    }
    void holdDate(QByteArrayView b, const QDate& d) {
        hold(b);
        m_dateBefore = d;
    }

    TextValues m_seen;
    int m_looked = 0;
    int m_found = 0;
    bool m_keeping = true;
    // The row before's bytes, and its text or date.
    bool m_held = false;
    std::string m_bytes;
    int m_numberBefore = -1;
    QDate m_dateBefore;
};

namespace {

// Adds a value to the result by what it is made of.
struct Adder {
    ValueTable& rows;
    void operator()(Currency c) const { rows.addNumber(DataType::Currency, c.raw()); }
    void operator()(double d) const { rows.addDouble(d); }
    void operator()(std::int64_t n) const { rows.addNumber(DataType::BigInt, n); }
    void operator()(bool b) const { rows.addNumber(DataType::Boolean, b ? 1 : 0); }
    void operator()(const QString& text) const { rows.addText(rows.addText(text)); }
};

} // namespace

RowReader::RowReader(sqlite3_stmt* stmt, std::vector<std::optional<DataType>> types)
    : m_stmt(stmt), m_types(std::move(types)), m_repeats(m_types.size()) {}

RowReader::~RowReader() = default;

// The statement is stepped by this thread alone, so a column's value is read
// directly, without the locking of the column calls.
void RowReader::addRow(ValueTable& rows) {
    const Adder add{rows};
    const auto addColumn = [&](int i, std::optional<DataType> type, Repeat& repeat) {
        sqlite3_value* v = sqlite3_column_value(m_stmt, i);
        const int storage = sqlite3_value_type(v);
        if (storage == SQLITE_NULL) {
            rows.addNull();
            return;
        }
        if (placeNumber(v, storage, type, add))
            return;
        if (type == DataType::Date && storage == SQLITE_TEXT)
            repeat.addDate(rows, textOf(v));
        else if (type == DataType::Text)
            repeat.addText(rows, textOf(v));
        else
            placeNatural(v, storage, add);
    };
    std::optional<DataType>* types = m_types.data();
    Repeat* repeats = m_repeats.data();
    const int n = static_cast<int>(m_types.size());
    for (int c = 0; c < n; ++c) {
        addColumn(c, types[c], repeats[c]);
        if (!types[c] && rows.lastType() != DataType::Null)
            types[c] = rows.lastType(); // the first value fixes an undeclared column's type
    }
    rows.endRow();
}

Variant RowReader::value(sqlite3_value* v, std::optional<DataType> type) {
    const int storage = sqlite3_value_type(v);
    if (storage == SQLITE_NULL)
        return Variant::null();
    Variant out;
    const auto place = [&out](auto value) { out = Variant(value); };
    if (placeNumber(v, storage, type, place))
        return out;
    if (type == DataType::Date && storage == SQLITE_TEXT)
        return dateOf(textOf(v));
    if (type == DataType::Text)
        return Variant(QString::fromUtf8(textOf(v)));
    placeNatural(v, storage, place);
    return out;
}

} // namespace orv::db
