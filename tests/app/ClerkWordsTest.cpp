// Whatever the clerk types wrong into a box or a line cell, the message names
// the box, or the line and column, by its caption and says what to type: no
// field name, type name or range of the books reaches the clerk.
#include "ar/frmARSetup.h"
#include "cash/frmCashSetup.h"
#include "gl/frmCOASetup.h"
#include "gl/frmGL.h"
#include "gl/frmGLEntry.h"
#include "inventory/frmIVSetup.h"
#include "inventory/frmStkAdj.h"
#include "inventory/frmStockReport.h"
#include "purchases/frmAPSetup.h"
#include "purchases/frmGRN.h"
#include "purchases/frmPurInv.h"
#include "sales/frmDO_Entry.h"
#include "sales/frmSale_Entry.h"
#include "support/SalesBook.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/SetupSection.h"
#include "ui/WindowRegistry.h"
#include "uicore/Controls.h"
#include "vat/frmVATSetup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace orv;

namespace {

class ClerkWordsTest : public test::SalesBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        SalesBook::TearDown();
    }
    // What no number box or cell can take, and what no text box or cell can.
    static QStringList badNumbers() { return {"abc", "1e3", "12,34", "0.123456", "99999999999999999999999"}; }
    static QStringList badTexts() { return {QStringLiteral("a\x01b"), QString(400, QLatin1Char('W'))}; }

    // Every message so far is in the clerk's words, starting as given.
    void expectClerkWords(const QString& where, const QString& start = {}) {
        static const QRegularExpression programmer(
            QStringLiteral(R"(\b(integer|currency|double|Field|null)\b|2147483647|32767|\w+_\w+)"),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString& text : ui.texts()) {
            EXPECT_FALSE(programmer.match(text).hasMatch())
                << where.toStdString() << ": " << text.toStdString();
            EXPECT_TRUE(text.startsWith(start)) << where.toStdString() << ": " << text.toStdString();
        }
        shown += int(ui.texts().size());
        ui.clear();
    }

    // Feeds each bad text to every number and text box of the window's
    // sections, through the checks of what the books can hold.
    template <class W> void feedSetUpWindow() {
        W* window = WindowRegistry::shared().show<W>();
        for (const SetupSection* section : window->template findChildren<SetupSection*>()) {
            for (const SetupField& field : section->fields()) {
                QWidget* box = section->box(field.control);
                if (field.column.isEmpty() || !box || !field.keyTable.isEmpty())
                    continue;
                const bool number = field.type != DataType::Text && field.type != DataType::Date;
                for (const QString& bad : number ? badNumbers() : badTexts()) {
                    setFieldText(box, bad);
                    runChecks(section->fitChecks());
                    expectClerkWords(field.control + QStringLiteral(" <- ") + bad);
                }
                setFieldText(box, QString());
            }
        }
    }

    // Feeds each bad text to every cell the clerk may edit of a dropped line.
    template <class W> void feedEntryWindow(const std::function<void(W&)>& prepare) {
        W* window = WindowRegistry::shared().show<W>();
        prepare(*window);
        ASSERT_GT(window->hfgProducts->rows(), 0);
        test::dropPickRow(*window, 0);
        ui.clear();
        const Recordset& lines = window->lines();
        for (int c = 0; c < lines.fieldCount(); ++c) {
            if (window->dgrOrderDetails->recordsetModel()->isLocked(c))
                continue;
            const DataType type = lines.field(c).type;
            const QStringList bad = type == DataType::Text   ? badTexts()
                                    : type == DataType::Date ? QStringList{"abc", ""}
                                                             : badNumbers();
            for (const QString& text : bad) {
                test::editLineCellAt(*window, 0, c, text);
                expectClerkWords(lines.field(c).name + QStringLiteral(" <- ") + text,
                                 QStringLiteral("Line 1, "));
            }
        }
    }

    // Presses each report button with a year that is no year.
    template <class W> void feedReportWindow(const QStringList& buttons) {
        W* window = WindowRegistry::shared().show<W>();
        window->template findChild<QLineEdit*>(QStringLiteral("txtYear"))->setText(QStringLiteral("abc"));
        for (const QString& name : buttons) {
            window->template findChild<QPushButton*>(name)->click();
            expectClerkWords(name, QStringLiteral("Year: "));
        }
    }

    RecordingUiServices ui;
    int shown = 0;
};

} // namespace

TEST_F(ClerkWordsTest, EveryBadBoxOfTheSetUpWindowsIsRefusedInTheClerksWords) {
    feedSetUpWindow<frmCOASetup>();
    feedSetUpWindow<frmARSetup>();
    feedSetUpWindow<frmAPSetup>();
    feedSetUpWindow<frmCashSetup>();
    feedSetUpWindow<frmVATSetup>();
    feedSetUpWindow<frmIVSetup>();
    EXPECT_GT(shown, 20) << "the bad boxes were refused";
}

TEST_F(ClerkWordsTest, EveryBadCellOfTheEntryWindowsNamesItsLineAndColumn) {
    ASSERT_EQ(receive({{"A100", 10, "2.5"}}), QStringLiteral("1"));
    feedEntryWindow<frmGLEntry>([](frmGLEntry&) {});
    feedEntryWindow<frmGRN>([](frmGRN& w) {
        w.party->cboCompany->setCurrentText(QStringLiteral("Harbour Supplies"));
        w.party->cboCompany->activated(w.party->cboCompany->currentIndex());
    });
    feedEntryWindow<frmPurInv>([](frmPurInv& w) {
        w.party->cboCompany->setCurrentText(QStringLiteral("Harbour Supplies"));
        w.party->cboCompany->activated(w.party->cboCompany->currentIndex());
    });
    feedEntryWindow<frmStkAdj>([](frmStkAdj& w) {
        w.cboCompany->setCurrentIndex(0);
        w.cboCompany_Click();
    });
    feedEntryWindow<frmDO_Entry>([](frmDO_Entry&) {});
    ASSERT_EQ(deliver({{"A100", 2}}), QStringLiteral("1"));
    feedEntryWindow<frmSale_Entry>([](frmSale_Entry& w) {
        w.party->cboCompany->setCurrentText(QStringLiteral("Acme Trading"));
        w.party->cboCompany->activated(w.party->cboCompany->currentIndex());
    });
    EXPECT_GT(shown, 10);
}

TEST_F(ClerkWordsTest, AYearThatIsNoYearIsRefusedByTheBoxsCaption) {
    feedReportWindow<frmGL>({"Command1", "Command3", "Command4"});
    feedReportWindow<frmStockReport>({"cmdStock_Mvmt", "cmdStock_Age", "cmdStock_Balance"});
    EXPECT_GE(shown, 4) << "every button that reads the year refuses it";
}
