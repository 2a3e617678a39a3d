#include "ReportTextFit.h"

#include <QFont>
#include <QtMath>
#include <algorithm>

namespace orv::reports {

namespace {

int fontKey(double pointSize, bool bold) {
    return qRound(pointSize * 20) * 2 + (bold ? 1 : 0);
}

constexpr double kStep = 0.25;      // points
constexpr double kTextShrink = 0.8; // text is elided below this share of its size
constexpr double kSmallest = 4.0;   // points: a figure never prints smaller

} // namespace

const QFontMetricsF& ReportTextFit::metrics(double pointSize, bool bold) {
    const int key = fontKey(pointSize, bold);
    auto it = m_metrics.find(key);
    if (it == m_metrics.end()) {
        QFont f(m_family);
        f.setPixelSize(qRound(pointSize * 20));
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        it = m_metrics.emplace(key, QFontMetricsF(f)).first;
    }
    return it->second;
}

double ReportTextFit::advance(double pointSize, bool bold, const QString& text) {
    const QString key = QString::number(fontKey(pointSize, bold)) + QLatin1Char('|') + text;
    auto it = m_advances.constFind(key);
    if (it != m_advances.constEnd())
        return *it;
    const double width = metrics(pointSize, bold).horizontalAdvance(text);
    m_advances.insert(key, width);
    return width;
}

bool ReportTextFit::fits(const DisplayItem& item) {
    return advance(item.pointSize, item.bold, item.text) <= item.rect.width();
}

void ReportTextFit::fit(DisplayItem& item, bool whole) {
    if (item.text.isEmpty() || fits(item))
        return;
    const double smallest = whole ? kSmallest : std::max(kSmallest, item.pointSize * kTextShrink);
    // Widths grow with the size: start from the size that should fit and step down.
    const double wanted = item.pointSize * item.rect.width() / advance(item.pointSize, item.bold, item.text);
    double size = std::max(smallest, qFloor(wanted / kStep) * kStep);
    while (size > smallest && advance(size, item.bold, item.text) > item.rect.width())
        size -= kStep;
    item.pointSize = size;
    if (!fits(item))
        item.text = metrics(size, item.bold).elidedText(item.text, Qt::ElideRight, item.rect.width());
}

} // namespace orv::reports
