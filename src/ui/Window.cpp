#include "Window.h"

#include "UiServices.h"

#include <QEvent>

namespace orv {

Window::~Window() {
    for (QObject* control : findChildren<QObject*>())
        QObject::disconnect(control, nullptr, this, nullptr);
}

Window::Window(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void Window::load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    guarded([this] { Form_Load(); });
}

bool Window::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Close && event->isAccepted()) {
        m_unloaded = true;
    }
    return handled;
}

} // namespace orv
