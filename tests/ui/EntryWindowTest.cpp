#include "TestEntryWindow.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/UiTest.h"
#include "ui/CursorPictures.h"
#include "values/Clock.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDrag>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

class EntryWindowTest : public UiTest {
protected:
    void SetUp() override {
        TestEntryWindow::book = &book;
        window = std::make_unique<TestEntryWindow>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->load();
        window->show();
    }
    void TearDown() override { window.reset(); }

    // A mouse press on a cell of the pick grid, as the clerk starts a drag.
    void pressPick(int row) {
        PickGrid* pick = window->hfgProducts;
        const QRect cell = pick->visualRect(pick->model()->index(row, 1));
        QTest::mousePress(pick->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // The pressed row released over the line grid.
    void drop(int row) { dropPickRow(*window, row); }
    QString line(int row, const QString& field) const { return lineCell(*window, row, field); }
    void chooseEmployee() { window->cboEmployee->setCurrentIndex(0); }
    void editCell(int row, int column, const QString& text) { editLineCellAt(*window, row, column, text); }

    FakeEntryData book;
    std::unique_ptr<TestEntryWindow> window;
};

TEST_F(EntryWindowTest, LoadFillsEmployeesPickGridAndAnEmptyDocument) {
    EXPECT_EQ(window->cboEmployee->count(), 2);
    EXPECT_EQ(window->cboEmployee->itemText(0), QStringLiteral("Ashdown, Mira"));
    EXPECT_EQ(window->cboEmployee->itemText(1), QStringLiteral("Bellweather, Tam"));
    EXPECT_EQ(window->hfgProducts->rows(), 3);
    EXPECT_EQ(window->hfgProducts->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("ProductName"));
    EXPECT_EQ(window->hfgProducts->cellText(2, 2), QStringLiteral("7.25"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$0.00")) << "the design text until a total";
    EXPECT_EQ(window->dtpOrder->date(), orv::today());
    EXPECT_EQ(window->txtMonth->text(), QString::number(orv::today().month()));
    EXPECT_EQ(window->txtYear->text(), QString::number(orv::today().year()));
    EXPECT_EQ(window->header().recordCount(), 1);
    EXPECT_EQ(window->lines().recordCount(), 0);
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_EQ(window->Image1->toolTip(), qtext(EntryWindow::kSharedText["Image1"]));
    EXPECT_TRUE(ui.messages().empty());
    for (const char* name : {"hfgProducts", "dgrOrderDetails", "cboEmployee", "txtSubTotal", "cmdNew",
                             "cmdSend", "dtpOrder", "txtOrderID", "Image1", "txtMonth", "txtYear"}) {
        EXPECT_NE(window->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    }
}

TEST_F(EntryWindowTest, NoEmployeeShowsTheWindowsMessageAndLoadsTheRest) {
    book.employees.clear();
    TestEntryWindow empty;
    empty.setAttribute(Qt::WA_DeleteOnClose, false);
    empty.load();
    EXPECT_EQ(ui.texts(), QStringList{TestEntryWindow::kNoEmployee});
    EXPECT_EQ(empty.cboEmployee->count(), 0);
    EXPECT_EQ(empty.hfgProducts->rows(), 3);
    EXPECT_EQ(empty.txtSubTotal->text(), QStringLiteral("$0.00"));
}

TEST_F(EntryWindowTest, DropAddsTheCopiedRowAndRecomputesTheTotal) {
    drop(0);
    drop(2);
    ASSERT_EQ(window->lines().recordCount(), 2);
    EXPECT_EQ(window->copiedCells(),
              (QStringList{QStringLiteral("103"), QStringLiteral("Glass chimney"), QStringLiteral("7.25")}));
    EXPECT_EQ(line(0, QStringLiteral("ProductID")), QStringLiteral("101"));
    EXPECT_EQ(line(0, QStringLiteral("Quantity")), QStringLiteral("1"));
    EXPECT_EQ(line(1, QStringLiteral("ProductName")), QStringLiteral("Glass chimney"));
    EXPECT_EQ(line(1, QStringLiteral("Period")), window->txtMonth->text());
    EXPECT_EQ(line(1, QStringLiteral("Date")), orv::today().toString(Qt::ISODate));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 17.25"));
    // The grid shows the lines it is bound to.
    EXPECT_EQ(window->dgrOrderDetails->model()->rowCount(), 2);
    EXPECT_EQ(window->dgrOrderDetails->cellText(1, 4), QStringLiteral("7.25"));
    EXPECT_EQ(ui.drags(), 2);
}

TEST_F(EntryWindowTest, DuplicateDropBeepsShowsTheMessageAndAddsNothing) {
    drop(1);
    drop(1);
    EXPECT_EQ(window->lines().recordCount(), 1);
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ui.texts(), QStringList{TestEntryWindow::kDuplicate});
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 2.50"));
    drop(0);
    EXPECT_EQ(window->lines().recordCount(), 2);
}

TEST_F(EntryWindowTest, PressOnHeadingOrEmptyGridCopiesNothingAndStartsNoDrag) {
    QHeaderView* heading = window->hfgProducts->horizontalHeader();
    QTest::mousePress(heading->viewport(), Qt::LeftButton, {}, QPoint(10, heading->height() / 2));
    // Below the last row.
    QTest::mousePress(window->hfgProducts->viewport(), Qt::LeftButton, {},
                      QPoint(5, window->hfgProducts->viewport()->height() - 2));
    EXPECT_EQ(ui.drags(), 0);
    EXPECT_TRUE(window->copiedCells().isEmpty());

    book.products.clear();
    window->hfgProducts->setRecordset(book.Get_Products());
    QTest::mousePress(window->hfgProducts->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ui.drags(), 0);
}

TEST_F(EntryWindowTest, AnyMouseButtonStartsTheDrag) {
    const QRect cell = window->hfgProducts->visualRect(window->hfgProducts->model()->index(1, 0));
    QTest::mousePress(window->hfgProducts->viewport(), Qt::RightButton, {}, cell.center());
    EXPECT_EQ(ui.drags(), 1);
    EXPECT_EQ(window->copiedCells().value(1), QStringLiteral("Wick"));
}

TEST_F(EntryWindowTest, DragPictureTurnsToDropOverTheLineGridAndBack) {
    QStringList seen;
    bool cursorLoaded = false;
    ui.onDrag([&](QDrag* drag) {
        seen << window->hfgProducts->dragPicture();
        window->dgrOrderDetails_DragOver(LineGrid::DragState::Enter);
        seen << window->hfgProducts->dragPicture();
        cursorLoaded = !drag->dragCursor(Qt::CopyAction).isNull();
        window->dgrOrderDetails_DragOver(LineGrid::DragState::Over);
        seen << window->hfgProducts->dragPicture();
        window->dgrOrderDetails_DragOver(LineGrid::DragState::Leave);
        seen << window->hfgProducts->dragPicture();
        return Qt::IgnoreAction;
    });
    pressPick(0);
    EXPECT_EQ(seen, (QStringList{kDragPicture, kDropPicture, kDropPicture, kDragPicture}));
    EXPECT_TRUE(cursorLoaded) << "the pictures are copied beside the program";
    // A drag released outside the line grid adds nothing.
    EXPECT_EQ(window->lines().recordCount(), 0);
}

TEST_F(EntryWindowTest, MissingCursorPictureFallsBackToTheStandardCursor) {
    EXPECT_TRUE(loadCursorPicture(QStringLiteral("no-such-picture.ico")).isNull());
    bool fellBack = false;
    ui.onDrag([&](QDrag* drag) {
        window->hfgProducts->setDragPicture(QStringLiteral("no-such-picture.ico"));
        fellBack = drag->dragCursor(Qt::CopyAction).isNull() && drag->dragCursor(Qt::IgnoreAction).isNull();
        return Qt::IgnoreAction;
    });
    drop(0);
    EXPECT_TRUE(fellBack);
    EXPECT_EQ(window->lines().recordCount(), 1);
}

TEST_F(EntryWindowTest, EditedCellIsWrittenAndTheTotalFollowsAfterTheEditorCloses) {
    drop(0);
    drop(1);
    bool insideEditor = false;
    ui.onMessage([&](const RecordingUiServices::Message&) {
        insideEditor = insideEditor || window->dgrOrderDetails->isEditing();
    });
    editCell(0, 2, QStringLiteral("3"));
    EXPECT_EQ(line(0, QStringLiteral("Quantity")), QStringLiteral("3"));
    EXPECT_EQ(line(0, QStringLiteral("Amount")), QStringLiteral("30"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 32.50"));

    // A warning of the total comes once the edit is committed.
    editCell(1, 2, QStringLiteral("0"));
    EXPECT_EQ(ui.texts(), QStringList{TestEntryWindow::kZeroQuantity});
    EXPECT_FALSE(insideEditor);
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 30.00"));
}

TEST_F(EntryWindowTest, BadCellValueIsRefusedAndTheCellKeepsItsValue) {
    drop(0);
    editCell(0, 2, QStringLiteral("abc"));
    EXPECT_EQ(line(0, QStringLiteral("Quantity")), QStringLiteral("1"));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.lastText().contains(QStringLiteral("Quantity"))) << ui.lastText().toStdString();
    // Too long for the field.
    editCell(0, 5, QStringLiteral("far too long a text"));
    EXPECT_EQ(line(0, QStringLiteral("Descrip")), QString());
    EXPECT_EQ(ui.messages().size(), 2u);
    // An emptied number cell holds no value; the post then names it.
    editCell(0, 2, QString());
    EXPECT_TRUE(window->lines().valueAt(0, 2).isNull());
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
}

TEST_F(EntryWindowTest, LockedColumnsRefuseEditing) {
    drop(0);
    const QAbstractItemModel* model = window->dgrOrderDetails->model();
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(model->index(0, 4)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->flags(model->index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(window->dgrOrderDetails->model()->setData(model->index(0, 4), QStringLiteral("99")));
    EXPECT_EQ(line(0, QStringLiteral("Amount")), QStringLiteral("10"));
    const QAbstractItemModel* pick = window->hfgProducts->model();
    EXPECT_FALSE(pick->flags(pick->index(0, 1)) & Qt::ItemIsEditable);
}

TEST_F(EntryWindowTest, NegativeTotalShowsALeadingMinus) {
    drop(2);
    editCell(0, 2, QStringLiteral("-4"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("-$ 29.00"));
}

TEST_F(EntryWindowTest, NewEmptiesTheDocumentAndKeepsEmployeeAndDate) {
    chooseEmployee();
    window->dtpOrder->setDate(QDate(2011, 2, 3));
    drop(0);
    window->txtOrderID->setText(QStringLiteral("5"));
    window->cmdNew->click();
    EXPECT_EQ(window->lines().recordCount(), 0);
    EXPECT_EQ(window->dgrOrderDetails->model()->rowCount(), 0);
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_TRUE(window->txtOrderID->text().isEmpty());
    EXPECT_EQ(window->cboEmployee->currentText(), QStringLiteral("Ashdown, Mira"));
    EXPECT_EQ(window->dtpOrder->date(), QDate(2011, 2, 3));
    window->cmdNew->click();
    EXPECT_EQ(window->lines().recordCount(), 0);
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
}

TEST_F(EntryWindowTest, SuccessfulPostShowsTheNumberAndLocksTheDocumentUntilNew) {
    chooseEmployee();
    drop(0);
    drop(1);
    window->cmdSend->click();
    ASSERT_EQ(book.postings.size(), 1u);
    EXPECT_EQ(book.postings[0].employeeId, Variant(std::int64_t(7)));
    EXPECT_EQ(book.postings[0].lines.size(), 2u);
    EXPECT_EQ(ui.texts(), QStringList{TestEntryWindow::kPosted + QStringLiteral("42")});
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("42"));
    EXPECT_FALSE(window->cmdSend->isEnabled());
    EXPECT_FALSE(window->dgrOrderDetails->isEnabled());
    EXPECT_FALSE(window->hfgProducts->isEnabled());
    EXPECT_EQ(window->lines().recordCount(), 2);
    // Hourglass while posting, arrow afterwards.
    ASSERT_EQ(ui.pointers().size(), 2u);
    EXPECT_EQ(ui.pointers()[0].pointer, Pointer::Hourglass);
    EXPECT_EQ(ui.pointers()[1].pointer, Pointer::Arrow);
    EXPECT_EQ(book.productReads, 2); // the pick grid was read again

    window->cmdNew->click();
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_TRUE(window->dgrOrderDetails->isEnabled());
    EXPECT_TRUE(window->hfgProducts->isEnabled());
    EXPECT_TRUE(window->txtOrderID->text().isEmpty());
}

TEST_F(EntryWindowTest, FailedPostShowsTheFailureTextAndKeepsTheDocumentEditable) {
    chooseEmployee();
    drop(0);
    book.answer = QStringLiteral("Error Entering Order");
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Error Entering Order")});
    EXPECT_EQ(ui.messages().back().title, kAppTitle);
    EXPECT_EQ(window->lines().recordCount(), 1);
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_TRUE(window->dgrOrderDetails->isEnabled());
    EXPECT_TRUE(window->txtOrderID->text().isEmpty());
    EXPECT_EQ(ui.pointers().back().pointer, Pointer::Arrow);

    book.answer = QStringLiteral("43");
    window->cmdSend->click();
    EXPECT_EQ(book.postings.size(), 2u);
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("43"));
}

TEST_F(EntryWindowTest, PostChecksRunInOrderAndStopAtTheFirstFailure) {
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Specify Employee Name")});
    EXPECT_EQ(window->focusWidget(), window->cboEmployee);

    chooseEmployee();
    window->cmdSend->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("No items listed in Order Listbox!"));

    drop(0);
    drop(1);
    editCell(0, 2, QStringLiteral("500"));
    editCell(1, 2, QString());
    ui.clear();
    window->cmdSend->click();
    // The first line only warns; the second stops the post.
    EXPECT_EQ(ui.texts(), (QStringList{TestEntryWindow::kLargeQuantity, QStringLiteral("Specify Quantity")}));
    EXPECT_TRUE(book.postings.empty());
    EXPECT_TRUE(ui.pointers().empty());
}

TEST_F(EntryWindowTest, TypedNameOfNoEmployeeStopsThePostWithTheWindowsMessage) {
    window->cboEmployee->setEditText(QStringLiteral("Nobody, Here"));
    drop(0);
    window->cmdSend->click();
    EXPECT_TRUE(book.postings.empty());
    EXPECT_EQ(ui.texts(), QStringList{TestEntryWindow::kSpecifyEmployee});
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_TRUE(window->cboEmployee->isAncestorOf(window->focusWidget()));
    EXPECT_TRUE(ui.pointers().empty()) << "refused before anything is sent";
}

TEST_F(EntryWindowTest, PeriodBoxesFollowThePicker) {
    window->dtpOrder->setDate(QDate(2012, 11, 30));
    EXPECT_EQ(window->txtMonth->text(), QStringLiteral("11"));
    EXPECT_EQ(window->txtYear->text(), QStringLiteral("2012"));
    drop(0);
    EXPECT_EQ(line(0, QStringLiteral("Period")), QStringLiteral("11"));
    EXPECT_EQ(line(0, QStringLiteral("Year")), QStringLiteral("2012"));
    EXPECT_EQ(line(0, QStringLiteral("Date")), QStringLiteral("2012-11-30"));
    // The month box always shows the picker's month.
    window->txtMonth->setText(QStringLiteral("3"));
    EXPECT_EQ(window->txtMonth->text(), QStringLiteral("11"));
    EXPECT_TRUE(window->txtMonth->isReadOnly());
}

} // namespace

TEST(EntryWindowTexts, TheSharedTextsAreAsWritten) {
    expectPinnedTexts(
        EntryWindow::kSharedText,
        {
            {"Image1", "Left click mouse on a row and drag to bottom"},
            {"NoTotal", "$ 0.00"},
            {"NoEmployee", " No records was found in Employees Table "},
            {"ItemExists", "Item already exists!"},
            {"NoLines", "No items listed in the order detail section!"},
            {"AmountTooLarge",
             "The amount of this line is too large to be kept: enter a smaller quantity or price"},
            {"TotalTooLarge", "The lines are too large to be added up: enter smaller quantities or prices, "
                              "or post fewer lines"},
        });
}

TEST(PickGridMerging, EqualNeighboursOfAMergedColumnShowAsOneCellInEveryResult) {
    const auto result = [](std::vector<const char*> categories) {
        std::vector<std::vector<Variant>> rows;
        for (const char* c : categories)
            rows.push_back({Variant(QString::fromLatin1(c)), Variant(QStringLiteral("item"))});
        return Recordset::detached({{QStringLiteral("Category")}, {QStringLiteral("Item Code")}},
                                   std::move(rows));
    };
    PickGrid pick;
    pick.mergeEqualNeighbours(0);
    pick.setRecordset(result({"GEN", "GEN", "TOOLS", "GEN"}));
    EXPECT_EQ(pick.rowSpan(0, 0), 2);
    EXPECT_EQ(pick.rowSpan(2, 0), 1) << "only neighbours merge";
    EXPECT_EQ(pick.rowSpan(3, 0), 1);
    EXPECT_EQ(pick.rowSpan(0, 1), 1) << "other columns stay apart";
    pick.setRecordset(result({"TOOLS", "GEN", "GEN", "GEN"}));
    EXPECT_EQ(pick.rowSpan(0, 0), 1);
    EXPECT_EQ(pick.rowSpan(1, 0), 3) << "a new result is merged too";
}
