#pragma once

#include "Window.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <map>

namespace orv {

// One shared instance per window type. A request creates and loads the
// window the first time, places it (the first window, the main menu, at the
// screen's corner; the others beside it or cascaded from it, each wholly on
// the screen), shows it modeless and without an owner, and brings
// it forward with its entries as they stand while it is open; after the
// window was closed the next request loads a fresh one.
class WindowRegistry {
public:
    enum class Modality { Modeless, Modal };

    // The program's registry.
    static WindowRegistry& shared();

    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Shows the window of type W, modeless.
    template <class W> W* show() {
        return static_cast<W*>(request(keyOf<W>(), &create<W>, Modality::Modeless));
    }
    // Shows the window of type W modal: every other window refuses input
    // until it is closed.
    template <class W> W* showModal() {
        return static_cast<W*>(request(keyOf<W>(), &create<W>, Modality::Modal));
    }
    // The open instance of W, or nullptr when none is loaded.
    template <class W> W* find() const { return static_cast<W*>(open(keyOf<W>())); }

    // Windows currently open (loaded and not closed).
    int openCount() const;
    // Deletes every window at once, without its close handling.
    void discardAll();

private:
    using Factory = Window* (*)();
    template <class W> static Window* create() { return new W(); }
    template <class W> static QString keyOf() { return QString::fromLatin1(W::staticMetaObject.className()); }

    Window* request(const QString& key, Factory factory, Modality modality);
    Window* open(const QString& key) const;
    // Where a window about to open puts its frame: the first window at the
    // screen's corner, the others beside it or cascaded from it.
    QPoint placeFor(Window* window);

    std::map<QString, QPointer<Window>> m_windows;
    QPointer<Window> m_first; // the window the others open beside
};

} // namespace orv
