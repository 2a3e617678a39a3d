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
constexpr int kGap = 40;            // twips kept free at a box's edge

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
    QHash<QString, double>& widths = m_advances[fontKey(pointSize, bold)];
    auto it = widths.constFind(text);
    if (it != widths.constEnd())
        return *it;
    const double width = metrics(pointSize, bold).horizontalAdvance(text);
    if (m_remembered >= kRemembered) {
        m_advances.clear();
        m_remembered = 0;
        m_advances[fontKey(pointSize, bold)].insert(text, width);
    } else {
        widths.insert(text, width);
    }
    ++m_remembered;
    return width;
}

bool ReportTextFit::fits(const DisplayItem& item) {
    return advance(item.pointSize, item.bold, item.text) <= std::max(1, item.rect.width() - kGap);
}

QSizeF ReportTextFit::wrapped(double pointSize, bool bold, const QString& text, double width, bool anywhere) {
    const int flags = Qt::AlignTop | (anywhere ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
    return metrics(pointSize, bold).boundingRect(QRectF(0, 0, width, 1e9), flags, text).size();
}

// The largest size, in steps down from `from` to the smallest, at which the
// text is held (the smallest when none is). A smaller size never holds fewer
// lines, so the sizes are halved between one that holds and one that does not
// instead of tried one by one: a long report wraps thousands of texts.
double ReportTextFit::largestHeld(double from, const std::function<bool(double)>& held) {
    const int top = qFloor(from / kStep);
    const int bottom = qCeil(kSmallest / kStep);
    if (top <= bottom || held(top * kStep))
        return std::max(top * kStep, kSmallest);
    int no = top; // does not hold
    int yes = bottom;
    if (!held(yes * kStep))
        return kSmallest;
    while (no - yes > 1) {
        const int mid = (no + yes) / 2;
        (held(mid * kStep) ? yes : no) = mid;
    }
    return yes * kStep;
}

void ReportTextFit::fit(DisplayItem& item, bool whole, int room) {
    if (item.text.isEmpty() || fits(item))
        return;
    const double width = std::max(1, item.rect.width() - kGap);
    const double smallest = whole ? kSmallest : std::max(kSmallest, item.pointSize * kTextShrink);
    // Widths grow with the size: start from the size that should fit and step down.
    const double wanted = item.pointSize * width / advance(item.pointSize, item.bold, item.text);
    double size = std::max(smallest, qFloor(wanted / kStep) * kStep);
    while (size > smallest && advance(size, item.bold, item.text) > width)
        size -= kStep;
    const double original = item.pointSize;
    item.pointSize = size;
    if (whole || fits(item))
        return;
    // Wrapped within the section at the largest size whose lines it holds,
    // between words, or within a word too long for the box; at the smallest
    // size the box grows to hold every line.
    const double height = std::max(room, item.rect.height());
    item.wrap = true;
    const auto holds = [&](double at, bool anywhere) {
        const QSizeF lines = wrapped(at, item.bold, item.text, width, anywhere);
        return lines.width() <= width && lines.height() <= height;
    };
    for (const bool anywhere : {false, true}) {
        item.breakWords = anywhere;
        item.pointSize = largestHeld(original, [&](double at) { return holds(at, anywhere); });
        if (holds(item.pointSize, anywhere))
            break;
    }
    item.rect.setWidth(qCeil(width));
    item.rect.setHeight(
        std::max(item.rect.height(),
                 qCeil(wrapped(item.pointSize, item.bold, item.text, width, item.breakWords).height())));
}

} // namespace orv::reports
