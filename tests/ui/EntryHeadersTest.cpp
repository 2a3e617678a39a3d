// The headers of the entry frame on a small sales window: a customer (the
// party header with rate, credit and balance) and a shipper (a key header)
// side by side, the employee, and what the post copies from them.
#include "TestEntryWindow.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/UiTest.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

class HeaderWindow : public TestEntryWindow {
public:
    static constexpr auto kText = makeTextTable({
        {"Frame1", "Customer Detail"},
        {"cboCompany", "Company :"},
        {"txtCity", "City :"},
        {"txtbalance", "Outstanding Bal :"},
        {"CompanyInvalid", "Company Name must be valid!"},
        {"OverCredit", "Over Credit Limit"},
        {"NoShippers", " No Records was found in Shipping Table "},
        {"SpecifyShipper", "Specify a Shipping Company Name!"},
    });

    KeyHeader* ship;
    QWidget* frame;

    HeaderWindow() {
        PartyReads reads;
        static_cast<KeyReads&>(reads) = tableReads(QStringLiteral("Customers"), [](const QString& name) {
            return book->Get_Customer_Details(QStringLiteral("Customers"), name);
        });
        reads.balance = [](const QString& name) { return book->balanceOf(name); };
        useParty(new PartyHeader(this, reads,
                                 PartyHeader::RateBox | PartyHeader::CreditBoxes | PartyHeader::BalanceBox,
                                 {{QStringLiteral("CustomerID"), KeyHeader::kKey},
                                  {QStringLiteral("ShipName"), KeyHeader::kName},
                                  {QStringLiteral("credit_limit"), QStringLiteral("credit_limit")},
                                  {QStringLiteral("Cur_Rate"), QStringLiteral("txtCurRate")}}));
        ship = useKeyHeader(new KeyHeader(this,
                                          {QStringLiteral("cboShipVia"),
                                           QStringLiteral("Shippers"),
                                           QStringLiteral("CompanyName"),
                                           {{QStringLiteral("txtShipPhone"), QStringLiteral("Phone")}},
                                           {{QStringLiteral("ShipVia"), KeyHeader::kKey}},
                                           qtext(kText["NoShippers"])},
                                          tableReads(QStringLiteral("Shippers"), [](const QString& name) {
                                              return book->Get_Customer_Details(QStringLiteral("Shippers"),
                                                                                name);
                                          })));
        // The balance stands where the window puts it, outside the frame.
        frame = party->layOut(kText, QStringLiteral("Frame1"), {party->txtbalance});
        auto* grid = static_cast<QGridLayout*>(layout());
        grid->addWidget(frame, 6, 0, 1, 4);
        grid->addWidget(party->txtbalance, 7, 0);
        grid->addWidget(ship->list(), 7, 1);
    }

protected:
    Recordset newHeader() override {
        return buildRecord({{QStringLiteral("EmployeeID"), DataType::BigInt},
                            {QStringLiteral("OrderDate"), DataType::Date},
                            {QStringLiteral("CustomerID"), DataType::Text, 8},
                            {QStringLiteral("ShipName"), DataType::Text, 40},
                            {QStringLiteral("credit_limit"), DataType::Integer},
                            {QStringLiteral("Cur_Rate"), DataType::Currency},
                            {QStringLiteral("ShipVia"), DataType::BigInt}},
                           true);
    }
    // No employee checks here: the frame runs them after the window's own.
    CheckList postChecks() override {
        return inOrder({party->checks(qtext(kText["CompanyInvalid"])),
                        {creditCheck(qtext(kText["OverCredit"]))},
                        ship->checks(qtext(kText["SpecifyShipper"])),
                        party->rateChecks()});
    }
};

class EntryHeadersTest : public UiTest {
protected:
    void SetUp() override {
        book.products.push_back({104, QStringLiteral("Brass pin"), QStringLiteral("0.01")});
        TestEntryWindow::book = &book;
        window = std::make_unique<HeaderWindow>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->load();
        window->show();
    }
    static void choose(QComboBox* list, const QString& name) {
        list->setCurrentIndex(list->findText(name));
        emit list->activated(list->currentIndex());
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
    Variant posted(const char* field) const { return window->header().value(QString::fromLatin1(field)); }
    // A local customer and an employee: only the shipper is missing.
    void localOrder() {
        choose(window->party->cboCompany, QStringLiteral("Harbour Supplies"));
        window->cboEmployee->setCurrentIndex(0);
    }

    FakeEntryData book;
    std::unique_ptr<HeaderWindow> window;
};

} // namespace

TEST_F(EntryHeadersTest, AKeyHeaderBesideThePartyShowsTheRecordLastChosenAndPostsItsKey) {
    EXPECT_EQ(window->ship->list()->count(), 2);
    EXPECT_EQ(window->ship->list()->currentIndex(), -1);
    localOrder();
    choose(window->ship->list(), QStringLiteral("Harbour Carriers"));
    QLineEdit* phone = window->ship->box(QStringLiteral("txtShipPhone"));
    EXPECT_EQ(phone->text(), QStringLiteral("555-0202"));
    EXPECT_TRUE(phone->isReadOnly());
    EXPECT_EQ(window->party->txtCity->text(), QStringLiteral("Singapore")) << "each header keeps its own";

    window->ship->list()->lineEdit()->selectAll();
    QTest::keyClicks(window->ship->list()->lineEdit(), QStringLiteral("Speedy"));
    EXPECT_TRUE(phone->text().isEmpty()) << "the boxes belong to the shipper last chosen";
    EXPECT_EQ(post(), qtext(HeaderWindow::kText["SpecifyShipper"]));
    EXPECT_TRUE(window->ship->list()->isAncestorOf(window->focusWidget()));

    // A name no record has, whatever it holds, reads no record and is refused.
    const int reads = book.recordReads;
    ui.clear();
    window->ship->list()->setEditText(QStringLiteral("Speedy") + QChar(0));
    emit window->ship->list()->activated(window->ship->list()->currentIndex());
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(book.recordReads, reads);
    EXPECT_EQ(post(), qtext(HeaderWindow::kText["SpecifyShipper"]));

    choose(window->ship->list(), QStringLiteral("Harbour Carriers"));
    const int lookups = book.idLookups;
    EXPECT_EQ(post(), TestEntryWindow::kPosted + QStringLiteral("42"));
    EXPECT_EQ(book.idLookups, lookups + 1) << "the employee's, once; the keys found at the picks are posted";
    EXPECT_EQ(posted("ShipVia").toInt64(), 2);
    EXPECT_EQ(posted("CustomerID").toString(), QStringLiteral("C1"));
    EXPECT_EQ(posted("ShipName").toString(), QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(posted("credit_limit").toInt64(), 1000);
    EXPECT_EQ(book.postings.back().employeeId.toInt64(), 7);
}

TEST_F(EntryHeadersTest, TheHeadersLayOutWithTheirCaptionsAndAnEmptyListSaysSoAtLoad) {
    EXPECT_EQ(qobject_cast<QGroupBox*>(window->frame)->title(), QStringLiteral("Customer Detail"));
    auto* form = window->party->form();
    EXPECT_EQ(static_cast<QLabel*>(form->labelForField(window->party->cboCompany))->text(),
              QStringLiteral("Company :"));
    EXPECT_EQ(static_cast<QLabel*>(form->labelForField(window->party->txtCity))->text(),
              QStringLiteral("City :"));
    EXPECT_EQ(form->labelForField(window->party->txtbalance), nullptr) << "placed by the window";
    EXPECT_EQ(window->party->txtbalance->parentWidget(), window.get());

    book.shippers.clear();
    HeaderWindow empty;
    empty.setAttribute(Qt::WA_DeleteOnClose, false);
    ui.clear();
    empty.load();
    EXPECT_EQ(ui.texts(), QStringList{qtext(HeaderWindow::kText["NoShippers"])});
    EXPECT_EQ(empty.ship->list()->count(), 0);
}

TEST_F(EntryHeadersTest, TheCreditCheckTakesTheLimitAndBalanceReadAtThePickAndTheGrossOfTheLines) {
    localOrder();
    choose(window->ship->list(), QStringLiteral("Speedy Express"));
    EXPECT_EQ(window->party->txtbalance->text(), QStringLiteral("400"));
    book.customers[0].balance = Variant(Currency::fromUnits(900)); // after the pick: not this order's
    test::dropPickRow(*window, 0);
    test::editLineCellAt(*window, 0, 2, QStringLiteral("60"));
    test::dropPickRow(*window, 3);
    ASSERT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 600.01"));
    // Whatever is typed into the boxes, 1000 - 400 - 600.01 is below nothing.
    window->party->txtbalance->setText(QStringLiteral("0"));
    window->txtSubTotal->setText(QStringLiteral("$ 0.00"));
    EXPECT_EQ(post(), qtext(HeaderWindow::kText["OverCredit"]));
    EXPECT_TRUE(book.postings.empty());

    test::editLineCellAt(*window, 1, 2, QStringLiteral("0"));
    window->party->txtbalance->setText(QStringLiteral("999999"));
    EXPECT_EQ(post(), TestEntryWindow::kPosted + QStringLiteral("42")) << "1000 - 400 - 600.00 is nothing";
}

TEST_F(EntryHeadersTest, TheRateChecksRunInOrderAndARateOfMorePlacesIsHeldToFour) {
    choose(window->party->cboCompany, QStringLiteral("Pacific Traders"));
    choose(window->ship->list(), QStringLiteral("Speedy Express"));
    QLineEdit* rate = window->party->txtCurRate;
    ASSERT_EQ(window->party->rateBox(), rate);
    EXPECT_EQ(post(), qtext(PartyHeader::kText["EnterRate"]));
    EXPECT_EQ(ui.messages().back().title, kTitleMissingField);
    EXPECT_EQ(window->focusWidget(), rate);
    rate->setText(QStringLiteral("abc"));
    EXPECT_EQ(post(), qtext(PartyHeader::kText["RateNotNumber"]));
    EXPECT_EQ(ui.messages().back().title, kTitleInvalidInput);
    EXPECT_EQ(rate->selectedText(), QStringLiteral("abc"));
    for (const char* refused : {"0", "-2", "0.00004"}) {
        rate->setText(QString::fromLatin1(refused));
        EXPECT_EQ(post(), qtext(PartyHeader::kText["RateNotPositive"])) << refused;
        EXPECT_EQ(rate->selectedText(), QString::fromLatin1(refused));
    }
    rate->setText(QStringLiteral("1.23456"));
    EXPECT_EQ(post(), QStringLiteral("Specify Employee Name")) << "the rate passes; the employee comes last";
    window->cboEmployee->setCurrentIndex(1);
    EXPECT_EQ(post(), TestEntryWindow::kPosted + QStringLiteral("42"));
    EXPECT_EQ(posted("Cur_Rate").toCurrency(), Currency::parse(QStringLiteral("1.2346")));
    EXPECT_EQ(book.postings.back().employeeId.toInt64(), 9);
}

TEST_F(EntryHeadersTest, AListOfFixedEntriesIsAKeyHeaderWhoseEntriesAreTheirOwnKeys) {
    QWidget host;
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QString::number(month);
    KeyHeader period(&host, {QStringLiteral("cboCompany"), {}, {}, {}, {}, {}, months}, {});
    period.fillList();
    EXPECT_EQ(period.list()->count(), 12);
    period.list()->setCurrentIndex(2);
    period.load();
    EXPECT_EQ(period.key(), QStringLiteral("3"));
    period.list()->setEditText(QStringLiteral("13"));
    period.load();
    EXPECT_FALSE(runChecks(period.checks(QStringLiteral("Select a period"))));
    EXPECT_EQ(ui.lastText(), QStringLiteral("Select a period"));
}
