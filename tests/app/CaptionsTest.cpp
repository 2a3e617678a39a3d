// Every window shows the captions of its text table: each label, frame and
// button the table names is a control of the open window with that text, and
// the window's own entry is its title. A caption whose control was never made
// (or was made under another name) would leave the clerk a blank box.
#include "app/Orvan.h"
#include "app/Websitefrm.h"
#include "app/frmLogin.h"
#include "ar/frmARSetup.h"
#include "cash/frmCashSetup.h"
#include "gl/frmCOASetup.h"
#include "gl/frmGL.h"
#include "gl/frmGLEntry.h"
#include "gl/frmREEntry.h"
#include "inventory/frmIVSetup.h"
#include "inventory/frmStkAdj.h"
#include "inventory/frmStockReport.h"
#include "purchases/frmAPSetup.h"
#include "purchases/frmGRN.h"
#include "purchases/frmPurInv.h"
#include "sales/frmDO_Entry.h"
#include "sales/frmSale_Entry.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"
#include "vat/frmVATSetup.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <span>

using namespace orv;

namespace {

// The text a control shows: a frame's title, a button's or a label's text.
QString shownText(const QWidget* control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return control->windowTitle();
}

bool showsLabel(const QWidget* window, const QString& text) {
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) { return l->text() == text; });
}

bool isCaption(const QString& key) {
    static const char* const kinds[] = {"lbl", "Label", "fra", "Frame", "cmd", "Command"};
    for (const char* kind : kinds) {
        if (key.startsWith(QLatin1String(kind)))
            return true;
    }
    return false;
}

class CaptionsTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    // Every caption of the tables is shown by the open window of type W.
    template <class W> void expectShown(std::initializer_list<std::span<const PinnedText>> tables) {
        W* window = WindowRegistry::shared().show<W>();
        const QString self =
            QString::fromLatin1(W::staticMetaObject.className()).section(QStringLiteral("::"), -1);
        for (std::span<const PinnedText> table : tables) {
            for (const PinnedText& entry : table) {
                const QString key = qtext(entry.key);
                SCOPED_TRACE(self.toStdString() + " " + key.toStdString());
                if (key == self) {
                    EXPECT_EQ(window->windowTitle(), qtext(entry.text));
                    continue;
                }
                if (!isCaption(key)) {
                    // A box's caption is a label beside it (or the text the box starts with).
                    const auto* box = window->template findChild<QWidget*>(key);
                    if (const auto* line = qobject_cast<const QLineEdit*>(box);
                        line && line->text() == qtext(entry.text))
                        continue;
                    if (box && (qobject_cast<const QLineEdit*>(box) || qobject_cast<const QComboBox*>(box) ||
                                qobject_cast<const QAbstractSpinBox*>(box))) {
                        EXPECT_TRUE(showsLabel(window, qtext(entry.text)))
                            << "no label shows the box's caption";
                    }
                    continue;
                }
                const auto* control = window->template findChild<QWidget*>(key);
                ASSERT_NE(control, nullptr) << "no control shows the caption";
                EXPECT_EQ(shownText(control), qtext(entry.text));
            }
        }
    }
    RecordingUiServices ui;
};

template <class W> std::span<const PinnedText> texts() {
    return std::span<const PinnedText>(W::kText.entries);
}

TEST_F(CaptionsTest, EveryWindowShowsEveryCaptionOfItsTextTable) {
    expectShown<frmCOASetup>({texts<frmCOASetup>(), texts<SetupWindow>()});
    expectShown<frmARSetup>({texts<frmARSetup>(), texts<PartySetupWindow>(), texts<SetupWindow>()});
    expectShown<frmAPSetup>({texts<frmAPSetup>(), texts<PartySetupWindow>(), texts<SetupWindow>()});
    expectShown<frmIVSetup>({texts<frmIVSetup>()});
    expectShown<frmCashSetup>({texts<frmCashSetup>(), texts<SetupWindow>()});
    expectShown<frmVATSetup>({texts<frmVATSetup>(), texts<SetupWindow>()});
    expectShown<frmGLEntry>({texts<frmGLEntry>()});
    expectShown<frmREEntry>({texts<frmREEntry>()});
    expectShown<frmGRN>({texts<frmGRN>()});
    expectShown<frmPurInv>({texts<frmPurInv>()});
    expectShown<frmStkAdj>({texts<frmStkAdj>()});
    expectShown<frmDO_Entry>({texts<frmDO_Entry>()});
    expectShown<frmSale_Entry>({texts<frmSale_Entry>()});
    expectShown<frmGL>({texts<frmGL>()});
    expectShown<frmStockReport>({texts<frmStockReport>()});
    expectShown<Websitefrm>({texts<Websitefrm>()});
    expectShown<Orvan>({texts<Orvan>()});
    expectShown<frmLogin>({texts<frmLogin>()});
}

} // namespace
