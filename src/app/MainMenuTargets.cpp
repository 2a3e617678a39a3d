#include "Orvan.h"
#include "Websitefrm.h"
#include "ui/WindowRegistry.h"

namespace orv {

std::map<QString, std::function<void()>> mainMenuTargets() {
    auto& r = WindowRegistry::shared();
    return {
        {QStringLiteral("Command6"), [&r] { r.show<Websitefrm>(); }},
    };
}

} // namespace orv
