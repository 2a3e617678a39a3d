#pragma once

#include <QString>
#include <stdexcept>

namespace orv {

// The one error type of the data layer: a bad conversion, a refused row, a
// failed statement. The write protocol and the ui services catch it.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace orv
