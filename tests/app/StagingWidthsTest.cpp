// Each set-up window bounds its text boxes by what its staging table holds,
// read from the table itself: a window that names no staging table, or a text
// field whose column the table does not bound, would let the clerk type more
// than the books keep and learn it only from the database's refusal.
#include "ar/frmARSetup.h"
#include "cash/frmCashSetup.h"
#include "db/CompanyDatabase.h"
#include "gl/frmCOASetup.h"
#include "inventory/frmIVSetup.h"
#include "purchases/frmAPSetup.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/SetupSection.h"
#include "ui/WindowRegistry.h"
#include "vat/frmVATSetup.h"

#include <QComboBox>
#include <QLineEdit>

using namespace orv;

namespace {

class StagingWidthsTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    // Every section with a text field names its staging table, and every text
    // field takes its column's bound; answers how many fields were bounded.
    template <class W> int expectBounded() {
        W* window = WindowRegistry::shared().show<W>();
        int bounded = 0;
        for (const SetupSection* section : window->template findChildren<SetupSection*>()) {
            const QHash<QString, int> widths = section->stagingTable().isEmpty()
                                                   ? QHash<QString, int>()
                                                   : db::CompanyDatabase::textWidths(section->stagingTable());
            for (const SetupField& field : section->fields()) {
                if (field.column.isEmpty() || field.type != DataType::Text)
                    continue;
                SCOPED_TRACE(field.control.toStdString());
                EXPECT_FALSE(section->stagingTable().isEmpty()) << "the section names no staging table";
                EXPECT_GT(field.width, 0) << section->stagingTable().toStdString() << " does not bound "
                                          << field.column.toStdString();
                // A field named as its column has exactly the column's width.
                if (widths.contains(field.column.toLower())) {
                    EXPECT_EQ(field.width, widths.value(field.column.toLower()));
                }
                ++bounded;
            }
        }
        return bounded;
    }
    RecordingUiServices ui;
};

TEST_F(StagingWidthsTest, EveryTextFieldOfTheSetUpWindowsIsBoundedByItsStagingTable) {
    EXPECT_EQ(expectBounded<frmCOASetup>(), 4);
    EXPECT_EQ(expectBounded<frmARSetup>(), 16);
    EXPECT_EQ(expectBounded<frmIVSetup>(), 9);
    EXPECT_EQ(expectBounded<frmAPSetup>(), 10);
    EXPECT_EQ(expectBounded<frmCashSetup>(), 4);
    EXPECT_EQ(expectBounded<frmVATSetup>(), 3);
}

TEST_F(StagingWidthsTest, AFieldNamedOtherwiseThanItsColumnTakesTheColumnsWidth) {
    // The VAT code's staging record keeps the party windows' field names; the
    // data class copies CompanyName into vat_name and City into VAT_Reg.
    const QHash<QString, int> columns = db::CompanyDatabase::textWidths(QStringLiteral("Temp_VAT"));
    auto* window = WindowRegistry::shared().show<frmVATSetup>();
    for (const auto& [control, column] :
         {std::pair{"cboCompany", "vat_name"}, std::pair{"txtCity", "vat_reg"}}) {
        ASSERT_GT(columns.value(QString::fromLatin1(column)), 0) << column;
        auto* box = window->findChild<QWidget*>(QString::fromLatin1(control));
        QLineEdit* line = qobject_cast<QLineEdit*>(box);
        if (auto* list = qobject_cast<QComboBox*>(box))
            line = list->lineEdit();
        ASSERT_NE(line, nullptr) << control;
        const int width = columns.value(QString::fromLatin1(column));
        line->insert(QString(width, QLatin1Char('x')));
        line->insert(QStringLiteral("x"));
        EXPECT_EQ(line->text().size(), width) << control;
    }
}

TEST_F(StagingWidthsTest, ABoxThatLimitsTypingTakesNoMoreThanItsColumnHolds) {
    auto* window = WindowRegistry::shared().show<frmARSetup>();
    auto* phone = window->findChild<QLineEdit*>(QStringLiteral("txtshipphone"));
    ASSERT_NE(phone, nullptr);
    phone->insert(QString(24, QLatin1Char('7')));
    phone->insert(QStringLiteral("7"));
    EXPECT_EQ(phone->text(), QString(24, QLatin1Char('7'))) << "Temp_Shippers holds 24 characters of a phone";
}

TEST(StagingWidths, TheTighterOfTwoBoundsHoldsAndOtherConstraintsAreNoBound) {
    const QHash<QString, int> widths = db::CompanyDatabase::textWidthsOf(QStringLiteral(
        "CREATE TABLE T (Name TEXT CHECK (length(Name) <= 40 AND LENGTH( Name ) <= 30), "
        "Code TEXT CHECK (length(Code) >= 2), Kind TEXT CHECK (length(Kind) <= 1 AND Kind IN ('C', 'U')))"));
    EXPECT_EQ(widths.value(QStringLiteral("name")), 30);
    EXPECT_FALSE(widths.contains(QStringLiteral("code")));
    EXPECT_EQ(widths.value(QStringLiteral("kind")), 1);
}

} // namespace
