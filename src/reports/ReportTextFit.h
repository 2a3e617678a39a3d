#pragma once

#include "ReportDocument.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <functional>
#include <map>

namespace orv::reports {

// Fits one line of text to its box, measured in the painter's own fonts (a
// pixel per twip, no hinting). Each text is measured once per font.
class ReportTextFit {
public:
    explicit ReportTextFit(const QString& family) : m_family(family) {}

    // The width of the text in twips.
    double advance(double pointSize, bool bold, const QString& text);
    // Whether the text fits its box on one line, a gap to spare at its edge
    // so that neighbouring texts never touch.
    bool fits(const DisplayItem& item);
    // A figure or a date is shrunk until it fits whole. Other text is shrunk
    // a little, then wraps onto as many lines as `room` (the height from the
    // box's top to its section's end; the box's own height at least) holds,
    // shrinking further where needed: text is never cut.
    void fit(DisplayItem& item, bool whole, int room = 0);

private:
    const QFontMetricsF& metrics(double pointSize, bool bold);
    static double largestHeld(double from, const std::function<bool(double)>& held);
    // The size of the text wrapped to the width, between words or anywhere.
    QSizeF wrapped(double pointSize, bool bold, const QString& text, double width, bool anywhere);

    // Widths measured lately, by font and text; emptied when it holds
    // kRemembered texts, so that a report of any length keeps a bounded few.
    static constexpr qsizetype kRemembered = 20000;

    QString m_family;
    std::map<int, QFontMetricsF> m_metrics;
    std::map<int, QHash<QString, double>> m_advances;
    qsizetype m_remembered = 0;
};

} // namespace orv::reports
