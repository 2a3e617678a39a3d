#pragma once

#include "ReportLayout.h"

#include <QPageLayout>
#include <QPageSize>
#include <QRect>
#include <QSize>
#include <QString>
#include <exception>
#include <functional>
#include <vector>

namespace orv::reports {

// Thrown out of long work the clerk cancelled; it is no failure to report.
struct ReportCancelled : std::exception {
    const char* what() const noexcept override { return "cancelled"; }
};

// One thing printed on a page, positioned in twips from the page's top-left
// corner. Text boxes print one line cut at their edges; labels wrap.
struct DisplayItem {
    enum class Kind { Text, Line, Frame };

    Kind kind = Kind::Text;
    SectionKind section = SectionKind::Detail;
    QRect rect; // a line has height 0
    QString text;
    double pointSize = 8.25;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wrap = false;       // labels, and text fitted to its box on several lines
    bool breakWords = false; // a wrapped line may break within a word
};

struct ReportPage {
    std::vector<DisplayItem> items;
};

// A laid-out report: its pages, ready to paint on the screen, a printer or a
// PDF. Pages are measured in logical twips: the paper's size, enlarged
// uniformly when the report is wider than the landscape paper, so that it
// prints scaled down instead of clipped. A report of any length is kept as
// the means to lay out its pages when they are wanted (layOutPage,
// layOutEvery; pages stays empty), so that its memory does not grow with its
// pages.
struct ReportDocument {
    QString caption;
    QString fontFamily = QStringLiteral("Arial");
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSize pageSize;     // logical twips
    double scale = 1.0; // logical twips per twip of paper
    std::vector<ReportPage> pages;
    int laterPages = 0; // the page count of a report laid out when wanted
    std::function<ReportPage(int page)> layOutPage;
    // Hands every page in order to the sink and drops it; false from the
    // sink stops with ReportCancelled.
    using PageSink = std::function<bool(int page, const ReportPage&)>;
    std::function<void(const PageSink&)> layOutEvery;

    int pageCount() const { return layOutPage ? laterPages : int(pages.size()); }

    QPageLayout pageLayout() const {
        return QPageLayout(QPageSize(paper), orientation, QMarginsF(0, 0, 0, 0));
    }
};

} // namespace orv::reports
