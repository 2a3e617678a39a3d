#include "ReportPreview.h"

#include "ReportPageView.h"
#include "ReportPainter.h"
#include "uicore/OnClick.h"
#include "uicore/UiServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <exception>
#include <map>

namespace orv::reports {

namespace {

const int kZooms[] = {50, 75, 100, 125, 150, 200};

std::map<QString, QPointer<ReportPreview>>& registry() {
    static std::map<QString, QPointer<ReportPreview>> r;
    return r;
}

QPushButton* navButton(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ReportPreview* ReportPreview::present(const QString& layoutName, ReportDocument doc,
                                      const QRect& geometryTwips) {
    ReportPreview* preview = find(layoutName);
    if (!preview) {
        preview = new ReportPreview(layoutName);
        registry()[layoutName] = preview;
        static bool cleanupWired = false;
        if (!cleanupWired && qApp) {
            cleanupWired = true;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { ReportPreview::destroyAll(); });
        }
        if (!geometryTwips.isEmpty()) {
            const double px = preview->logicalDpiX() / 1440.0;
            const double py = preview->logicalDpiY() / 1440.0;
            preview->setGeometry(qRound(geometryTwips.x() * px), qRound(geometryTwips.y() * py),
                                 qRound(geometryTwips.width() * px), qRound(geometryTwips.height() * py));
        } else {
            preview->resize(900, 700);
        }
    }
    preview->setDocument(std::move(doc));
    preview->show();
    preview->raise();
    preview->activateWindow();
    return preview;
}

ReportPreview* ReportPreview::find(const QString& layoutName) {
    auto it = registry().find(layoutName);
    return it == registry().end() ? nullptr : it->second.data();
}

void ReportPreview::destroyAll() {
    auto all = std::move(registry());
    registry().clear();
    for (auto& [name, preview] : all)
        delete preview.data();
}

ReportPreview::ReportPreview(const QString& layoutName)
    : QWidget(nullptr, Qt::Window), m_layoutName(layoutName), m_doc(std::make_shared<ReportDocument>()) {
    setObjectName(layoutName);
    buildControls();
}

void ReportPreview::buildControls() {
    m_first = navButton(QStringLiteral("cmdFirstPage"), QStringLiteral("|<"), this);
    m_previous = navButton(QStringLiteral("cmdPreviousPage"), QStringLiteral("<"), this);
    m_next = navButton(QStringLiteral("cmdNextPage"), QStringLiteral(">"), this);
    m_last = navButton(QStringLiteral("cmdLastPage"), QStringLiteral(">|"), this);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cboZoom"));
    for (int z : kZooms)
        m_zoom->addItem(QStringLiteral("%1%").arg(z), z);
    m_zoom->setCurrentIndex(2);
    auto* print = navButton(QStringLiteral("cmdPrint"), QStringLiteral("Print..."), this);
    auto* pdf = navButton(QStringLiteral("cmdExportPdf"), QStringLiteral("Export PDF..."), this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));

    auto* bar = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_first, m_previous, m_pageLabel, m_next, m_last, m_zoom})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(m_status);
    bar->addWidget(print);
    bar->addWidget(pdf);

    m_view = new ReportPageView;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrPage"));
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addWidget(m_scroll, 1);

    onClick(m_first, [this] { showPage(0); });
    onClick(m_previous, [this] { showPage(currentPage() - 1); });
    onClick(m_next, [this] { showPage(currentPage() + 1); });
    onClick(m_last, [this] { showPage(pageCount() - 1); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_view->setZoom(m_zoom->itemData(i).toInt()); });
    // The page keys turn pages wherever the focus is in the preview.
    const std::pair<QKeySequence, QPushButton*> keys[] = {{QKeySequence(Qt::Key_PageUp), m_previous},
                                                          {QKeySequence(Qt::Key_PageDown), m_next},
                                                          {QKeySequence(Qt::CTRL | Qt::Key_Home), m_first},
                                                          {QKeySequence(Qt::CTRL | Qt::Key_End), m_last}};
    for (const auto& [key, button] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
    onClick(print, [this] { printReport(); });
    onClick(pdf, [this] { exportPdf(); });
}

void ReportPreview::setDocument(ReportDocument doc) {
    setWindowTitle(doc.caption);
    m_doc = std::make_shared<const ReportDocument>(std::move(doc));
    m_view->setDocument(m_doc);
    refreshControls();
}

int ReportPreview::currentPage() const {
    return m_view->page();
}

void ReportPreview::showPage(int page) {
    m_view->setPage(std::clamp(page, 0, std::max(0, pageCount() - 1)));
    m_scroll->ensureVisible(0, 0);
    refreshControls();
}

void ReportPreview::setZoom(int percent) {
    const int i = m_zoom->findData(percent);
    if (i >= 0)
        m_zoom->setCurrentIndex(i);
    else
        m_view->setZoom(percent);
}

int ReportPreview::zoom() const {
    return m_view->zoom();
}

void ReportPreview::refreshControls() {
    const int page = currentPage();
    m_pageLabel->setText(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount()));
    m_first->setEnabled(page > 0);
    m_previous->setEnabled(page > 0);
    m_next->setEnabled(page + 1 < pageCount());
    m_last->setEnabled(page + 1 < pageCount());
}

void ReportPreview::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_doc->pageLayout());
    if (!UiServices::current().askPrinter(this, printer))
        return;
    m_status->clear();
    try {
        const auto progress =
            UiServices::current().beginProgress(this, QStringLiteral("Printing..."), pageCount());
        ReportPainter::print(*m_doc, printer, [&](int done) { return progress->advance(done); });
    } catch (const ReportCancelled&) {
    } catch (const std::exception& e) {
        UiServices::current().reportError(e);
    }
}

void ReportPreview::exportPdf() {
    QString path =
        UiServices::current().askSaveFileName(this, QStringLiteral("Export to PDF"), m_doc->caption + ".pdf");
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    m_status->clear();
    try {
        {
            const auto progress =
                UiServices::current().beginProgress(this, QStringLiteral("Exporting to PDF..."), pageCount());
            ReportPainter::exportPdf(*m_doc, path, [&](int done) { return progress->advance(done); });
        }
        m_status->setText(QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(path)));
    } catch (const ReportCancelled&) {
    } catch (const std::exception& e) {
        UiServices::current().reportError(e);
    }
}

} // namespace orv::reports
