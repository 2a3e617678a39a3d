#include "UiServices.h"

#include "QtUiServices.h"
#include "values/DataError.h"

namespace orv {

namespace {
UiServices* g_installed = nullptr;
}

void UiServices::reportError(const std::exception& error) {
    if (const auto* dataError = dynamic_cast<const DataError*>(&error)) {
        message(dataError->message());
        return;
    }
    message(QString::fromLocal8Bit(error.what()));
}

UiServices& UiServices::current() {
    if (g_installed) {
        return *g_installed;
    }
    static QtUiServices qtServices;
    return qtServices;
}

void UiServices::install(UiServices* services) {
    g_installed = services;
}

} // namespace orv
