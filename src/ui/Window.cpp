#include "Window.h"

#include "UiServices.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace orv {

Window::~Window() {
    for (QObject* control : findChildren<QObject*>())
        QObject::disconnect(control, nullptr, this, nullptr);
}

void Window::fitToScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame the window system adds is known once the window is shown;
    // before that, leave room for a title bar.
    int frameWidth = frameGeometry().width() - width();
    int frameHeight = frameGeometry().height() - height();
    if (frameHeight <= 0)
        frameHeight = 32;
    resize(std::min(width(), area.width() - frameWidth), std::min(height(), area.height() - frameHeight));
    // move() places the frame's top-left corner.
    QPoint at = pos();
    at.setX(std::clamp(at.x(), area.left(),
                       std::max(area.left(), area.left() + area.width() - width() - frameWidth)));
    at.setY(std::clamp(at.y(), area.top(),
                       std::max(area.top(), area.top() + area.height() - height() - frameHeight)));
    move(at);
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
