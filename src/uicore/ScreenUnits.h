#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace orv {

// Positions and widths are given in twips: 1440 to the inch, so 15 to the
// pixel at 96 dots per inch. Screens with a larger logical resolution get
// proportionally more pixels. The widget (or, without one, the primary screen)
// decides the resolution.
int twipsToPixels(int twips, const QWidget* widget = nullptr);

// A colour written the way the windows give it: &H00BBGGRR.
QColor colorFromBgr(std::uint32_t bgr);

// The light-blue tint of a failed field, &HFFC0C0.
QColor lightBlueTint();

} // namespace orv
