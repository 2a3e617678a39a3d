#pragma once

#include "UiServices.h"

#include <QAbstractButton>
#include <memory>
#include <utility>

namespace orv {

// Wires a button to its handler; the one way a button of the program is
// wired. Whatever the handler throws reaches the clerk as a message instead of
// ending the program, and a press that arrives while the handler still runs
// (a second click while a message box waits) is ignored rather than running
// the handler inside itself. The wiring lasts as long as the button.
template <class Handler> void onClick(QAbstractButton* button, Handler handler) {
    auto running = std::make_shared<bool>(false);
    QObject::connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler), running] {
        if (*running)
            return;
        // The handler may close the window and with it the button; the flag
        // outlives the connection while it runs.
        const std::shared_ptr<bool> flag = running;
        *flag = true;
        guarded(handler);
        *flag = false;
    });
}

} // namespace orv
