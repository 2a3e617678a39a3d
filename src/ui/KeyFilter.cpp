#include "KeyFilter.h"

#include "uicore/UiServices.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace orv {

KeyFilter::KeyFilter(QObject* parent, const QString& message, bool digitsOnly)
    : QObject(parent), m_message(message), m_digitsOnly(digitsOnly) {}

KeyFilter* KeyFilter::install(QWidget* box, const QString& message) {
    auto* filter = new KeyFilter(box, message, false);
    box->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(filter);
    }
    return filter;
}

KeyFilter* KeyFilter::installDigits(QWidget* box, const QString& message) {
    auto* filter = new KeyFilter(box, message, true);
    box->installEventFilter(filter);
    return filter;
}

bool KeyFilter::allowsDigit(QChar character) {
    const char16_t code = character.unicode();
    return code == 8 || (code >= u'0' && code <= u'9');
}

bool KeyFilter::allows(QChar character) {
    const char16_t code = character.unicode();
    return code == 8 || (code >= u'0' && code <= u'9') || (code >= u'a' && code <= u'z');
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (!(m_digitsOnly ? allowsDigit(c) : allows(c))) {
            UiServices::current().message(m_message);
            return true;
        }
    }
    return false;
}

} // namespace orv
