// The inventory set-up window: its three steps' checks, requests and "New"
// buttons, the picks and which of them enable the request buttons, and what
// the window refuses before anything reaches its records.
#include "inventory/frmIVSetup.h"
#include "inventory/IVRecords.h"
#include "support/TestBook.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/WindowTest.h"
#include "uicore/Controls.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orv;

namespace {

class frmIVSetupTest : public test::WindowTest<test::TestBook, frmIVSetup> {
protected:
    QString press(QPushButton* button) {
        ui.clear();
        button->click();
        return ui.lastText();
    }
    void fillCategory(const QString& name, const QString& code, const QString& sales = "4000",
                      const QString& cos = "5000") {
        setFieldText(window->cboCategory, name);
        window->txtCategoryID->setText(code);
        setFieldText(window->cboSales, sales);
        setFieldText(window->cboCOS, cos);
    }
    void fillAccountSet(const QString& name, const QString& method, const QString& stock = "1300",
                        const QString& payable = "2100", const QString& shipment = "1310") {
        setFieldText(window->cboAcctSet, name);
        setFieldText(window->cboCosting, method);
        setFieldText(window->cboInventory, stock);
        setFieldText(window->cboPayable, payable);
        setFieldText(window->cboShipment, shipment);
    }
    void fillItem(const QString& code, const QString& category = "GEN", const QString& set = "STANDARD",
                  const QString& vat = "1") {
        setFieldText(window->cboPdtCode, code);
        setFieldText(window->cboPdtName, QStringLiteral("Widget"));
        setFieldText(window->cboPdtDescrip, QStringLiteral("A small widget"));
        setFieldText(window->cboPdtCategory, category);
        setFieldText(window->cboCred, vat);
        setFieldText(window->cboAccountSet, set);
    }
    std::vector<QWidget*> fields() const {
        return {window->cboCategory,    window->txtCategoryID, window->cboSales,     window->cboCOS,
                window->cboAcctSet,     window->cboCosting,    window->cboInventory, window->cboPayable,
                window->cboShipment,    window->cboPdtCode,    window->cboPdtName,   window->cboPdtDescrip,
                window->cboPdtCategory, window->cboCred,       window->cboAccountSet};
    }
    std::vector<QPushButton*> requestButtons() const {
        return {window->cmdStkInsert,  window->cmdStkUpdate,  window->cmdStkDelete,
                window->cmdAcctInsert, window->cmdAcctUpdate, window->cmdAcctDelete,
                window->cmdItemInsert, window->cmdItemUpdate, window->cmdItemDelete};
    }
    int enabledButtons() const {
        int n = 0;
        for (QPushButton* b : requestButtons())
            n += b->isEnabled();
        return n;
    }
    void expectAllFieldsEmpty() const {
        for (QWidget* f : fields())
            EXPECT_EQ(fieldText(f), QString()) << f->objectName().toStdString();
    }
};

TEST(frmIVSetupTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(
        frmIVSetup::kText,
        {
            {"frmIVSetup", "INVENTORY SET-UP"},
            {"Frame1", "[ STEP 1 ]  RODUCT CATEGORY SET UP"},
            {"lblCategory", "Category Name :"},
            {"lblCategoryID", "Category Code :"},
            {"lblSales", "Sales Code :"},
            {"lblCOS", "COS Code :"},
            {"lblCombo1", "[ VIEW A/C NAME ]"},
            {"cmdStkInsert", "Insert"},
            {"cmdStkUpdate", "Update"},
            {"cmdStkDelete", "Delete"},
            {"cmdNew", "New"},
            {"Frame2", "[ STEP 2 ]  ACCOUNTING CODE SET UP"},
            {"lblAcctSet", "Product Account Set :"},
            {"lblCosting", "Costing Method :"},
            {"CostingFIFO", "FIFO"},
            {"CostingAVEG", "AVEG"},
            {"lblInventory", "Inventory AcctCode :"},
            {"lblPayable", "Payable AcctCode :"},
            {"lblShipment", "Shipment AcctCode :"},
            {"cmdAcctInsert", "Insert"},
            {"cmdAcctUpdate", "Update"},
            {"cmdAcctDelete", "Delete"},
            {"Command1", "New"},
            {"Frame3", "[ STEP 3 ]  ITEM CODE SET UP"},
            {"lblPdtCode", "Product Code :"},
            {"lblPdtName", "Product Name :"},
            {"lblPdtDescrip", "Product Descrip :"},
            {"lblCred", "VAT Code :"},
            {"lblPdtCategory", "Product Category :"},
            {"lblAccountSet", "Account Set :"},
            {"cmdItemInsert", "Insert"},
            {"cmdItemUpdate", "Update"},
            {"cmdItemDelete", "Delete"},
            {"cmdItemNew", "New"},
            {"NoCategoryName", "Enter Category Name"},
            {"NoCategoryCode", "Enter Category Code"},
            {"NoSales", "Enter Sales Code"},
            {"NoCOS", "Enter COS Code"},
            {"NoAcctSet", "Enter Account Set"},
            {"NoCosting", "Enter Costing Method"},
            {"NoStock", "Enter stock Code"},
            {"NoPayable", "Enter Payable Code"},
            {"NoShipment", "Enter Shipment Code"},
            {"NoItemCode", "Enter Item Code"},
            {"NoItemName", "Enter Item Name"},
            {"NoDescription", "Enter Description"},
            {"NoItemCategory", "Enter Category Code"},
            {"NoVatCode", "Enter VAT Code"},
            {"NoItemAcctSet", "Enter Account Setting Code"},
            {"Reopen", " Reopen INVENTORY SET-UP screen,if you have just amended or created a New Category "},
            // The window's own, where a pick finds its key gone.
            {"CategoryGone", "No product category is named \"%1\""},
            {"AccountSetGone", "No account set is named \"%1\""},
            {"ItemGone", "No item has the code \"%1\""},
        });
}

TEST_F(frmIVSetupTest, OpensWithItsStepsListsAndAccountViewer) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("INVENTORY SET-UP"));
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("[ STEP 1 ]  RODUCT CATEGORY SET UP"));
    EXPECT_EQ(window->Frame2->title(), QStringLiteral("[ STEP 2 ]  ACCOUNTING CODE SET UP"));
    EXPECT_EQ(window->Frame3->title(), QStringLiteral("[ STEP 3 ]  ITEM CODE SET UP"));
    EXPECT_EQ(window->cmdStkInsert->text(), QStringLiteral("Insert"));
    EXPECT_EQ(window->cmdItemNew->text(), QStringLiteral("New"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCombo1"))->text(),
              QStringLiteral("[ VIEW A/C NAME ]"));
    EXPECT_EQ(items(window->cboCategory), QStringList{"General Goods"});
    EXPECT_EQ(items(window->cboPdtCategory), QStringList{"GEN"}) << "step 3 lists codes, not names";
    EXPECT_EQ(items(window->cboAcctSet), QStringList{"STANDARD"});
    EXPECT_EQ(items(window->cboCred), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(items(window->cboCosting), (QStringList{"FIFO", "AVEG"}));
    EXPECT_EQ(window->Combo1->itemText(0), QStringLiteral("1000-Cash at Bank"));
    EXPECT_EQ(window->Combo1->count(), window->cboSales->count());
    EXPECT_EQ(enabledButtons(), 9);
    expectAllFieldsEmpty();
}

TEST_F(frmIVSetupTest, EachCheckStopsAtItsFirstEmptyFieldAndBlanksPass) {
    open();
    const struct {
        QPushButton* button;
        std::vector<std::pair<QWidget*, const char*>> order;
    } steps[] = {
        {window->cmdStkInsert,
         {{window->cboCategory, "Enter Category Name"},
          {window->txtCategoryID, "Enter Category Code"},
          {window->cboSales, "Enter Sales Code"},
          {window->cboCOS, "Enter COS Code"}}},
        {window->cmdAcctDelete,
         {{window->cboAcctSet, "Enter Account Set"},
          {window->cboCosting, "Enter Costing Method"},
          {window->cboInventory, "Enter stock Code"},
          {window->cboPayable, "Enter Payable Code"},
          {window->cboShipment, "Enter Shipment Code"}}},
        {window->cmdItemUpdate,
         {{window->cboPdtCode, "Enter Item Code"},
          {window->cboPdtName, "Enter Item Name"},
          {window->cboPdtDescrip, "Enter Description"},
          {window->cboPdtCategory, "Enter Category Code"},
          {window->cboCred, "Enter VAT Code"},
          {window->cboAccountSet, "Enter Account Setting Code"}}},
    };
    for (const auto& step : steps) {
        for (const auto& [field, message] : step.order) {
            EXPECT_EQ(press(step.button), QString::fromLatin1(message));
            EXPECT_EQ(ui.messages().back().title, kAppTitle);
            EXPECT_TRUE(focusedIn(field)) << message;
            setFieldText(field, QStringLiteral(" ")); // a blank counts as filled
        }
    }
    EXPECT_TRUE(window->Validate_Product_Category());
    EXPECT_TRUE(window->Validate_Acctset());
    EXPECT_TRUE(window->Validate_Item());
    EXPECT_EQ(enabledButtons(), 9) << "a failed check changes no button";
    EXPECT_EQ(count(QStringLiteral("Temp_Product_T")), 0);
}

TEST_F(frmIVSetupTest, ARequestEmptiesEveryStepReadsEveryListAgainAndDisablesItsButton) {
    open();
    fillAccountSet(QStringLiteral("PARTS"), QStringLiteral("AVEG"));
    fillItem(QStringLiteral("W-1"));
    fillCategory(QStringLiteral("Hardware"), QStringLiteral("HW"));
    EXPECT_EQ(press(window->cmdStkInsert), QStringLiteral("Product Category code created under : Hardware"));
    EXPECT_EQ(ui.messages().back().title, kAppTitle);
    expectAllFieldsEmpty();
    EXPECT_EQ(items(window->cboCategory), (QStringList{"General Goods", "Hardware"}));
    EXPECT_EQ(items(window->cboPdtCategory), (QStringList{"GEN", "HW"})) << "step 3 lists the new category";
    EXPECT_FALSE(window->cmdStkInsert->isEnabled());
    EXPECT_EQ(enabledButtons(), 8);

    fillCategory(QStringLiteral("Tools"), QStringLiteral("TL"));
    EXPECT_EQ(press(window->cmdStkInsert), QString()) << "the pressed button stays disabled";
    EXPECT_EQ(count(QStringLiteral("Product_Category_T")), 2);

    fillAccountSet(QStringLiteral("PARTS"), QStringLiteral("AVEG"));
    EXPECT_EQ(press(window->cmdAcctInsert), QStringLiteral("Product Account code created under : PARTS"));
    EXPECT_EQ(items(window->cboAccountSet), (QStringList{"STANDARD", "PARTS"}));
    EXPECT_EQ(items(window->cboAcctSet), (QStringList{"STANDARD", "PARTS"}));

    fillItem(QStringLiteral("W-1"), QStringLiteral("HW"), QStringLiteral("PARTS"));
    EXPECT_EQ(press(window->cmdItemInsert), QStringLiteral("Item code created under : W-1"))
        << "codes just created are listed";
    EXPECT_EQ(scalar(QStringLiteral("SELECT Qty_On_Hand FROM Stock_Item_T WHERE Pdt_ID_VC = 'W-1'")),
              QStringLiteral("0"));
    EXPECT_EQ(items(window->cboPdtCode), QStringList{"W-1"});
    EXPECT_EQ(items(window->cboPdtName), QStringList{"Widget"});
    EXPECT_EQ(enabledButtons(), 6);

    window->cmdNew->click();
    EXPECT_EQ(enabledButtons(), 9) << "step 1's New enables all nine";
}

TEST_F(frmIVSetupTest, RefusedRequestsSayWhyAndKeepWhatWasTyped) {
    addCategory(QStringLiteral("HW"), QStringLiteral("Hardware"));
    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"), QStringLiteral("HW"));
    open();
    const struct {
        std::function<void()> fill;
        QPushButton* button;
        QString failure;
        QWidget* named; // the box the reason names
    } cases[] = {
        {[&] { fillItem(QStringLiteral("w-1")); }, window->cmdItemInsert, clsIVSetup::kItemFailed.create,
         window->cboPdtCode},
        {[&] { fillItem(QStringLiteral("W-2"), QStringLiteral("NOPE")); }, window->cmdItemInsert, QString(),
         window->cboPdtCategory},
        {[&] { fillItem(QStringLiteral("W-1"), QStringLiteral("HW"), QStringLiteral("NOPE")); },
         window->cmdItemUpdate, clsIVSetup::kItemFailed.update, window->cboAccountSet},
        {[&] { fillAccountSet(QStringLiteral("PARTS"), QStringLiteral("FIFO"), "1300", "1300"); },
         window->cmdAcctInsert, QString(), window->cboInventory},
        {[&] { fillAccountSet(QStringLiteral("PARTS"), QStringLiteral("LIFO")); }, window->cmdAcctInsert,
         QString(), window->cboCosting},
        {[&] { fillCategory(QStringLiteral("Hardware"), QStringLiteral("HW")); }, window->cmdStkDelete,
         clsIVSetup::kStockFailed.remove, window->txtCategoryID},
    };
    for (const auto& c : cases) {
        c.fill();
        const QString typed = fieldText(c.named);
        // A creation's failure text says the code exists: for another reason
        // the clerk reads the reason alone.
        const QStringList answer = press(c.button).split(QLatin1Char('\n'));
        ASSERT_EQ(answer.size(), c.failure.isEmpty() ? 1 : 2);
        EXPECT_EQ(answer[0] == c.failure, !c.failure.isEmpty()) << "never a sentence of success";
        EXPECT_FALSE(answer.back().isEmpty()) << "the clerk reads why";
        EXPECT_EQ(fieldText(c.named), typed) << "nothing typed is lost";
        EXPECT_TRUE(focusedIn(c.named)) << c.named->objectName().toStdString();
        EXPECT_TRUE(c.button->isEnabled());
        window->Reset_Setup_Fields();
    }
    EXPECT_EQ(count(QStringLiteral("Product_AccountSet_T")), 1);
    EXPECT_EQ(count(QStringLiteral("Product_Category_T")), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Pdt_Acctset_VC FROM Product_T")), QStringLiteral("STANDARD"));
}

TEST_F(frmIVSetupTest, PicksFillTheirStepAndOnlySetAndItemPicksPressNew) {
    addCategory(QStringLiteral("HW"), QStringLiteral("O'Hara Tools"), 4100, 5100);
    addAccountSet(QStringLiteral("PARTS"), 1300, 2100, 1310, QStringLiteral("AVEG"));
    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"), QStringLiteral("HW"), QStringLiteral("PARTS"),
            2);
    open();
    fillCategory(QStringLiteral("O'Hara Tools"), QStringLiteral("HW"), QStringLiteral("4100"),
                 QStringLiteral("5100"));
    press(window->cmdStkUpdate); // all fields emptied, the button disabled
    ASSERT_EQ(enabledButtons(), 8);

    choose(window->cboCategory, QStringLiteral("O'Hara Tools"));
    EXPECT_EQ(window->txtCategoryID->text() + fieldText(window->cboSales) + fieldText(window->cboCOS),
              QStringLiteral("HW41005100"));
    EXPECT_EQ(enabledButtons(), 8) << "a category pick enables nothing";

    choose(window->cboAcctSet, QStringLiteral("PARTS"));
    EXPECT_EQ(fieldText(window->cboCosting) + fieldText(window->cboInventory) +
                  fieldText(window->cboPayable) + fieldText(window->cboShipment),
              QStringLiteral("AVEG130021001310"));
    EXPECT_EQ(window->txtCategoryID->text(), QString()) << "the pick pressed New, which empties step 1";
    EXPECT_EQ(enabledButtons(), 9);

    press(window->cmdAcctUpdate);
    choose(window->cboPdtCode, QStringLiteral("W-1"));
    EXPECT_EQ(fieldText(window->cboPdtName) + "|" + fieldText(window->cboPdtDescrip) + "|" +
                  fieldText(window->cboPdtCategory) + "|" + fieldText(window->cboCred) + "|" +
                  fieldText(window->cboAccountSet),
              QStringLiteral("Widget|Widget (each)|HW|2|PARTS"));
    EXPECT_EQ(enabledButtons(), 9);

    press(window->cmdItemDelete);
    choose(window->cboCred, QStringLiteral("3"));
    EXPECT_EQ(enabledButtons(), 9) << "a VAT code pick presses New too";
}

TEST_F(frmIVSetupTest, TabFinishesEachStepWithItsOwnButtonsBeforeTheNext) {
    open();
    window->orderTabsByReading();
    QApplication::setActiveWindow(window.get());
    window->cboCategory->setFocus(Qt::TabFocusReason);
    QStringList walked;
    for (int i = 0; i < 19; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        walked << (focus ? focus->objectName() : QStringLiteral("(none)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked.mid(4, 5),
              (QStringList{"Combo1", "cmdStkInsert", "cmdStkDelete", "cmdNew", "cmdStkUpdate"}))
        << walked.join(' ').toStdString();
    EXPECT_EQ(walked.mid(9, 1), QStringList{"cboAcctSet"});
    EXPECT_EQ(walked.mid(14, 5),
              (QStringList{"cmdAcctInsert", "cmdAcctUpdate", "cmdAcctDelete", "Command1", "cboPdtCode"}));
}

TEST_F(frmIVSetupTest, ThirdStepsNewRemindsToReopenBeforeEmptyingItsFields) {
    open();
    fillItem(QStringLiteral("W-1"));
    fillAccountSet(QStringLiteral("PARTS"), QStringLiteral("FIFO"));
    EXPECT_EQ(press(window->cmdItemNew), qtext(frmIVSetup::kText["Reopen"]));
    EXPECT_EQ(ui.messages().back().title, kAppTitle);
    EXPECT_EQ(fieldText(window->cboPdtCode), QString());
    EXPECT_EQ(fieldText(window->cboAccountSet), QString());
    EXPECT_EQ(fieldText(window->cboAcctSet), QStringLiteral("PARTS"));
    window->Command1->click();
    EXPECT_EQ(fieldText(window->cboAcctSet), QString());
    EXPECT_EQ(ui.messages().size(), 1u) << "step 2's New says nothing";
}

TEST_F(frmIVSetupTest, WhatARecordCannotHoldIsRefusedBeforeAnythingIsSent) {
    open();
    fillCategory(QStringLiteral("Hardware"), QStringLiteral("HW"), QStringLiteral("40a0"));
    EXPECT_EQ(press(window->cmdStkInsert), QStringLiteral("Sales Code : Enter numerical and not character"));
    EXPECT_EQ(ui.messages().back().title, kTitleInvalidInput);
    EXPECT_TRUE(focusedIn(window->cboSales));
    EXPECT_EQ(window->cboSales->lineEdit()->selectedText(), QStringLiteral("40a0"));
    EXPECT_EQ(fieldText(window->cboCategory), QStringLiteral("Hardware")) << "nothing typed is lost";
    EXPECT_TRUE(window->cmdStkInsert->isEnabled());

    fillItem(QStringLiteral("W-1"), QStringLiteral("GEN"), QStringLiteral("STANDARD"),
             QStringLiteral("3000000000"));
    EXPECT_EQ(press(window->cmdItemInsert),
              QStringLiteral("VAT Code: the number is too long; type one of fewer digits"));
    fillAccountSet(QStringLiteral("PARTS"), QStringLiteral("FIFO"), QStringLiteral(" "));
    EXPECT_EQ(press(window->cmdAcctInsert),
              QStringLiteral("Inventory AcctCode : Enter numerical and not character"));
    EXPECT_EQ(count(QStringLiteral("Temp_Product_T")) + count(QStringLiteral("Temp_Product_Accountset_T")) +
                  count(QStringLiteral("Temp_Product_Category_T")),
              0);

    // Typing stops at each field's width.
    window->txtCategoryID->clear();
    type(window->txtCategoryID, QString(25, QLatin1Char('C')));
    EXPECT_EQ(window->txtCategoryID->text().size(), 20);
    setFieldText(window->cboCategory, QString());
    type(window->cboCategory, QString(20, QLatin1Char('N')));
    EXPECT_EQ(fieldText(window->cboCategory).size(), 15);
    setFieldText(window->cboCosting, QString());
    type(window->cboCosting, QStringLiteral("AVERAGE"));
    EXPECT_EQ(fieldText(window->cboCosting), QStringLiteral("AVERA"));
}

TEST_F(frmIVSetupTest, APickRemovedSinceLoadingSaysSoAndChangesNothing) {
    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"));
    open();
    clsIVSetup other; // another window deletes the item meanwhile
    Recordset gone = buildRecord(itemRecordFields(), true);
    assignText(gone, QStringLiteral("Pdt_ID_VC"), QStringLiteral("W-1"));
    fillCategory(QStringLiteral("Tools"), QStringLiteral("TL"));
    press(window->cmdStkInsert); // its button disabled
    ASSERT_NE(other.Delete_Item(gone), clsIVSetup::kItemFailed.remove);
    setFieldText(window->cboPdtName, QStringLiteral("typed"));
    ui.clear();
    choose(window->cboPdtCode, QStringLiteral("W-1"));
    EXPECT_EQ(ui.lastText(), qtext(frmIVSetup::kText["ItemGone"]).arg(QStringLiteral("W-1")));
    EXPECT_EQ(fieldText(window->cboPdtName), QStringLiteral("typed"));
    EXPECT_EQ(enabledButtons(), 8) << "no New is pressed";
}

} // namespace
