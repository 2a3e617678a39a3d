#include "frmIVSetup.h"

#include "IVRecords.h"
#include "ui/Controls.h"
#include "ui/UiServices.h"
#include "values/DataError.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = frmIVSetup::kText;

// The text of a key known only at run time (a control's name).
QString textOf(std::string_view key) {
    for (const PinnedText& entry : T)
        if (entry.key == key)
            return qtext(entry.text);
    return {};
}

// A list of a step captioned by its label, filled from a column of a table
// at load, checked for emptiness alone (a blank passes), typing stopped at
// its record field's width, a number field refusing letters.
SetupField stepList(const char* control, Cell cell, const char* column, std::string_view emptyMessage,
                    const char* table = nullptr, const char* listColumn = nullptr) {
    const QString name = QString::fromLatin1(control);
    SetupField field =
        name.startsWith(QLatin1String("cbo")) ? F::list(name, {}, cell) : F::text(name, {}, cell);
    field.caption = textOf((QStringLiteral("lbl") + name.mid(3)).toStdString());
    if (table)
        field.listedFrom(QString::fromLatin1(table), QString::fromLatin1(listColumn ? listColumn : column));
    return field.feeds(QString::fromLatin1(column))
        .whenEmpty(qtext(emptyMessage))
        .checkedAs(CheckAs::Text)
        .typingLimited()
        .refusingLetters();
}

QPushButton* button(QWidget* parent, const char* name) {
    return makeControl<QPushButton>(parent, QString::fromLatin1(name));
}

} // namespace

frmIVSetup::frmIVSetup(QWidget* parent)
    : Window(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Combo1(makeControl<QComboBox>(this, QStringLiteral("Combo1"))),
      cmdStkInsert(button(this, "cmdStkInsert")), cmdStkUpdate(button(this, "cmdStkUpdate")),
      cmdStkDelete(button(this, "cmdStkDelete")), cmdNew(button(this, "cmdNew")),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      cmdAcctInsert(button(this, "cmdAcctInsert")), cmdAcctUpdate(button(this, "cmdAcctUpdate")),
      cmdAcctDelete(button(this, "cmdAcctDelete")), Command1(button(this, "Command1")),
      Frame3(makeControl<QGroupBox>(this, QStringLiteral("Frame3"))),
      cmdItemInsert(button(this, "cmdItemInsert")), cmdItemUpdate(button(this, "cmdItemUpdate")),
      cmdItemDelete(button(this, "cmdItemDelete")), cmdItemNew(button(this, "cmdItemNew")) {
    auto* viewer = makeControl<QLabel>(Frame1, QStringLiteral("lblCombo1"));
    Combo1->setMinimumContentsLength(24);
    m_steps = {{{nullptr,
                 {cmdStkInsert, cmdStkUpdate, cmdStkDelete},
                 {&clsIVSetup::Send_Stock, &clsIVSetup::Update_Stock, &clsIVSetup::Delete_Stock}},
                {nullptr,
                 {cmdAcctInsert, cmdAcctUpdate, cmdAcctDelete},
                 {&clsIVSetup::Send_Acctset, &clsIVSetup::Update_Acctset, &clsIVSetup::Delete_Acctset}},
                {nullptr,
                 {cmdItemInsert, cmdItemUpdate, cmdItemDelete},
                 {&clsIVSetup::Send_Item, &clsIVSetup::Update_Item, &clsIVSetup::Delete_Item}}}};
    // Each step's fields in the order its check tests them and its lists fill.
    const char* coa = "COA_T";
    buildStep(Category, Frame1, "Temp_Product_Category_T", categoryRecordFields(),
              {stepList("cboCategory", {0, 0}, "Category_Name_VC", T["NoCategoryName"], "Product_Category_T")
                   .notShown(),
               stepList("txtCategoryID", {1, 0}, "Pdt_Category_VC", T["NoCategoryCode"]),
               stepList("cboSales", {0, 1}, "Sales_IN", T["NoSales"], coa, "GL_ID"),
               stepList("cboCOS", {1, 1}, "COS_IN", T["NoCOS"], coa, "GL_ID")},
              {cmdStkInsert, cmdStkDelete, cmdNew, cmdStkUpdate, viewer, Combo1});
    buildStep(
        AccountSet, Frame2, "Temp_Product_Accountset_T", accountSetRecordFields(),
        {stepList("cboAcctSet", {0, 0}, "Pdt_Acctset_VC", T["NoAcctSet"], "Product_AccountSet_T").notShown(),
         stepList("cboCosting", {1, 0}, "cost_method_VC", T["NoCosting"])
             .withEntries({qtext(T["CostingFIFO"]), qtext(T["CostingAVEG"])}),
         stepList("cboInventory", {0, 1}, "stock_IN", T["NoStock"], coa, "GL_ID"),
         stepList("cboPayable", {1, 1}, "payable_IN", T["NoPayable"], coa, "GL_ID"),
         stepList("cboShipment", {2, 1}, "shipment_IN", T["NoShipment"], coa, "GL_ID")},
        {cmdAcctInsert, cmdAcctUpdate, cmdAcctDelete, Command1});
    buildStep(
        Item, Frame3, "Temp_Product_T", itemRecordFields(),
        {stepList("cboPdtCode", {0, 0}, "Pdt_ID_VC", T["NoItemCode"], "Product_T").notShown(),
         stepList("cboPdtName", {1, 0}, "Pdt_Name_VC", T["NoItemName"], "Product_T"),
         stepList("cboPdtDescrip", {2, 0}, "Pdt_Descrip_VC", T["NoDescription"], "Product_T"),
         stepList("cboPdtCategory", {1, 1}, "Pdt_Category_VC", T["NoItemCategory"], "Product_Category_T"),
         stepList("cboCred", {0, 1}, "vat_code", T["NoVatCode"], "VAT_T"),
         stepList("cboAccountSet", {2, 1}, "Pdt_Acctset_VC", T["NoItemAcctSet"], "Product_AccountSet_T")},
        {cmdItemInsert, cmdItemUpdate, cmdItemDelete, cmdItemNew});
    txtCategoryID = findChild<QLineEdit*>(QStringLiteral("txtCategoryID"));
    // clang-format off
    for (const auto& [list, name] : std::initializer_list<std::pair<QComboBox**, const char*>>{
             {&cboCategory, "cboCategory"}, {&cboSales, "cboSales"}, {&cboCOS, "cboCOS"},
             {&cboAcctSet, "cboAcctSet"}, {&cboCosting, "cboCosting"}, {&cboInventory, "cboInventory"},
             {&cboPayable, "cboPayable"}, {&cboShipment, "cboShipment"}, {&cboPdtCode, "cboPdtCode"},
             {&cboPdtName, "cboPdtName"}, {&cboPdtDescrip, "cboPdtDescrip"}, {&cboPdtCategory, "cboPdtCategory"},
             {&cboCred, "cboCred"}, {&cboAccountSet, "cboAccountSet"}})
        *list = findChild<QComboBox*>(QString::fromLatin1(name));
    // clang-format on
    for (const Step& step : m_steps) {
        for (const SetupRequest kind : {SetupRequest::Create, SetupRequest::Update, SetupRequest::Delete})
            onClick(step.buttons[static_cast<int>(kind)], [this, &step, kind] { request(step, kind); });
    }
    onClick(cmdNew, [this] { cmdNew_Click(); });
    onClick(Command1, [this] { Command1_Click(); });
    onClick(cmdItemNew, [this] { cmdItemNew_Click(); });
    onChoice(cboCategory, [this] { cboCategory_Click(); });
    onChoice(cboAcctSet, [this] { cboAcctSet_Click(); });
    onChoice(cboPdtCode, [this] { cboPdtCode_Click(); });
    for (QComboBox* box : {cboInventory, cboCred, cboPdtCategory, cboAccountSet})
        onChoice(box, [this] { cmdNew->click(); });

    auto* page = new QVBoxLayout(this);
    for (QWidget* frame : {Frame1, Frame2, Frame3})
        page->addWidget(frame);
    page->addStretch(1);
    applyCaptions(this, kText);
    resize(760, 520);
}

frmIVSetup::~frmIVSetup() = default;

void frmIVSetup::buildStep(int step, QGroupBox* frame, const char* staging, std::vector<FieldDef> record,
                           std::vector<SetupField> fields, const std::vector<QWidget*>& row) {
    // Two columns of labelled fields, the buttons in a row beneath.
    m_steps[step].section = (new SetupSection(this, std::move(record), std::move(fields)))
                                ->stagedIn(QString::fromLatin1(staging));
    auto* grid = new QGridLayout;
    m_steps[step].section->layOut(grid);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : row)
        buttons->addWidget(w);
    buttons->addStretch(1);
    auto* v = new QVBoxLayout(frame);
    v->addLayout(grid);
    v->addLayout(buttons);
}

void frmIVSetup::Form_Load() {
    guarded([&] { m_data = std::make_unique<clsIVSetup>(); });
    for (const Step& step : m_steps) {
        if (m_data)
            guarded([&] { step.section->takeWidths(m_data->textWidths(step.section->stagingTable())); });
    }
    for (const Step& step : m_steps)
        step.section->fillLists([this](const QString& table) { return readTable(table); });
    guarded([&] {
        Combo1->clear();
        for (RowView row : readTable(QStringLiteral("COA_T")).rows())
            Combo1->addItem(row.text(QStringLiteral("GL_ID")) + QStringLiteral("-") +
                            row.text(QStringLiteral("GL_Name_VC")));
    });
    Create_New_Stock();
    Create_New_Acctset();
    Create_New_Item();
}

clsIVSetup& frmIVSetup::data() {
    if (!m_data)
        throw DataError(
            QStringLiteral("The inventory data could not be opened; close the window and open it again"));
    return *m_data;
}

// clang-format off
void frmIVSetup::Create_New_Stock() { m_steps[Category].section->buildStaging(); }
void frmIVSetup::Create_New_Acctset() { m_steps[AccountSet].section->buildStaging(); }
void frmIVSetup::Create_New_Item() { m_steps[Item].section->buildStaging(); }
bool frmIVSetup::Validate_Product_Category() { return runChecks(m_steps[Category].section->checks()); }
bool frmIVSetup::Validate_Acctset() { return runChecks(m_steps[AccountSet].section->checks()); }
bool frmIVSetup::Validate_Item() { return runChecks(m_steps[Item].section->checks()); }
// clang-format on

void frmIVSetup::request(const Step& step, SetupRequest request) {
    const Writer writer = step.writers[static_cast<int>(request)];
    const QString keyList = step.section->fields().front().control;
    if (step.section->request(
            request, [&](const Recordset& record) { return (data().*writer)(record); },
            [&] {
                step.section->fillList(keyList, [this](const QString& table) { return readTable(table); });
            },
            [this] { Reset_Setup_Fields(); }))
        step.buttons[static_cast<int>(request)]->setEnabled(false);
}

void frmIVSetup::Reset_Setup_Fields() {
    for (const Step& step : m_steps)
        step.section->clear();
}

void frmIVSetup::cmdNew_Click() {
    m_steps[Category].section->clear();
    for (const Step& step : m_steps) {
        for (QPushButton* b : step.buttons)
            b->setEnabled(true);
    }
    Create_New_Stock();
    Create_New_Acctset();
    Create_New_Item();
}

void frmIVSetup::Command1_Click() {
    m_steps[AccountSet].section->clear();
}

void frmIVSetup::cmdItemNew_Click() {
    UiServices::current().message(qtext(kText["Reopen"]));
    m_steps[Item].section->clear();
}

void frmIVSetup::cboCategory_Click() {
    const QString name = cboCategory->currentText();
    m_steps[Category].section->showPicked(data().Get_Stock_Details(name), qtext(kText["CategoryGone"]), name);
}

void frmIVSetup::cboAcctSet_Click() {
    const QString name = cboAcctSet->currentText();
    if (m_steps[AccountSet].section->showPicked(data().Get_AcctSet_Details(name),
                                                qtext(kText["AccountSetGone"]), name))
        cmdNew->click();
}

void frmIVSetup::cboPdtCode_Click() {
    const QString code = cboPdtCode->currentText();
    if (m_steps[Item].section->showPicked(data().Get_Item_Details(code), qtext(kText["ItemGone"]), code))
        cmdNew->click();
}

} // namespace orv
