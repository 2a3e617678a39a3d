#pragma once

#include "ReportDocument.h"
#include "ReportLayout.h"
#include "ReportTextFit.h"
#include "ShapedRows.h"

#include <QDate>
#include <QPageSize>
#include <functional>
#include <memory>

namespace orv::reports {

// Turns a layout and its rows into pages of positioned items. The report
// header prints once at the start, then the page header at the top and the
// page footer at the bottom of every page; per group row the group header,
// a detail per child row and the group footer (a layout without groups
// prints a detail per row); the report footer once at the end. A section
// that does not fit in what is left of a page starts the next page.
class ReportPaginator {
public:
    struct Options {
        QDate today; // "%d"; invalid: the current date
        QPageSize::PageSizeId paper = localePaper();
        // Told before each detail how many of all details are laid out;
        // false stops the work with ReportCancelled.
        std::function<bool(int rowsDone, int rowCount)> progress;
        // The one page to lay out (numbered from 0; the work ends with it),
        // kNoPage to count the pages only, kAllPages to keep them all.
        int keepPage = kAllPages;
        // Given each page as it is finished instead of keeping it (false
        // stops the work with ReportCancelled).
        ReportDocument::PageSink pageMade;
    };
    static constexpr int kAllPages = -1;
    static constexpr int kNoPage = -2;

    static ReportDocument paginate(const ReportLayout& layout, const ShapedRows::Ptr& rows);
    static ReportDocument paginate(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                                   const Options& options);
    // The report counted into pages (told to options.progress) and kept as
    // the means to lay out any page again, one at a time: the preview holds
    // the page it shows, a printer or PDF file takes each as it is made.
    static ReportDocument layOut(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                                 const Options& options);

    // Letter where the system measures in inches, A4 elsewhere.
    static QPageSize::PageSizeId localePaper();
    // The height of one line of text in a font of this size, in twips.
    static int lineHeight(double pointSize);

private:
    struct Context {
        int group = -1; // row of the data member
        int line = -1;  // child row of that group (grouped layouts)
    };

    ReportPaginator(const ReportLayout& layout, const ShapedRows::Ptr& rows, const Options& options);
    void measurePage();
    void run();
    void startPage();
    void finishPage();
    void place(SectionKind kind, const Context& ctx);
    void emitSection(SectionKind kind, int y, const Context& ctx);
    void emitControl(const ReportControl& c, SectionKind kind, int y, const Context& ctx);
    Variant boundValue(const ReportControl& c, SectionKind kind, const Context& ctx) const;
    Variant sumOf(const ReportControl& c, SectionKind kind, const Context& ctx) const;
    void printValue(DisplayItem& item, const ReportControl& c, const Variant& value, int room);

    const ReportLayout& m_layout;
    ShapedRows::Ptr m_rows;
    Options m_options;
    ReportDocument m_doc;
    std::unique_ptr<ReportTextFit> m_fit;
    bool m_grouped = false;
    int m_y = 0;
    int m_page = -1;      // the page being laid out
    bool m_emit = true;   // its items are made (not only counted)
    ReportPage m_current; // its items
    int m_bodyBottom = 0;
    bool m_bodyPlaced = false;
    Context m_last;
};

} // namespace orv::reports
