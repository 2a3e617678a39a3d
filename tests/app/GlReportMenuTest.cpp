// The general ledger's "Report" button of the main menu opens the one GL
// Reports window, afresh once it was closed.
#include "app/Orvan.h"
#include "gl/frmGL.h"
#include "support/gui/UiTest.h"
#include "ui/WindowRegistry.h"

#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class GlReportMenuTest : public test::UiTest {
protected:
    void TearDown() override { WindowRegistry::shared().discardAll(); }
};

} // namespace

TEST_F(GlReportMenuTest, ReportButtonOpensTheGlReportsWindow) {
    Orvan* menu = WindowRegistry::shared().show<Orvan>();
    QPushButton* report = menu->button(QStringLiteral("cmdGL_Report"));
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(report->isEnabled());
    report->click();
    frmGL* reports = WindowRegistry::shared().find<frmGL>();
    ASSERT_NE(reports, nullptr);
    EXPECT_EQ(reports->windowTitle(), "GL Reports");
    EXPECT_EQ(reports->parentWidget(), nullptr);
    reports->findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QStringLiteral("2011"));

    report->click(); // brought forward with what the clerk typed
    EXPECT_EQ(WindowRegistry::shared().find<frmGL>(), reports);
    EXPECT_EQ(reports->findChild<QLineEdit*>(QStringLiteral("txtYear"))->text(), "2011");
    EXPECT_TRUE(ui.messages().empty());
}
