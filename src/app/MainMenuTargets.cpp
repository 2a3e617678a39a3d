#include "Orvan.h"
#include "Websitefrm.h"
#include "gl/frmGL.h"
#include "ui/WindowRegistry.h"

namespace orv {

std::map<QString, std::function<void()>> mainMenuTargets() {
    auto& r = WindowRegistry::shared();
    return {
        {QStringLiteral("Command6"), [&r] { r.show<Websitefrm>(); }},
        {QStringLiteral("cmdGL_Report"), [&r] { r.show<frmGL>(); }},
    };
}

} // namespace orv
