#include "ReportPainter.h"

#include "data/DataError.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QtMath>

namespace orv::reports {

namespace {

constexpr int kPenTwips = 15; // a hairline, one screen pixel at 96 dpi

QFont fontFor(const ReportDocument& doc, const DisplayItem& item) {
    QFont f(doc.fontFamily);
    f.setPixelSize(qRound(item.pointSize * 20)); // the painter works in twips
    f.setBold(item.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text boxes print one line cut at the box's edges; labels wrap within their
// width and show the lines their height holds.
void paintText(QPainter& painter, const ReportDocument& doc, const DisplayItem& item) {
    if (item.text.isEmpty())
        return;
    const QFont font = fontFor(doc, item);
    painter.setFont(font);
    const int flags =
        int(item.alignment) | Qt::AlignTop | (item.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QFontMetricsF fm(font);
    QRectF needed = item.wrap ? fm.boundingRect(QRectF(item.rect), flags, item.text)
                              : QRectF(0, 0, fm.horizontalAdvance(item.text), fm.height());
    const bool overflows = needed.width() > item.rect.width() || needed.height() > item.rect.height();
    if (overflows) {
        painter.save();
        painter.setClipRect(item.rect, Qt::IntersectClip);
    }
    painter.drawText(QRectF(item.rect), flags, item.text);
    if (overflows)
        painter.restore();
}

void paintItem(QPainter& painter, const ReportDocument& doc, const DisplayItem& item) {
    switch (item.kind) {
    case DisplayItem::Kind::Line:
        painter.drawLine(item.rect.left(), item.rect.top(), item.rect.left() + item.rect.width(),
                         item.rect.top());
        break;
    case DisplayItem::Kind::Frame:
        painter.drawRect(QRectF(item.rect));
        break;
    case DisplayItem::Kind::Text:
        paintText(painter, doc, item);
        break;
    }
}

} // namespace

void ReportPainter::paintPage(QPainter& painter, const ReportDocument& doc, int page, const QRectF& target) {
    if (page < 0 || page >= int(doc.pages.size()) || doc.pageSize.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / doc.pageSize.width(), target.height() / doc.pageSize.height());
    painter.fillRect(QRect(QPoint(0, 0), doc.pageSize), Qt::white);
    painter.setPen(QPen(Qt::black, kPenTwips));
    painter.setBrush(Qt::NoBrush);
    for (const DisplayItem& item : doc.pages[size_t(page)].items)
        paintItem(painter, doc, item);
    painter.restore();
}

void ReportPainter::paintAll(QPainter& painter, const ReportDocument& doc,
                             const std::function<bool()>& newPage, const QRectF& target) {
    for (int p = 0; p < int(doc.pages.size()); ++p) {
        if (p > 0 && !newPage())
            throw DataError(QStringLiteral("The report could not start page %1.").arg(p + 1));
        paintPage(painter, doc, p, target);
    }
}

void ReportPainter::exportPdf(const ReportDocument& doc, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageLayout(doc.pageLayout());
    writer.setResolution(1200);
    writer.setTitle(doc.caption);
    writer.setCreator(QStringLiteral("Orvanwise"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw DataError(QStringLiteral("The file %1 could not be written.").arg(path));
    paintAll(
        painter, doc, [&] { return writer.newPage(); }, QRectF(0, 0, writer.width(), writer.height()));
    if (!painter.end())
        throw DataError(QStringLiteral("The file %1 could not be written.").arg(path));
}

void ReportPainter::print(const ReportDocument& doc, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(doc.pageLayout());
    printer.setDocName(doc.caption);
    QPainter painter;
    if (!painter.begin(&printer))
        throw DataError(QStringLiteral("The printer could not be started."));
    paintAll(
        painter, doc, [&] { return printer.newPage(); }, QRectF(0, 0, printer.width(), printer.height()));
    painter.end();
}

} // namespace orv::reports
