#include "ReportTestSupport.h"

#include "reports/ReportLauncher.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"
#include "reports/ShapeGrouper.h"
#include "reports/ShapeParser.h"
#include "support/gui/RecordingUiServices.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::reports;

namespace {

// What a poppler tool prints; empty when it fails.
QString poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

ReportDocument sampleDocument(int rows) {
    ReportPaginator::Options o;
    o.paper = QPageSize::A4;
    const auto grouped = ShapeGrouper::group(ShapeParser::parse(test::sampleListingShape()),
                                             ShapedRows::fromRecordset(test::ledgerRows(rows, 1000)));
    return ReportPaginator::paginate(test::sampleListing(), grouped, o);
}

class PdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureApplication();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { ReportPreview::destroyAll(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    RecordingUiServices ui;
};

} // namespace

TEST_F(PdfTest, ExportedReportHasSelectableTitleAndAmounts) {
    const QString file = path("listing.pdf");
    ReportPainter::exportPdf(sampleDocument(100), file);
    const QString text = poppler("pdftotext", {"-layout", file, "-"});
    EXPECT_TRUE(text.contains("SAMPLE LISTING"));
    EXPECT_EQ(text.count("SAMPLE LISTING"), 3); // on every page
    EXPECT_TRUE(text.contains("1,234.56"));
    EXPECT_TRUE(text.contains("(2,000.00)"));
    EXPECT_TRUE(text.contains("Entry 99"));
    const QString info = poppler("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\b"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Sample Listing"))) << info.toStdString();
    EXPECT_TRUE(info.contains("595.276 x 841.89 pts (A4)") || info.contains("595 x 842 pts (A4)"))
        << info.toStdString();
}

TEST_F(PdfTest, WideReportPrintsLandscape) {
    ReportLayout wide("rptWide", "Wide");
    wide.setWidth(13485);
    wide.section(SectionKind::ReportHeader, 630)
        .add(ReportControl::label("PERIODIC PROFIT", 4032, 0, 4905).boldSize(11.25));
    wide.section(SectionKind::ReportFooter, 390).add(ReportControl::label("YEAR TO DATE", 12384, 0, 1005));
    ReportPaginator::Options o;
    o.paper = QPageSize::A4;
    const QString file = path("wide.pdf");
    ReportPainter::exportPdf(ReportPaginator::paginate(wide, std::make_shared<ShapedRows>(), o), file);
    const QString info = poppler("pdfinfo", {file});
    EXPECT_TRUE(info.contains("841.89 x 595.276 pts (A4)") || info.contains("842 x 595 pts (A4)"))
        << info.toStdString();
    const QString text = poppler("pdftotext", {file, "-"});
    EXPECT_TRUE(text.contains("YEAR TO")); // the rightmost label is on the paper
}

TEST_F(PdfTest, PreviewExportsAndPrintsThroughTheServices) {
    ReportPreview* preview = ReportPreview::present("rptSample", sampleDocument(10));
    QString suggested;
    ui.onSaveFile([&](const QString&, const QString& s) {
        suggested = s;
        return path("exported"); // the extension is added
    });
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdExportPdf"), Qt::LeftButton);
    EXPECT_EQ(suggested, "Sample Listing.pdf");
    EXPECT_TRUE(poppler("pdftotext", {path("exported.pdf"), "-"}).contains("SAMPLE LISTING"));

    ui.onPrinter([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        return true;
    });
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
    EXPECT_TRUE(poppler("pdftotext", {path("printed.pdf"), "-"}).contains("1,234.56"));

    // A file that cannot be written is a message, not a crash.
    ui.onSaveFile([&](const QString&, const QString&) { return path("no such folder/x.pdf"); });
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdExportPdf"), Qt::LeftButton);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.lastText().contains("could not be written"));
}

TEST_F(PdfTest, PageKeysTurnThePreviewsPages) {
    ReportPreview* preview = ReportPreview::present("rptSample", sampleDocument(200));
    ASSERT_GT(preview->pageCount(), 2);
    QApplication::setActiveWindow(preview);
    QWidget* inside = preview->findChild<QWidget*>("scrPage");
    inside->setFocus();
    QTest::keyClick(inside, Qt::Key_PageDown);
    EXPECT_EQ(preview->currentPage(), 1);
    QTest::keyClick(inside, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(preview->currentPage(), preview->pageCount() - 1);
    QTest::keyClick(inside, Qt::Key_PageUp);
    EXPECT_EQ(preview->currentPage(), preview->pageCount() - 2);
    QTest::keyClick(inside, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(preview->currentPage(), 0);
}

namespace {

// The long work the recorder followed last.
const RecordingUiServices::FollowedWork& lastWork(const RecordingUiServices& ui) {
    static const RecordingUiServices::FollowedWork none;
    return ui.followedWork().empty() ? none : ui.followedWork().back();
}

} // namespace

TEST_F(PdfTest, ExportFollowsItsPagesAndSaysWhereTheFileWasSaved) {
    ReportPreview* preview = ReportPreview::present("rptSample", sampleDocument(200));
    ui.onSaveFile([&](const QString&, const QString&) { return path("long.pdf"); });
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdExportPdf"), Qt::LeftButton);
    EXPECT_EQ(lastWork(ui).total, preview->pageCount());
    ASSERT_FALSE(lastWork(ui).steps.empty());
    EXPECT_EQ(lastWork(ui).steps.front(), 0);
    EXPECT_EQ(lastWork(ui).steps.back(), preview->pageCount()) << "the dialog reaches its end";
    EXPECT_EQ(preview->findChild<QLabel*>("lblStatus")->text(),
              QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(path("long.pdf"))));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"long.pdf"})
        << "nothing else left beside it";
}

TEST_F(PdfTest, ACancelledOrFailedExportLeavesNoPartOfAFile) {
    ReportPreview* preview = ReportPreview::present("rptSample", sampleDocument(200));
    ASSERT_GT(preview->pageCount(), 3);
    QLabel* status = preview->findChild<QLabel*>("lblStatus");
    ui.cancelProgressAt(2);
    QString target = path("new.pdf");
    ui.onSaveFile([&](const QString&, const QString&) { return target; });
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdExportPdf"), Qt::LeftButton);
    EXPECT_EQ(lastWork(ui).steps.back(), 2) << "the export stops at the Cancel";
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(ui.messages().empty()) << "a cancel is no failure";
    EXPECT_TRUE(status->text().isEmpty());

    // A file already there stays as it was.
    target = path("old.pdf");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the earlier export");
    }
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdExportPdf"), Qt::LeftButton);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the earlier export"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.pdf"});

    // Run to its end, the export replaces it.
    ui.cancelProgressAt(-1);
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdExportPdf"), Qt::LeftButton);
    EXPECT_TRUE(poppler("pdftotext", {target, "-"}).contains("SAMPLE LISTING"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.pdf"});

    // A print cancelled on the way is aborted quietly.
    ui.onPrinter([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        return true;
    });
    ui.cancelProgressAt(1);
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
    EXPECT_EQ(lastWork(ui).steps, (std::vector<int>{0, 1}));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PdfTest, LayingOutALongReportCanBeCancelledBeforeThePreviewOpens) {
    const auto rows = ShapeGrouper::group(ShapeParser::parse(test::sampleListingShape()),
                                          ShapedRows::fromRecordset(test::ledgerRows(300, 1000)));
    ui.cancelProgressAt(10);
    const ReportLayout layout = test::sampleListing();
    EXPECT_FALSE(ReportLauncher::showReport(layout, rows));
    EXPECT_EQ(lastWork(ui).total, 300) << "every line of every group";
    EXPECT_EQ(lastWork(ui).steps.back(), 10);
    EXPECT_EQ(ReportPreview::find(layout.name()), nullptr);
    EXPECT_TRUE(ui.messages().empty());

    ui.cancelProgressAt(-1);
    EXPECT_TRUE(ReportLauncher::showReport(layout, rows));
    EXPECT_EQ(lastWork(ui).steps.size(), 300u);
    ASSERT_NE(ReportPreview::find(layout.name()), nullptr);
}
