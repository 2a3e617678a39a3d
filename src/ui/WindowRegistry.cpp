#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace orv {

WindowRegistry& WindowRegistry::shared() {
    static WindowRegistry registry;
    return registry;
}

WindowRegistry::~WindowRegistry() {
    // The program's registry outlives the application object; windows left
    // then go with the process.
    if (QCoreApplication::instance()) {
        discardAll();
    }
}

void WindowRegistry::discardAll() {
    for (auto& entry : m_windows) {
        delete entry.second.data();
    }
    m_windows.clear();
}

Window* WindowRegistry::open(const QString& key) const {
    auto it = m_windows.find(key);
    if (it == m_windows.end() || !it->second || it->second->isUnloaded()) {
        return nullptr;
    }
    return it->second.data();
}

Window* WindowRegistry::request(const QString& key, Factory factory, Modality modality) {
    Window* window = open(key);
    const bool wasOpen = window != nullptr;
    if (!window) {
        window = factory();
        if (window->objectName().isEmpty()) {
            window->setObjectName(key.section(QStringLiteral("::"), -1));
        }
        m_windows[key] = window;
        if (modality == Modality::Modal) {
            window->setWindowModality(Qt::ApplicationModal);
        }
        window->load();
        window->placeFrameAt(placeFor(window));
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    if (!wasOpen) {
        window->fitToScreen(); // again, now that the window's frame may be known
        window->orderTabsByReading();
    }
    window->raise();
    window->activateWindow();
    return window;
}

QPoint WindowRegistry::placeFor(Window* window) {
    if (!m_first || m_first->isUnloaded() || m_first == window) {
        // The first window (the main menu) opens at the screen's top-left corner.
        m_first = window;
        const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry().topLeft() : QPoint();
    }
    // Every other window beside it where there is room, else cascaded from
    // it, each a title bar further than the one opened before it.
    const QRect menu = m_first->frameGeometry();
    const QMargins margins = window->frameMarginsOrAssumed();
    const int step = std::max(margins.top(), 24);
    // The windows open besides the first and this one.
    const int others = std::max(0, openCount() - 2);
    const QScreen* screen = m_first->screen() ? m_first->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const int frameWidth = window->width() + margins.left() + margins.right();
    if (menu.right() + 1 + frameWidth <= area.right() + 1)
        return QPoint(menu.right() + 1, menu.top()) + QPoint(step, step) * others;
    return menu.topLeft() + QPoint(step, step) * (others + 1);
}

int WindowRegistry::openCount() const {
    int count = 0;
    for (const auto& entry : m_windows) {
        if (open(entry.first)) {
            ++count;
        }
    }
    return count;
}

} // namespace orv
