#include "ReportPaginator.h"

#include "ReportFormat.h"
#include "values/Clock.h"
#include "values/DataError.h"

#include <QLocale>
#include <QtMath>
#include <algorithm>

namespace orv::reports {

namespace {

bool printsText(ReportControl::Kind k) {
    return k == ReportControl::Kind::Label || k == ReportControl::Kind::TextBox ||
           k == ReportControl::Kind::Function;
}

bool isGroupBand(SectionKind k) {
    return k == SectionKind::GroupHeader || k == SectionKind::GroupFooter;
}

// The widest right edge of any control.
int controlExtent(const ReportLayout& layout) {
    int extent = 0;
    for (int k = 0; k < 7; ++k) {
        for (const ReportControl& c : layout.section(SectionKind(k)).controls)
            extent = std::max(extent, c.left + c.width);
    }
    return extent;
}

// Adds values the way the grouping does: money exactly, whole numbers as
// whole numbers, anything with a double as double; blanks are skipped.
class Summer {
public:
    void add(const Variant& v) {
        if (v.isBlank())
            return;
        m_any = true;
        if (v.type() == DataType::Double)
            m_double = true;
        if (v.type() == DataType::Currency)
            m_money = true;
        m_real += v.toDouble();
        if (v.type() == DataType::Currency || v.type() == DataType::Double)
            m_currency += v.toCurrency();
        else
            m_currency += Currency::fromUnits(v.toInt64());
    }
    Variant result() const {
        if (!m_any)
            return Variant::null();
        if (m_double)
            return Variant(m_real);
        if (m_money)
            return Variant(m_currency);
        return Variant(m_currency.raw() / Currency::kScale);
    }

private:
    bool m_any = false;
    bool m_double = false;
    bool m_money = false;
    double m_real = 0;
    Currency m_currency;
};

} // namespace

QPageSize::PageSizeId ReportPaginator::localePaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

int ReportPaginator::lineHeight(double pointSize) {
    return qCeil(pointSize * 20 * 1.2);
}

ReportDocument ReportPaginator::paginate(const ReportLayout& layout, const ShapedRows::Ptr& rows) {
    return paginate(layout, rows, Options{});
}

namespace {
// Ends the work once the page asked for is laid out.
struct PageLaidOut {};
} // namespace

ReportDocument ReportPaginator::paginate(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                                         const Options& options) {
    ReportPaginator p(layout, rows, options);
    try {
        p.run();
    } catch (const PageLaidOut&) {
    }
    return std::move(p.m_doc);
}

ReportDocument ReportPaginator::layOut(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                                       const Options& options) {
    Options counting = options;
    if (!counting.today.isValid())
        counting.today = orv::today(); // every page prints the same date
    counting.keepPage = kNoPage;
    counting.pageMade = {};
    ReportPaginator p(layout, rows, counting);
    p.run();
    ReportDocument doc = std::move(p.m_doc);
    doc.laterPages = p.m_page + 1;
    Options again = counting;
    again.progress = {};
    const auto kept = std::make_shared<const ReportLayout>(layout);
    // The page last laid out, for the repaints of the page on the screen.
    auto last = std::make_shared<std::pair<int, ReportPage>>(-1, ReportPage{});
    doc.layOutPage = [kept, rows, again, last](int page) {
        if (last->first != page) {
            Options one = again;
            one.keepPage = page;
            ReportDocument d = paginate(*kept, rows, one);
            last->first = page;
            last->second = d.pages.empty() ? ReportPage{} : std::move(d.pages.front());
        }
        return last->second;
    };
    doc.layOutEvery = [kept, rows, again](const ReportDocument::PageSink& sink) {
        Options every = again;
        every.keepPage = kAllPages;
        every.pageMade = sink;
        paginate(*kept, rows, every);
    };
    return doc;
}

ReportPaginator::ReportPaginator(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                                 const Options& options)
    : m_layout(layout), m_rows(rows ? rows : std::make_shared<ShapedRows>()), m_options(options) {
    if (!m_options.today.isValid())
        m_options.today = orv::today();
    m_grouped = layout.isGrouped();
    if (m_grouped && m_rows->rowCount() > 0 && !m_rows->hasChildren())
        throw DataError(
            QStringLiteral("The report %1 prints groups, but its rows are not grouped.").arg(layout.name()));
    m_doc.caption = layout.caption();
    m_doc.fontFamily = layout.fontFamily();
    m_fit = std::make_unique<ReportTextFit>(m_doc.fontFamily);
    m_doc.paper = m_options.paper;
    measurePage();
}

// Portrait when the report fits across the portrait paper, landscape when it
// does not; wider than the landscape paper, the page is enlarged (and so
// printed smaller) until it fits.
void ReportPaginator::measurePage() {
    const QSizeF points = QPageSize(m_doc.paper).size(QPageSize::Point);
    const int paperW = qRound(std::min(points.width(), points.height()) * 20);
    const int paperH = qRound(std::max(points.width(), points.height()) * 20);
    const int margin = m_layout.margin();
    int width = m_layout.width() > 0 ? m_layout.width() : paperW - 2 * margin;
    width = std::max(width, controlExtent(m_layout));
    const int needed = width + 2 * margin;
    if (needed <= paperW) {
        m_doc.orientation = QPageLayout::Portrait;
        m_doc.pageSize = QSize(paperW, paperH);
        return;
    }
    m_doc.orientation = QPageLayout::Landscape;
    m_doc.pageSize = QSize(paperH, paperW);
    if (needed > paperH) {
        m_doc.scale = double(needed) / paperH;
        m_doc.pageSize = QSize(needed, qRound(paperW * m_doc.scale));
    }
}

void ReportPaginator::run() {
    const ReportSection& footer = m_layout.section(SectionKind::PageFooter);
    m_bodyBottom = m_doc.pageSize.height() - m_layout.margin() - (footer.present ? footer.height : 0);
    startPage();
    const int count = m_rows->rowCount();
    // Progress counts the details, the bulk of the work.
    int details = count;
    if (m_grouped) {
        details = 0;
        for (int g = 0; g < count; ++g)
            details += m_rows->children(g)->rowCount();
    }
    int done = 0;
    const auto detail = [&](const Context& ctx) {
        if (m_options.progress && !m_options.progress(done, details))
            throw ReportCancelled();
        ++done;
        place(SectionKind::Detail, ctx);
    };
    for (int g = 0; g < count; ++g) {
        if (!m_grouped) {
            detail(Context{g, -1});
            continue;
        }
        place(SectionKind::GroupHeader, Context{g, -1});
        const int lines = m_rows->children(g)->rowCount();
        for (int l = 0; l < lines; ++l)
            detail(Context{g, l});
        place(SectionKind::GroupFooter, Context{g, -1});
    }
    place(SectionKind::ReportFooter, m_last);
    finishPage();
}

void ReportPaginator::startPage() {
    ++m_page;
    m_emit = m_options.keepPage == kAllPages || m_options.keepPage == m_page;
    m_current = ReportPage{};
    m_y = m_layout.margin();
    m_bodyPlaced = false;
    if (m_page == 0 && m_layout.section(SectionKind::ReportHeader).present) {
        emitSection(SectionKind::ReportHeader, m_y, m_last);
        m_y += m_layout.section(SectionKind::ReportHeader).height;
    }
    if (m_layout.section(SectionKind::PageHeader).present) {
        emitSection(SectionKind::PageHeader, m_y, m_last);
        m_y += m_layout.section(SectionKind::PageHeader).height;
    }
}

void ReportPaginator::finishPage() {
    const ReportSection& footer = m_layout.section(SectionKind::PageFooter);
    if (footer.present)
        emitSection(SectionKind::PageFooter, m_bodyBottom, m_last);
    if (!m_emit)
        return;
    if (m_options.pageMade) {
        if (!m_options.pageMade(m_page, m_current))
            throw ReportCancelled();
        m_current = ReportPage{};
        return;
    }
    m_doc.pages.push_back(std::move(m_current));
    if (m_options.keepPage == m_page)
        throw PageLaidOut{};
}

// A section that does not fit below what the page holds goes to the next
// page; one that is taller than a whole page still prints, alone.
void ReportPaginator::place(SectionKind kind, const Context& ctx) {
    const ReportSection& s = m_layout.section(kind);
    if (!s.present)
        return;
    if (m_bodyPlaced && m_y + s.height > m_bodyBottom) {
        finishPage();
        startPage();
    }
    m_last = ctx;
    emitSection(kind, m_y, ctx);
    m_y += s.height;
    m_bodyPlaced = true;
}

void ReportPaginator::emitSection(SectionKind kind, int y, const Context& ctx) {
    if (!m_emit)
        return;
    for (const ReportControl& c : m_layout.section(kind).controls)
        emitControl(c, kind, y, ctx);
}

void ReportPaginator::emitControl(const ReportControl& c, SectionKind kind, int y, const Context& ctx) {
    DisplayItem item;
    item.section = kind;
    item.pointSize = c.fontSize > 0 ? c.fontSize : m_layout.fontSize();
    item.bold = c.bold;
    item.alignment = c.alignment;
    int height = c.height;
    switch (c.kind) {
    case ReportControl::Kind::Line:
        item.kind = DisplayItem::Kind::Line;
        height = 0;
        break;
    case ReportControl::Kind::Shape:
        item.kind = DisplayItem::Kind::Frame;
        break;
    case ReportControl::Kind::Label:
        item.wrap = true;
        item.text = c.caption == QLatin1String("%d") ? ReportFormat::shortDate(m_options.today) : c.caption;
        break;
    case ReportControl::Kind::TextBox:
    case ReportControl::Kind::Function:
        break;
    }
    if (height <= 0 && printsText(c.kind))
        height = lineHeight(item.pointSize);
    item.rect = QRect(m_layout.margin() + c.left, y + c.top, c.width, height);
    // Text that does not fit wraps within what is left of its section.
    const int room = m_layout.section(kind).height - c.top;
    // A label one line high prints on that line, like a text box, instead of
    // wrapping below its box into the next band.
    if (c.kind == ReportControl::Kind::Label && height < 2 * lineHeight(item.pointSize)) {
        item.wrap = false;
        m_fit->fit(item, false, room);
    }
    if (c.kind == ReportControl::Kind::TextBox)
        printValue(item, c, boundValue(c, kind, ctx), room);
    else if (c.kind == ReportControl::Kind::Function)
        printValue(item, c, sumOf(c, kind, ctx), room);
    m_current.items.push_back(std::move(item));
}

// A value prints whole on its one line: money in its layout's picture (or
// "#,##0.00") and right-aligned unless the layout aligns it, a date short
// when its picture does not fit, figures shrunk and other text fitted to the
// room its section leaves, never cut.
void ReportPaginator::printValue(DisplayItem& item, const ReportControl& c, const Variant& value, int room) {
    const bool money = value.type() == DataType::Currency;
    const bool date = value.type() == DataType::Date || ReportFormat::isDatePicture(c.format);
    QString picture = c.format;
    if (money && picture.isEmpty())
        picture = QStringLiteral("#,##0.00");
    if (money && (item.alignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeft)
        item.alignment = (item.alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
    item.text = ReportFormat::format(value, picture);
    if (date && !value.isBlank() && !m_fit->fits(item))
        item.text = ReportFormat::format(value, QStringLiteral("dd/MM/yy"));
    const bool figure = money || date || value.type() == DataType::Integer ||
                        value.type() == DataType::BigInt || value.type() == DataType::SmallInt ||
                        value.type() == DataType::Double;
    m_fit->fit(item, figure, room);
}

// Group bands read the group row; the detail reads the line (or, without
// groups, the row); page and report bands read the row printed last.
Variant ReportPaginator::boundValue(const ReportControl& c, SectionKind kind, const Context& ctx) const {
    if (ctx.group < 0)
        return {};
    DataLevel level = c.level;
    if (level == DataLevel::Auto)
        level =
            (m_grouped && kind == SectionKind::Detail && ctx.line >= 0) ? DataLevel::Line : DataLevel::Group;
    if (level == DataLevel::Line && m_grouped) {
        if (ctx.line < 0)
            return {};
        return m_rows->children(ctx.group)->value(ctx.line, c.dataField);
    }
    return m_rows->value(ctx.group, c.dataField);
}

// A function sums its column over the lines of the group in a group band,
// and otherwise over every row of its level.
Variant ReportPaginator::sumOf(const ReportControl& c, SectionKind kind, const Context& ctx) const {
    Summer sum;
    const bool lines = m_grouped && c.level == DataLevel::Line;
    if (!lines) {
        if (m_rows->rowCount() > 0) {
            const int col = m_rows->requireColumn(c.dataField);
            for (int r = 0; r < m_rows->rowCount(); ++r)
                sum.add(m_rows->value(r, col));
        }
        return sum.result();
    }
    const bool oneGroup = isGroupBand(kind) && ctx.group >= 0;
    for (int g = oneGroup ? ctx.group : 0; g < (oneGroup ? ctx.group + 1 : m_rows->rowCount()); ++g) {
        const ShapedRows& child = *m_rows->children(g);
        if (child.rowCount() == 0)
            continue;
        const int col = child.requireColumn(c.dataField);
        for (int r = 0; r < child.rowCount(); ++r)
            sum.add(child.value(r, col));
    }
    return sum.result();
}

} // namespace orv::reports
