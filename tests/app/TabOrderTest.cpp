// Tab walks each set-up window's boxes down each column in turn, not across
// the columns, and then its buttons.
#include "app/Orvan.h"
#include "ar/frmARSetup.h"
#include "cash/frmCashSetup.h"
#include "gl/frmCOASetup.h"
#include "gl/frmGLEntry.h"
#include "purchases/frmAPSetup.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"
#include "vat/frmVATSetup.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

using namespace orv;

namespace {

class TabOrderTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    // The names of the controls Tab reaches from the first one, n presses.
    template <class W> QStringList walk(const char* first, int presses) {
        W* window = WindowRegistry::shared().show<W>();
        QApplication::setActiveWindow(window);
        auto* start = window->template findChild<QWidget*>(QString::fromLatin1(first));
        start->setFocus(Qt::TabFocusReason);
        QStringList names;
        for (int i = 0; i < presses; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
                focus = focus->parentWidget(); // a list's own text box
            names << (focus ? focus->objectName() : QStringLiteral("(none)"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return names;
    }
    RecordingUiServices ui;
};

TEST_F(TabOrderTest, SupplierWindowReadsColumnByColumnThenTheButtons) {
    EXPECT_EQ(walk<frmAPSetup>("cboCompany", 7),
              (QStringList{"cboCompany", "txtAddress", "txtCountry", "txtCity", "cboUnrealisedGain",
                           "cboUnrealisedLoss", "cboForex"}));
    const QStringList all = walk<frmAPSetup>("txtVAT_Reg", 6);
    EXPECT_EQ(all.mid(1, 3), (QStringList{"cmdSend", "cmdClear", "cmdUpdate"}));
}

TEST_F(TabOrderTest, CustomerWindowGoesFromTheNameDownItsColumnNotAcross) {
    const QStringList names = walk<frmARSetup>("cboCompany", 5);
    EXPECT_EQ(names, (QStringList{"cboCompany", "txtAddress", "txtCountry", "txtCity", "cboUnrealisedGain"}));
}

TEST_F(TabOrderTest, BankAndChartWindowsReadTopDown) {
    EXPECT_EQ(walk<frmCashSetup>("cboCompany", 5),
              (QStringList{"cboCompany", "txtBank_Add_VC", "txtBank_Contact_VC", "cboCOA", "cmdSend"}));
    const QStringList chart = walk<frmCOASetup>("cboCompany", 3);
    EXPECT_EQ(chart.first(), QStringLiteral("cboCompany"));
    EXPECT_FALSE(chart.at(1).startsWith(QStringLiteral("cmd"))) << chart.join(' ').toStdString();
}

TEST_F(TabOrderTest, VatWindowReadsItsTwoColumnsOneAfterTheOtherThenTheButtons) {
    EXPECT_EQ(walk<frmVATSetup>("cboCompany", 8),
              (QStringList{"cboCompany", "txtAddress", "txtCity", "txtCreditTerm", "txtCreditLimit", "cboCOA",
                           "cmdSend", "cmdClear"}));
}

TEST_F(TabOrderTest, TabLeavesThePickGridInsteadOfWalkingItsCells) {
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    const QStringList names = walk<frmGLEntry>("hfgProducts", 2);
    EXPECT_EQ(names.first(), QStringLiteral("hfgProducts"));
    EXPECT_NE(names.at(1), QStringLiteral("hfgProducts"));
}

} // namespace
