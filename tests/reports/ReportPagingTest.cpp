#include "ReportTestSupport.h"

#include "reports/ReportFormat.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPainter.h"
#include "reports/ReportTextFit.h"
#include "reports/ShapeGrouper.h"
#include "reports/ShapeParser.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::reports;

namespace {

ShapedRows::Ptr listingRows(int count, int perAccount) {
    return ShapeGrouper::group(ShapeParser::parse(test::sampleListingShape()),
                               ShapedRows::fromRecordset(test::ledgerRows(count, perAccount)));
}

ReportPaginator::Options a4(QDate today = QDate(2011, 2, 3)) {
    ReportPaginator::Options o;
    o.paper = QPageSize::A4;
    o.today = today;
    return o;
}

std::vector<const DisplayItem*> itemsOf(const ReportPage& page, SectionKind section,
                                        const QString& text = {}) {
    std::vector<const DisplayItem*> out;
    for (const DisplayItem& item : page.items) {
        if (item.section == section && (text.isEmpty() || item.text == text))
            out.push_back(&item);
    }
    return out;
}

// Dark pixels in a rectangle of the image.
int inkIn(const QImage& image, const QRect& area) {
    int ink = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    }
    return ink;
}

} // namespace

TEST(ReportPaging, DetailOverThreePagesRepeatsPageHeadersAndEndsWithOneGroupFooter) {
    const ReportLayout layout = test::sampleListing();
    const ReportDocument doc = ReportPaginator::paginate(layout, listingRows(100, 1000), a4());
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(doc.orientation, QPageLayout::Portrait);
    const int bodyBottom = doc.pageSize.height() - 1440 - 210;

    int line = 0;
    for (size_t p = 0; p < doc.pages.size(); ++p) {
        const ReportPage& page = doc.pages[p];
        const auto titles = itemsOf(page, SectionKind::PageHeader, "SAMPLE LISTING");
        ASSERT_EQ(titles.size(), 1u) << "page " << p + 1;
        EXPECT_EQ(itemsOf(page, SectionKind::GroupHeader, "Account Code :").size(), p == 0 ? 1u : 0u);
        EXPECT_EQ(itemsOf(page, SectionKind::GroupFooter, "Balance :").size(), p == 2 ? 1u : 0u);
        int lastDetailTop = 0;
        for (const DisplayItem& item : page.items) {
            if (item.section == SectionKind::Detail && item.text.startsWith("Entry ")) {
                EXPECT_EQ(item.text, QStringLiteral("Entry %1").arg(line++)); // every line once, in order
                EXPECT_GT(item.rect.top(), titles.front()->rect.top());
                EXPECT_LE(item.rect.top() + 345, bodyBottom + 1);
                lastDetailTop = item.rect.top();
            }
        }
        if (p == 2) {
            const auto footer = itemsOf(page, SectionKind::GroupFooter, "Balance :");
            EXPECT_GT(footer.front()->rect.top(), lastDetailTop);
        }
    }
    EXPECT_EQ(line, 100);

    // The group footer prints the exact sums, formatted.
    Currency dr;
    for (int i = 0; i < 100; ++i)
        dr += Currency::fromRaw(12345600 + i * 100);
    const auto sums =
        itemsOf(doc.pages[2], SectionKind::GroupFooter, ReportFormat::format(Variant(dr), kMoneyFormat));
    EXPECT_EQ(sums.size(), 1u);
    EXPECT_EQ(itemsOf(doc.pages[2], SectionKind::GroupFooter, "(68,000.00)").size(),
              1u); // 34 credits of 2,000.00
    // Today's date closes the report, once, in the short date form.
    const auto today = itemsOf(doc.pages[2], SectionKind::ReportFooter);
    ASSERT_EQ(today.size(), 1u);
    EXPECT_EQ(today.front()->text, ReportFormat::shortDate(QDate(2011, 2, 3)));
}

TEST(ReportPaging, EachGroupPrintsHeaderLinesAndFooter) {
    const ReportDocument doc = ReportPaginator::paginate(test::sampleListing(), listingRows(9, 3), a4());
    ASSERT_EQ(doc.pages.size(), 1u);
    QStringList order;
    for (const DisplayItem& item : doc.pages[0].items) {
        if (item.text == "Account Code :" || item.text == "Balance :" || item.text.startsWith("Entry "))
            order << item.text.left(7);
    }
    const QStringList group{"Account", "Entry 0", "Entry 1", "Entry 2", "Balance"};
    EXPECT_EQ(order.mid(0, 5), group);
    EXPECT_EQ(order.size(), 15);
    EXPECT_EQ(order.last(), "Balance");
}

TEST(ReportPaging, KeylessGroupWithoutRowsPrintsItsHeaderAndFooterOnce) {
    const QString tb =
        " SHAPE {{? = CALL dbo.select_chart_of_acct( ?) }}  AS cmGL COMPUTE SUM(cmGL.'Period Dr') "
        "AS SumDr, SUM(cmGL.'Period Cr') AS SumCr, cmGL ";
    const auto rows =
        ShapeGrouper::group(ShapeParser::parse(tb), ShapedRows::fromRecordset(test::ledgerRows(0, 1)));
    ReportLayout layout = test::sampleListing();
    layout.section(SectionKind::GroupHeader).controls.pop_back(); // no GL_ID without keys
    const ReportDocument doc = ReportPaginator::paginate(layout, rows, a4());
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(itemsOf(doc.pages[0], SectionKind::GroupHeader, "Account Code :").size(), 1u);
    EXPECT_EQ(itemsOf(doc.pages[0], SectionKind::GroupFooter, "Balance :").size(), 1u);
    EXPECT_TRUE(itemsOf(doc.pages[0], SectionKind::Detail).empty());
}

TEST(ReportPaging, WideReportTurnsToLandscapeAndShrinksRatherThanClip) {
    ReportLayout wide("rptWide", "Wide");
    wide.setWidth(13485);
    wide.section(SectionKind::Detail, 255).add(ReportControl::label("YTD", 12528, 0, 855));
    const auto none = std::make_shared<ShapedRows>();

    ReportPaginator::Options o = a4();
    ReportDocument doc = ReportPaginator::paginate(wide, none, o);
    EXPECT_EQ(doc.orientation, QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(doc.scale, 1.0);
    EXPECT_GT(doc.pageSize.width(), doc.pageSize.height());

    o.paper = QPageSize::Letter; // 11 inches across: too narrow for 13485 twips and two margins
    doc = ReportPaginator::paginate(wide, none, o);
    EXPECT_EQ(doc.orientation, QPageLayout::Landscape);
    EXPECT_EQ(doc.pageSize.width(), 13485 + 2 * 1440);
    EXPECT_NEAR(double(doc.pageSize.width()) / doc.pageSize.height(), 11.0 / 8.5, 0.001);
    EXPECT_GT(doc.scale, 1.0);

    // A control past the given width widens the page too.
    ReportLayout narrow("rptNarrow", "Narrow");
    narrow.setWidth(6000);
    narrow.section(SectionKind::ReportHeader, 300).add(ReportControl::label("far", 9000, 0, 1000));
    EXPECT_EQ(ReportPaginator::paginate(narrow, none, a4()).orientation, QPageLayout::Landscape);
}

TEST(ReportPaging, TextBoxStaysWithinItsEdgeAndLabelWrapsWithinIt) {
    test::ensureApplication();
    ReportLayout layout("rptCut", "Cut");
    layout.section(SectionKind::ReportHeader, 1200)
        .add(ReportControl::label("WIDE WORDS WRAP HERE", 0, 400, 1500).withHeight(700));
    layout.section(SectionKind::Detail, 300).add(ReportControl::textBox("Descrip_VC", 0, 0, 720));
    const auto rows =
        std::make_shared<ShapedRows>(std::vector<FieldInfo>{{"Descrip_VC", DataType::Text, 0}},
                                     std::vector<std::vector<Variant>>{{Variant("WWWWWWWWWWWWWWWWWWWWW")}});
    const ReportDocument doc = ReportPaginator::paginate(layout, rows, a4());

    QImage image(doc.pageSize / 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportPainter::paintPage(painter, doc, 0, QRectF(image.rect()));
    painter.end();

    // Pixels are tenths of the items' twips.
    const QRect box = itemsOf(doc.pages[0], SectionKind::Detail).front()->rect;
    const QRect label = itemsOf(doc.pages[0], SectionKind::ReportHeader).front()->rect;
    const auto px = [](int twips) { return twips / 10; };
    EXPECT_GT(inkIn(image, QRect(px(box.left()), px(box.top()), px(box.width()), 20)), 0);
    EXPECT_EQ(inkIn(image, QRect(px(box.right()) + 2, px(box.top()) - 2, 300, 30)), 0)
        << "text ran past its box";
    // The label's words go on two lines within its 1500 twips; nothing crosses its edge.
    EXPECT_GT(inkIn(image, QRect(px(label.left()), px(label.top()), 150, 20)), 0);
    EXPECT_GT(inkIn(image, QRect(px(label.left()), px(label.top()) + 22, 150, 20)), 0);
    EXPECT_EQ(inkIn(image, QRect(px(label.right()) + 2, px(label.top()), 300, 70)), 0);
}

// A name too long for its box prints whole, wrapped within its section, and
// captions side by side, each as wide as its text, keep a gap between them.
TEST(ReportPaging, TextTooLongForItsBoxWrapsWholeAndCaptionsSideBySideKeepAGap) {
    test::ensureApplication();
    ReportTextFit measure(ReportDocument().fontFamily);
    const int caption = qCeil(measure.advance(8.25, false, QStringLiteral("Period 01")));
    ReportLayout layout("rptFit", "Fit");
    layout.section(SectionKind::PageHeader, 300)
        .add(ReportControl::label("Period 01", 0, 0, caption))
        .add(ReportControl::label("Period 02", caption, 0, caption));
    layout.section(SectionKind::Detail, 600).add(ReportControl::textBox("GL_Name_VC", 0, 0, 900));
    const QString name = QStringLiteral("Received Nuts And Bolts Not Billed");
    const auto rows = std::make_shared<ShapedRows>(std::vector<FieldInfo>{{"GL_Name_VC", DataType::Text, 0}},
                                                   std::vector<std::vector<Variant>>{{Variant(name)}});
    const ReportDocument doc = ReportPaginator::paginate(layout, rows, a4());

    const DisplayItem& detail = *itemsOf(doc.pages[0], SectionKind::Detail).front();
    EXPECT_EQ(detail.text, name) << "never cut";
    EXPECT_TRUE(detail.wrap);
    EXPECT_LE(detail.rect.height(), 600) << "within its section";
    const auto captions = itemsOf(doc.pages[0], SectionKind::PageHeader);
    ASSERT_EQ(captions.size(), 2u);
    const DisplayItem& first = *captions[0];
    EXPECT_LE(first.rect.left() + measure.advance(first.pointSize, first.bold, first.text) + 20,
              captions[1]->rect.left())
        << "the first caption ends a point before the second begins";
}

// A report laid out as its pages are wanted (the preview, a printer, a PDF
// file) prints the very pages it would print laid out at once: each page
// asked for alone, and every page in order as it is made.
TEST(ReportPaging, PagesLaidOutWhenWantedAreThePagesLaidOutAtOnce) {
    const ReportLayout layout = test::sampleListing();
    const ShapedRows::Ptr rows = listingRows(250, 60);
    const ReportDocument whole = ReportPaginator::paginate(layout, rows, a4());
    const ReportDocument later = ReportPaginator::layOut(layout, rows, a4());
    ASSERT_GT(whole.pages.size(), 3u);
    ASSERT_EQ(later.pageCount(), int(whole.pages.size()));
    EXPECT_TRUE(later.pages.empty()) << "the pages were kept";
    const auto same = [](const ReportPage& a, const ReportPage& b) {
        if (a.items.size() != b.items.size())
            return false;
        for (size_t i = 0; i < a.items.size(); ++i)
            if (a.items[i].text != b.items[i].text || a.items[i].rect != b.items[i].rect ||
                a.items[i].section != b.items[i].section)
                return false;
        return true;
    };
    for (int p : {2, 0, later.pageCount() - 1, 2})
        EXPECT_TRUE(same(later.layOutPage(p), whole.pages[size_t(p)])) << "page " << p;
    int made = 0;
    later.layOutEvery([&](int p, const ReportPage& page) {
        EXPECT_EQ(p, made);
        EXPECT_TRUE(same(page, whole.pages[size_t(p)])) << "page " << p;
        ++made;
        return true;
    });
    EXPECT_EQ(made, later.pageCount());
}
