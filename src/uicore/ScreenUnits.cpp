#include "ScreenUnits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace orv {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kStandardDpi = 96.0;

double logicalDpi(const QWidget* widget) {
    if (widget) {
        return widget->logicalDpiX();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return screen->logicalDotsPerInchX();
    }
    return kStandardDpi;
}
} // namespace

int twipsToPixels(int twips, const QWidget* widget) {
    double dpi = logicalDpi(widget);
    if (dpi <= 0) {
        dpi = kStandardDpi;
    }
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

QColor colorFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QColor lightBlueTint() {
    return colorFromBgr(0xFFC0C0);
}

} // namespace orv
