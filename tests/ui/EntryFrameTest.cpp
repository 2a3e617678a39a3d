// The frame's line mechanics on a small invoice declared here: a duplicate
// test over three fields, three totals from one line computation with the
// rule for figures too large to keep, the pick grid's feed and the hook told
// how a post went, and the refused line shown to the clerk.
#include "FakeEntryData.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/UiTest.h"
#include "ui/EntryWindow.h"
#include "ui/RecordFields.h"
#include "uicore/Controls.h"

#include <QComboBox>
#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

// Delivered lines billed at their price and VAT rate: each pick row is an
// item of a delivery order under a purchase order.
class InvoiceWindow : public EntryWindow {
public:
    InvoiceWindow()
        : txtVAT(makeControl<QLineEdit>(this, QStringLiteral("txtVAT"))),
          txtNett(makeControl<QLineEdit>(this, QStringLiteral("txtNett"))) {}

    QLineEdit* txtVAT;
    QLineEdit* txtNett;
    FakeEntryData book;
    std::vector<std::vector<Variant>> delivered;
    int pickReads = 0;
    std::vector<bool> posts; // what the after-post hook was told
    QString answer = QStringLiteral("7");

protected:
    void createDataClass() override {}
    Recordset readTable(const QString& table) override { return book.Get_Table_Recordset(table); }
    QString lookupId(const QString& table, const QString& value) override {
        return book.Get_ID(table, value);
    }
    Recordset newHeader() override {
        return buildRecord({{QStringLiteral("EmployeeID"), DataType::BigInt}}, true);
    }
    Recordset newLines() override {
        return buildRecord({{QStringLiteral("Item"), DataType::Text, 10},
                            {QStringLiteral("DO"), DataType::Integer},
                            {QStringLiteral("PO"), DataType::Text, 10},
                            {QStringLiteral("Qty"), DataType::Integer},
                            {QStringLiteral("Price"), DataType::Currency},
                            {QStringLiteral("Rate"), DataType::Currency},
                            {QStringLiteral("Gross"), DataType::Currency},
                            {QStringLiteral("VAT"), DataType::Currency},
                            {QStringLiteral("Nett"), DataType::Currency}},
                           false);
    }
    QString sendOrder() override { return answer; }

    LineLook lineLook() const override { return {{}, {0, 1, 2, 5, 6, 7, 8}}; }
    PickFeed pickFeed() override {
        return {[this] {
                    ++pickReads;
                    return Recordset::detached({{QStringLiteral("item"), DataType::Text, 10},
                                                {QStringLiteral("do"), DataType::Integer},
                                                {QStringLiteral("po"), DataType::Text, 10},
                                                {QStringLiteral("price"), DataType::Currency},
                                                {QStringLiteral("rate"), DataType::Currency}},
                                               delivered);
                },
                AtNew | AfterPost};
    }

    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{
            {{QStringLiteral("DO"), 1}, {QStringLiteral("Item"), 0}, {QStringLiteral("PO"), 2}}};
    }
    NewLine newLine() override {
        return {{{0, QStringLiteral("Item")},
                 {1, QStringLiteral("DO")},
                 {2, QStringLiteral("PO")},
                 {3, QStringLiteral("Price")},
                 {4, QStringLiteral("Rate")}},
                {{QStringLiteral("Qty"), Variant(std::int32_t{1})}}};
    }
    line::Amounts computeLine(const RowView& line) override {
        return priced(line, QStringLiteral("Price"), QStringLiteral("Qty"), QStringLiteral("Rate"));
    }
    std::vector<TotalBox> totals() const override {
        return {{txtSubTotal, &line::Amounts::gross, QStringLiteral("Gross")},
                {txtVAT, &line::Amounts::vat, QStringLiteral("VAT")},
                {txtNett, &line::Amounts::nett, QStringLiteral("Nett")}};
    }
    CheckList postChecks() override {
        return {eachLine(
            {Check::onLine([](const RowView& line) { return line.integer(QStringLiteral("Qty")) < 1; },
                           QStringLiteral("Specify Qty to bill to customer"))})};
    }
    QString postedMessage() const override { return QStringLiteral("Invoice: "); }
    QString employeeMessage() const override { return QStringLiteral("Specify an Employee"); }
    void afterPost(bool posted) override { posts.push_back(posted); }
};

class EntryFrameTest : public UiTest {
protected:
    void SetUp() override {
        window = std::make_unique<InvoiceWindow>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->delivered = {
            {Variant(QStringLiteral("A100")), Variant(std::int32_t{1}), Variant(QStringLiteral("PO-1")),
             Variant(Currency::fromUnits(10)), Variant(Currency::parse(QStringLiteral("0.05")))},
            {Variant(QStringLiteral("A100")), Variant(std::int32_t{2}), Variant(QStringLiteral("PO-1")),
             Variant(Currency::fromUnits(10)), Variant(Currency::parse(QStringLiteral("0.175")))},
            {Variant(QStringLiteral("A100")), Variant(std::int32_t{1}), Variant(QStringLiteral("PO-2")),
             Variant(Currency::fromUnits(4)), Variant(Currency())}};
        window->load();
        window->show();
        window->cboEmployee->setCurrentIndex(0);
        window->cmdNew->click();
    }
    void edit(int row, const char* field, const QString& text) {
        editLineCell(*window, row, QString::fromLatin1(field), text);
    }
    QStringList totals() const {
        return {window->txtSubTotal->text(), window->txtVAT->text(), window->txtNett->text()};
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }

    std::unique_ptr<InvoiceWindow> window;
};

} // namespace

TEST_F(EntryFrameTest, EveryTotalBoxShowsItsDesignTextUntilTheLinesAreAddedUp) {
    InvoiceWindow fresh;
    fresh.setAttribute(Qt::WA_DeleteOnClose, false);
    fresh.load();
    EXPECT_EQ((QStringList{fresh.txtSubTotal->text(), fresh.txtVAT->text(), fresh.txtNett->text()}),
              QStringList(3, QStringLiteral("$0.00")));
    EXPECT_EQ(fresh.pickReads, 0) << "the invoice reads its pick grid at New, not at load";
    EXPECT_EQ(totals(), QStringList(3, QStringLiteral("$ 0.00"))) << "after New";
}

TEST_F(EntryFrameTest, ALineMatchingTheCopiedRowInAllThreeFieldsIsADuplicate) {
    for (int row : {0, 1, 2})
        dropPickRow(*window, row);
    EXPECT_EQ(window->lines().recordCount(), 3) << "another delivery order or purchase order is a new line";
    EXPECT_EQ(ui.beeps(), 0);
    dropPickRow(*window, 0);
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ui.texts(), QStringList(qtext(EntryWindow::kSharedText["ItemExists"])));
    EXPECT_EQ(window->lines().recordCount(), 3);
}

TEST_F(EntryFrameTest, OneLineComputationGivesTheThreeTotalsAndFiguresTooLargeLeaveNone) {
    dropPickRow(*window, 0);
    edit(0, "Qty", QStringLiteral("3"));
    EXPECT_EQ(totals(), (QStringList{"$ 31.50", "$ 1.50", "$ 30.00"}));
    EXPECT_EQ(lineCell(*window, 0, QStringLiteral("VAT")), QStringLiteral("1.5"));
    dropPickRow(*window, 1);
    EXPECT_EQ(totals(), (QStringList{"$ 43.25", "$ 3.25", "$ 40.00"}));
    EXPECT_EQ(window->documentAmounts()->gross, Currency::parse(QStringLiteral("43.25")));

    // A line beyond the money range leaves no totals and cannot be posted.
    edit(1, "Qty", QStringLiteral("2000000000"));
    edit(1, "Price", QStringLiteral("900000000000"));
    EXPECT_EQ(ui.lastText(), QStringLiteral("Amount out of range"));
    EXPECT_EQ(totals(), QStringList(3, QString()));
    window->dgrOrderDetails->setCurrentIndex(window->dgrOrderDetails->model()->index(0, 0));
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["AmountTooLarge"]));
    EXPECT_EQ(window->dgrOrderDetails->currentIndex().row(), 1) << "the refused line is shown";

    // Two lines that each fit but cannot be summed leave no totals either.
    edit(1, "Price", QStringLiteral("300000"));
    edit(0, "Qty", QStringLiteral("2000000000"));
    edit(0, "Price", QStringLiteral("300000"));
    EXPECT_EQ(ui.lastText(), qtext(EntryWindow::kSharedText["TotalTooLarge"]));
    EXPECT_EQ(totals(), QStringList(3, QString()));
    EXPECT_FALSE(window->documentAmounts().has_value());
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["TotalTooLarge"]));
    EXPECT_TRUE(window->posts.empty());
}

TEST_F(EntryFrameTest, TheFirstRefusedLineBecomesTheGridsCurrentRow) {
    for (int row : {0, 1, 2})
        dropPickRow(*window, row);
    edit(1, "Qty", QStringLiteral("0"));
    window->dgrOrderDetails->setCurrentIndex(window->dgrOrderDetails->model()->index(2, 3));
    EXPECT_EQ(post(), QStringLiteral("Specify Qty to bill to customer"));
    EXPECT_EQ(window->dgrOrderDetails->currentIndex().row(), 1);
    EXPECT_EQ(window->lines().position(), 1);
}

TEST_F(EntryFrameTest, ThePickGridIsReadAtNewAndAfterEveryPostWhichTheWindowIsToldOf) {
    EXPECT_EQ(window->pickReads, 1);
    dropPickRow(*window, 0);
    window->answer = QStringLiteral("Error Entering Order");
    post();
    window->answer = QStringLiteral("8");
    EXPECT_EQ(post(), QStringLiteral("Invoice: 8"));
    EXPECT_EQ(window->posts, (std::vector<bool>{false, true}));
    EXPECT_EQ(window->pickReads, 3);
}
