#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orv::fuzz {

// Reads a fuzzer's bytes: fixed-size numbers from the front, the rest as
// text (invalid UTF-8 becomes replacement characters, as a paste would).
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::int64_t int64() {
        std::uint64_t v = 0;
        const std::size_t n = m_pos + 8 <= m_size ? 8 : m_size - m_pos;
        std::memcpy(&v, m_data + m_pos, n);
        m_pos += n;
        return static_cast<std::int64_t>(v);
    }
    bool more() const { return m_pos < m_size; }
    // The text up to the next NUL byte (or the end).
    QString text() {
        const std::size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != 0)
            ++m_pos;
        const QString out = QString::fromUtf8(reinterpret_cast<const char*>(m_data + start),
                                              static_cast<qsizetype>(m_pos - start));
        if (m_pos < m_size)
            ++m_pos;
        return out;
    }
    QString rest() {
        const QString out = QString::fromUtf8(reinterpret_cast<const char*>(m_data + m_pos),
                                              static_cast<qsizetype>(m_size - m_pos));
        m_pos = m_size;
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace orv::fuzz
