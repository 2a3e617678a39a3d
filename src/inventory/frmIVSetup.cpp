#include "frmIVSetup.h"

#include "IVRecords.h"
#include "uicore/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = frmIVSetup::kText;
const QString kChart = QStringLiteral("COA_T");
const QString kCode = QStringLiteral("GL_ID");

// A field of a step under the caption of its label, checked for emptiness
// alone (a blank passes), typing stopped at its record field's width, a
// number field refusing letters; a list is filled from a table's column, by
// default the field's own.
template <class Box>
SetupField stepField(const char* control, Box*& member, Cell cell, const char* column, std::string_view empty,
                     const QString& table = {}, const QString& listColumn = {}) {
    const QString name = QString::fromLatin1(control);
    const QString caption = T.textOf(QStringLiteral("lbl") + name.mid(3));
    SetupField field =
        name.startsWith(QLatin1String("cbo")) ? F::list(name, caption, cell) : F::text(name, caption, cell);
    if (!table.isEmpty())
        field.listedFrom(table, listColumn.isEmpty() ? QString::fromLatin1(column) : listColumn);
    return field.feeds(QString::fromLatin1(column))
        .whenEmpty(qtext(empty))
        .checkedAs(CheckAs::Text)
        .typingLimited()
        .refusingLetters()
        .into(member);
}

} // namespace

frmIVSetup::frmIVSetup(QWidget* parent)
    : SetupWindowOver(Writers{}, parent, Frame::SectionsOnly),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      Frame3(makeControl<QGroupBox>(this, QStringLiteral("Frame3"))),
      Combo1(makeControl<QComboBox>(this, QStringLiteral("Combo1"))) {
    makeControl<QLabel>(this, QStringLiteral("lblCombo1"));
    Combo1->setMinimumContentsLength(24);
    constexpr unsigned kStep = kDisablesButton | kEmptiesEverySection;
    const QString categories = QStringLiteral("Product_Category_T");
    const QString sets = QStringLiteral("Product_AccountSet_T");
    const QString items = QStringLiteral("Product_T");
    // Each step's fields in the order its check tests them and its lists fill.
    m_category = addStep(
        Frame1, "Temp_Product_Category_T", categoryRecordFields(),
        {stepField("cboCategory", cboCategory, {0, 0}, "Category_Name_VC", T["NoCategoryName"], categories)
             .notShown(),
         stepField("txtCategoryID", txtCategoryID, {1, 0}, "Pdt_Category_VC", T["NoCategoryCode"]),
         stepField("cboSales", cboSales, {0, 1}, "Sales_IN", T["NoSales"], kChart, kCode),
         stepField("cboCOS", cboCOS, {1, 1}, "COS_IN", T["NoCOS"], kChart, kCode)},
        {"cmdStk", "cmdNew", {&cmdStkInsert, &cmdStkUpdate, &cmdStkDelete, nullptr}},
        {.missing = qtext(T["CategoryGone"]),
         .flags = kStep | kPickKeepsButtons,
         .row = {"cmdStkInsert", "cmdStkDelete", "cmdNew", "cmdStkUpdate", "lblCombo1", "Combo1"}},
        {&clsIVSetup::Get_Stock_Details, &clsIVSetup::Send_Stock, &clsIVSetup::Update_Stock,
         &clsIVSetup::Delete_Stock});
    m_accountSet = addStep(
        Frame2, "Temp_Product_Accountset_T", accountSetRecordFields(),
        {stepField("cboAcctSet", cboAcctSet, {0, 0}, "Pdt_Acctset_VC", T["NoAcctSet"], sets).notShown(),
         stepField("cboCosting", cboCosting, {1, 0}, "cost_method_VC", T["NoCosting"])
             .withEntries({qtext(T["CostingFIFO"]), qtext(T["CostingAVEG"])}),
         stepField("cboInventory", cboInventory, {0, 1}, "stock_IN", T["NoStock"], kChart, kCode),
         stepField("cboPayable", cboPayable, {1, 1}, "payable_IN", T["NoPayable"], kChart, kCode),
         stepField("cboShipment", cboShipment, {2, 1}, "shipment_IN", T["NoShipment"], kChart, kCode)},
        {"cmdAcct", "Command1", {&cmdAcctInsert, &cmdAcctUpdate, &cmdAcctDelete, &Command1}},
        {.missing = qtext(T["AccountSetGone"]), .flags = kStep},
        {&clsIVSetup::Get_AcctSet_Details, &clsIVSetup::Send_Acctset, &clsIVSetup::Update_Acctset,
         &clsIVSetup::Delete_Acctset});
    m_item = addStep(
        Frame3, "Temp_Product_T", itemRecordFields(),
        {stepField("cboPdtCode", cboPdtCode, {0, 0}, "Pdt_ID_VC", T["NoItemCode"], items).notShown(),
         stepField("cboPdtName", cboPdtName, {1, 0}, "Pdt_Name_VC", T["NoItemName"], items),
         stepField("cboPdtDescrip", cboPdtDescrip, {2, 0}, "Pdt_Descrip_VC", T["NoDescription"], items),
         stepField("cboPdtCategory", cboPdtCategory, {1, 1}, "Pdt_Category_VC", T["NoItemCategory"],
                   categories),
         stepField("cboCred", cboCred, {0, 1}, "vat_code", T["NoVatCode"])
             .listedFrom(QStringLiteral("VAT_T"), QStringLiteral("vat_code")),
         stepField("cboAccountSet", cboAccountSet, {2, 1}, "Pdt_Acctset_VC", T["NoItemAcctSet"], sets)},
        {"cmdItem", "cmdItemNew", {&cmdItemInsert, &cmdItemUpdate, &cmdItemDelete, &cmdItemNew}},
        {.missing = qtext(T["ItemGone"]), .flags = kStep, .clearNote = qtext(T["Reopen"])},
        {&clsIVSetup::Get_Item_Details, &clsIVSetup::Send_Item, &clsIVSetup::Update_Item,
         &clsIVSetup::Delete_Item});
    for (QComboBox* box : {cboInventory, cboCred, cboPdtCategory, cboAccountSet})
        onChoice(box, [this] { cmdNew->click(); });

    auto* page = new QVBoxLayout(this);
    for (QWidget* frame : {Frame1, Frame2, Frame3})
        page->addWidget(frame);
    page->addStretch(1);
    applyCaptions(this, kText);
    resize(760, 520);
}

SetupSection* frmIVSetup::addStep(QGroupBox* frame, const char* staging, std::vector<FieldDef> record,
                                  std::vector<SetupField> fields, const Buttons& buttons,
                                  SectionRequests requests, Writers writers) {
    const QString stem = QString::fromLatin1(buttons.stem);
    requests.create = stem + QStringLiteral("Insert");
    requests.update = stem + QStringLiteral("Update");
    requests.remove = stem + QStringLiteral("Delete");
    requests.clear = QString::fromLatin1(buttons.clear);
    requests.record = std::move(record);
    readsAndWriters(requests, writers);
    const QString names[] = {requests.create, requests.update, requests.remove, requests.clear};
    SetupSection* step = addSection(frame, std::move(fields), std::move(requests));
    for (int i = 0; i < 4; ++i) {
        if (buttons.members[i])
            *buttons.members[i] = findChild<QPushButton*>(names[i]);
    }
    // The step's buttons go by the window's captions, not the frame's.
    for (QPushButton* b : frame->findChildren<QPushButton*>())
        b->setText(T.textOf(b->objectName()));
    // Two columns of labelled fields, the boxes taking the room.
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return step->stagedIn(QString::fromLatin1(staging));
}

std::vector<SetupWindow::ListFill> frmIVSetup::lists() const {
    std::vector<ListFill> fills = SetupWindowOver::lists();
    fills.push_back({Combo1, kChart, {}, false, [](const RowView& row) {
                         return row.text(kCode) + QStringLiteral("-") +
                                row.text(QStringLiteral("GL_Name_VC"));
                     }});
    return fills;
}

void frmIVSetup::cmdNew_Click() {
    m_category->clear();
    SetupWindowOver::cmdNew_Click();
}

} // namespace orv
