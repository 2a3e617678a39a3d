// The party header that document windows compose: the list, the details of
// the chosen party, its currency kind with the rate box, credit and balance.
#include "ui/PartyHeader.h"
#include "FakeEntryData.h"
#include "support/gui/UiTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

class PartyHeaderTest : public UiTest {
protected:
    PartyHeaderTest() {
        book.customers = {
            {"C1", "Harbour Supplies", "Singapore", Variant(QStringLiteral("0")),
             Variant(Currency::parse(QStringLiteral("400.5"))), 1000},
            {"C2", "Pacific Traders", "Auckland", Variant(QStringLiteral(" 1 ")), Variant::null(), 1000},
            {"C3", "Quiet Goods", "Penang", Variant::null(), Variant(QStringLiteral("  ")), 1000},
        };
    }

    PartyHeader* make(int boxes) {
        PartyReads reads;
        reads.list = [this] { return book.Get_Table_Recordset(QStringLiteral("Customers")); };
        reads.details = [this](const QString& name) {
            return book.Get_Customer_Details(QStringLiteral("Customers"), name);
        };
        reads.id = [this](const QString& name) { return book.Get_ID(QStringLiteral("Customers"), name); };
        if (boxes & PartyHeader::BalanceBox)
            reads.balance = [this](const QString& name) { return book.balanceOf(name); };
        host = std::make_unique<QWidget>();
        auto* header = new PartyHeader(host.get(), std::move(reads), boxes);
        header->fillList();
        return header;
    }
    static void choose(PartyHeader& header, const QString& name) {
        header.cboCompany->setCurrentIndex(header.cboCompany->findText(name));
        header.load();
    }

    FakeEntryData book;
    std::unique_ptr<QWidget> host; // the window the header's controls belong to
};

} // namespace

TEST_F(PartyHeaderTest, TheKindOfAPartySetsTheRateBox) {
    auto header = make(PartyHeader::RateBox);
    EXPECT_EQ(header->cboCompany->count(), 3);
    EXPECT_EQ(header->cboCompany->currentIndex(), -1) << "nothing is chosen at first";
    EXPECT_EQ(header->txtCreditLimit, nullptr);
    EXPECT_EQ(header->txtbalance, nullptr);

    choose(*header, QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(header->cboCreditor->text(), PartyHeader::kLocal);
    EXPECT_EQ(header->txtCurRate->text(), QStringLiteral("1"));
    EXPECT_FALSE(header->txtCurRate->isEnabled());
    EXPECT_EQ(header->txtCity->text(), QStringLiteral("Singapore"));
    EXPECT_TRUE(header->txtRegion->text().isEmpty()) << "a null region shows empty";
    EXPECT_EQ(header->key(), QStringLiteral("C1"));

    choose(*header, QStringLiteral("Pacific Traders"));
    EXPECT_TRUE(header->isForeign()) << "Forex is 1 once trimmed";
    EXPECT_TRUE(header->txtCurRate->text().isEmpty());
    EXPECT_TRUE(header->txtCurRate->isEnabled());

    choose(*header, QStringLiteral("Quiet Goods"));
    EXPECT_EQ(header->cboCreditor->text(), PartyHeader::kLocal) << "a null Forex is local";
    EXPECT_TRUE(runChecks(header->checks(QStringLiteral("Name a party"))));
}

TEST_F(PartyHeaderTest, CreditAndBalanceAreReadWithThePartyAndAMissingBalanceIsZero) {
    auto header = make(PartyHeader::RateBox | PartyHeader::CreditBoxes | PartyHeader::BalanceBox);
    choose(*header, QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(header->txtCreditTerm->text(), QStringLiteral("30"));
    EXPECT_EQ(header->txtCreditLimit->text(), QStringLiteral("1000"));
    EXPECT_EQ(header->txtbalance->text(), QStringLiteral("400.5"));
    for (const char* name : {"Pacific Traders", "Quiet Goods"}) {
        choose(*header, QString::fromLatin1(name));
        EXPECT_EQ(header->txtbalance->text(), QStringLiteral("0")) << name;
    }
}

TEST_F(PartyHeaderTest, TypingOverAChosenPartyEmptiesItsDetailsUntilOneIsChosen) {
    auto header = make(PartyHeader::RateBox | PartyHeader::CreditBoxes);
    choose(*header, QStringLiteral("Harbour Supplies"));
    header->cboCompany->lineEdit()->selectAll();
    QTest::keyClicks(header->cboCompany->lineEdit(), QStringLiteral("Pacific Traders"));

    for (QLineEdit* box : {header->txtCity, header->cboCreditor, header->txtCurType, header->txtCurRate,
                           header->txtCreditLimit})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_FALSE(header->isLoaded());
    EXPECT_FALSE(runChecks(header->checks(QStringLiteral("Name a party"))))
        << "another party's name without its details cannot post";
    EXPECT_EQ(ui.lastText(), QStringLiteral("Name a party"));

    header->load();
    EXPECT_EQ(header->txtCity->text(), QStringLiteral("Auckland"));
    EXPECT_TRUE(header->isLoaded());

    header->clear();
    EXPECT_TRUE(header->cboCompany->currentText().isEmpty());
    EXPECT_TRUE(header->txtCity->text().isEmpty());
    EXPECT_FALSE(runChecks(header->checks(QStringLiteral("Name a party"))));
}
