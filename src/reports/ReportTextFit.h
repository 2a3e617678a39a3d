#pragma once

#include "ReportDocument.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <map>

namespace orv::reports {

// Fits one line of text to its box, measured in the painter's own fonts (a
// pixel per twip, no hinting). Each text is measured once per font.
class ReportTextFit {
public:
    explicit ReportTextFit(const QString& family) : m_family(family) {}

    // The width of the text in twips.
    double advance(double pointSize, bool bold, const QString& text);
    bool fits(const DisplayItem& item);
    // A figure or a date is shrunk until it fits whole; other text is shrunk
    // a little, then elided with "…".
    void fit(DisplayItem& item, bool whole);

private:
    const QFontMetricsF& metrics(double pointSize, bool bold);

    QString m_family;
    std::map<int, QFontMetricsF> m_metrics;
    QHash<QString, double> m_advances; // keyed by font and text
};

} // namespace orv::reports
