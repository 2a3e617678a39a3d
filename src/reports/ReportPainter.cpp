#include "ReportPainter.h"

#include "ReportMemory.h"
#include "values/DataError.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextLayout>
#include <QtMath>
#include <map>

namespace orv::reports {

namespace {

constexpr int kPenTwips = 15; // a hairline, one screen pixel at 96 dpi

// The fonts of one painting, made once per size and weight, and the single
// lines of text lately shaped in them: building a font and its metrics, or
// shaping a text, for every item would cost more than drawing it (a report
// repeats its dates, codes and amounts from row to row and page to page).
class FontCache {
public:
    explicit FontCache(const QString& family) : m_family(family) {}

    struct Line {
        QList<QGlyphRun> runs; // placed with the line's top-left at the origin
        double width = 0;
    };
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, Line> lines;
    };

    Entry& get(double pointSize, bool bold) {
        const int key = qRound(pointSize * 20) * 2 + (bold ? 1 : 0);
        auto it = m_entries.find(key);
        if (it == m_entries.end()) {
            QFont f(m_family);
            f.setPixelSize(qRound(pointSize * 20)); // the painter works in twips
            f.setBold(bold);
            f.setHintingPreference(QFont::PreferNoHinting);
            it = m_entries.emplace(key, Entry{f, QFontMetricsF(f), {}}).first;
        }
        return it->second;
    }

    const Line& line(Entry& entry, const QString& text) {
        auto it = entry.lines.constFind(text);
        if (it != entry.lines.constEnd())
            return *it;
        if (m_lines >= kRemembered) {
            for (auto& [key, e] : m_entries)
                e.lines.clear();
            m_lines = 0;
        }
        QTextLayout layout(text, entry.font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine shaped = layout.createLine();
        layout.endLayout();
        ++m_lines;
        return *entry.lines.insert(text, Line{layout.glyphRuns(), shaped.naturalTextWidth()});
    }

private:
    static constexpr int kRemembered = 5000;
    QString m_family;
    std::map<int, Entry> m_entries;
    int m_lines = 0;
};

// Text boxes print the one line fitted to them; labels wrap within their
// width and show the lines their height holds.
void paintText(QPainter& painter, FontCache& fonts, const DisplayItem& item) {
    if (item.text.isEmpty())
        return;
    FontCache::Entry& f = fonts.get(item.pointSize, item.bold);
    if (painter.font() != f.font)
        painter.setFont(f.font);
    const int flags = int(item.alignment) | Qt::AlignTop |
                      (!item.wrap        ? Qt::TextSingleLine
                       : item.breakWords ? Qt::TextWrapAnywhere
                                         : Qt::TextWordWrap);
    const QRectF rect(item.rect);
    // A single line was fitted to its box when the page was laid out: its
    // shaped glyphs are placed as its alignment says. A line that does not
    // fit its box after all (a figure at its smallest) is drawn cut at it.
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    if (!item.wrap && f.metrics.height() <= rect.height() && !item.text.contains(breaks)) {
        const FontCache::Line& line = fonts.line(f, item.text);
        if (line.width <= rect.width()) {
            double x = rect.left();
            if (item.alignment & Qt::AlignRight)
                x = rect.right() - line.width;
            else if (item.alignment & Qt::AlignHCenter)
                x = rect.left() + (rect.width() - line.width) / 2;
            for (const QGlyphRun& run : line.runs)
                painter.drawGlyphRun(QPointF(x, rect.top()), run);
            return;
        }
    }
    if (!item.wrap) {
        painter.drawText(rect, flags, item.text);
        return;
    }
    const bool overflows = !rect.contains(f.metrics.boundingRect(rect, flags, item.text));
    if (overflows) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    painter.drawText(rect, flags, item.text);
    if (overflows)
        painter.restore();
}

void paintItem(QPainter& painter, FontCache& fonts, const DisplayItem& item) {
    switch (item.kind) {
    case DisplayItem::Kind::Line:
        painter.drawLine(item.rect.left(), item.rect.top(), item.rect.left() + item.rect.width(),
                         item.rect.top());
        break;
    case DisplayItem::Kind::Frame:
        painter.drawRect(QRectF(item.rect));
        break;
    case DisplayItem::Kind::Text:
        paintText(painter, fonts, item);
        break;
    }
}

void paintItems(QPainter& painter, FontCache& fonts, const ReportDocument& doc, const ReportPage& page,
                const QRectF& target) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / doc.pageSize.width(), target.height() / doc.pageSize.height());
    painter.fillRect(QRect(QPoint(0, 0), doc.pageSize), Qt::white);
    painter.setPen(QPen(Qt::black, kPenTwips));
    painter.setBrush(Qt::NoBrush);
    for (const DisplayItem& item : page.items)
        paintItem(painter, fonts, item);
    painter.restore();
}

} // namespace

void ReportPainter::paintPage(QPainter& painter, const ReportDocument& doc, int page, const QRectF& target) {
    if (page < 0 || page >= doc.pageCount() || doc.pageSize.isEmpty())
        return;
    FontCache fonts(doc.fontFamily);
    if (doc.layOutPage)
        paintItems(painter, fonts, doc, doc.layOutPage(page), target);
    else
        paintItems(painter, fonts, doc, doc.pages[size_t(page)], target);
}

void ReportPainter::paintAll(QPainter& painter, const ReportDocument& doc,
                             const std::function<bool()>& newPage, const QRectF& target,
                             const Progress& progress) {
    FontCache fonts(doc.fontFamily);
    const auto paint = [&](int p, const ReportPage& page) {
        if (progress && !progress(p))
            throw ReportCancelled();
        if (p > 0 && !newPage())
            throw DataError(QStringLiteral("The report could not start page %1.").arg(p + 1));
        paintItems(painter, fonts, doc, page, target);
        return true;
    };
    // A report laid out when wanted is painted as each page is made, and
    // each page is let go once painted.
    if (doc.layOutEvery)
        doc.layOutEvery(paint);
    else
        for (int p = 0; p < int(doc.pages.size()); ++p)
            paint(p, doc.pages[size_t(p)]);
    if (progress)
        progress(doc.pageCount());
}

void ReportPainter::exportPdf(const ReportDocument& doc, const QString& path, const Progress& progress) {
    keepReportMemoryInHeap();
    const QString failed = QStringLiteral("The file %1 could not be written.").arg(path);
    // Written beside the file and put in its place only when whole; an
    // export that stops on the way discards its part.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw DataError(failed);
    QPdfWriter writer(&file);
    writer.setPageLayout(doc.pageLayout());
    writer.setResolution(1200);
    writer.setTitle(doc.caption);
    writer.setCreator(QStringLiteral("Orvanwise"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw DataError(failed);
    try {
        paintAll(
            painter, doc, [&] { return writer.newPage(); }, QRectF(0, 0, writer.width(), writer.height()),
            progress);
    } catch (...) {
        file.cancelWriting();
        painter.end();
        throw;
    }
    if (!painter.end() || !file.commit())
        throw DataError(failed);
}

void ReportPainter::print(const ReportDocument& doc, QPrinter& printer, const Progress& progress) {
    keepReportMemoryInHeap();
    printer.setFullPage(true);
    printer.setPageLayout(doc.pageLayout());
    printer.setDocName(doc.caption);
    QPainter painter;
    if (!painter.begin(&printer))
        throw DataError(QStringLiteral("The printer could not be started."));
    try {
        paintAll(
            painter, doc, [&] { return printer.newPage(); }, QRectF(0, 0, printer.width(), printer.height()),
            progress);
    } catch (const ReportCancelled&) {
        printer.abort();
        throw;
    }
    painter.end();
}

} // namespace orv::reports
