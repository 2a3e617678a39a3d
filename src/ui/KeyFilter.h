#pragma once

#include <QObject>
#include <QString>

namespace orv {

// The key filter of a box: lets through backspace, the digits and the
// lower-case letters a to z; any other typed character (capitals, blank,
// point, minus, punctuation, control characters) is discarded before it
// reaches the box and a message says so. Keys that type nothing (arrows,
// Delete, Tab and the like) are not characters and pass. A digits-only filter
// lets through backspace and the digits alone.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    static inline const QString kSpecialCharacter = QStringLiteral("Special Character not allowed");

    // Filters the box's keys for as long as the box lives.
    static KeyFilter* install(QWidget* box, const QString& message = kSpecialCharacter);
    static KeyFilter* installDigits(QWidget* box, const QString& message);

    static bool allows(QChar character);
    static bool allowsDigit(QChar character);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QObject* parent, const QString& message, bool digitsOnly);
    QString m_message;
    bool m_digitsOnly = false;
};

} // namespace orv
