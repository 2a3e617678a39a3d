#pragma once

#include <QString>
#include <ostream>

// Failure messages show texts as text, not as the bytes of a QString.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
