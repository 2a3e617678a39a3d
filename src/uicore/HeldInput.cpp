#include "HeldInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace orv {

namespace {

// The input a modal dialog would keep from the other windows, keys aside.
bool isPointerOrClosing(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

HeldInput::HeldInput(QWidget* open, std::function<void()> cancel)
    : m_open(open), m_cancel(std::move(cancel)) {
    QCoreApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput() {
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted, not sent: the work's own handler returns first, and a key that
    // presses a button cannot start anything inside it.
    for (const Key& k : m_keys) {
        if (k.receiver)
            QCoreApplication::postEvent(k.receiver,
                                        new QKeyEvent(k.type, k.key, k.modifiers, k.scanCode, k.virtualKey,
                                                      k.nativeModifiers, k.text, k.autoRepeat));
    }
}

bool HeldInput::reachesOpenWindow(QObject* receiver) const {
    if (!m_open)
        return false;
    if (const auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window() == m_open;
    return receiver == m_open->windowHandle();
}

void HeldInput::keep(QObject* receiver, const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    m_keys.push_back({receiver, key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                      key->nativeScanCode(), key->nativeVirtualKey(), key->nativeModifiers()});
}

bool HeldInput::eventFilter(QObject* watched, QEvent* event) {
    if ((!watched->isWidgetType() && !watched->isWindowType()) || reachesOpenWindow(watched))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // No shortcut of another window acts meanwhile: its key is kept.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            if (event->type() == QEvent::KeyPress && m_cancel)
                m_cancel();
            return true;
        }
        keep(watched, event);
        return true;
    default:
        if (!isPointerOrClosing(event->type()))
            return false;
        event->ignore();
        return true;
    }
}

} // namespace orv
