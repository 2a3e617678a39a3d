#include "WindowRegistry.h"

#include <QCoreApplication>

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
        window->fitToScreen();
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    if (!wasOpen) {
        window->fitToScreen(); // again, now that the window's frame is known
        window->orderTabsByReading();
    }
    window->raise();
    window->activateWindow();
    return window;
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
