#include "ReportPageView.h"

#include "ReportPainter.h"

#include <QPainter>

namespace orv::reports {

namespace {
constexpr int kDesk = 12; // pixels of desk around the page
}

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(pal);
}

void ReportPageView::setDocument(std::shared_ptr<const ReportDocument> doc) {
    m_doc = std::move(doc);
    m_page = 0;
    resize(sizeHint());
    update();
}

void ReportPageView::setPage(int page) {
    m_page = page;
    update();
}

void ReportPageView::setZoom(int percent) {
    m_zoom = percent;
    resize(sizeHint());
    update();
}

// The paper at its real size on the screen, times the zoom.
QSizeF ReportPageView::pageSizePixels() const {
    if (!m_doc || m_doc->pageSize.isEmpty())
        return {};
    const double inchesW = m_doc->pageSize.width() / m_doc->scale / 1440.0;
    const double inchesH = m_doc->pageSize.height() / m_doc->scale / 1440.0;
    const double f = m_zoom / 100.0;
    return QSizeF(inchesW * logicalDpiX() * f, inchesH * logicalDpiY() * f);
}

QSize ReportPageView::sizeHint() const {
    const QSizeF s = pageSizePixels();
    return QSize(qCeil(s.width()) + 2 * kDesk, qCeil(s.height()) + 2 * kDesk);
}

void ReportPageView::paintEvent(QPaintEvent*) {
    if (!m_doc)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ReportPainter::paintPage(painter, *m_doc, m_page, QRectF(QPointF(kDesk, kDesk), pageSizePixels()));
}

} // namespace orv::reports
