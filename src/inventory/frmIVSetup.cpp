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

// A field of a step: checked for emptiness alone (a blank passes), typing
// stopped at its record field's width, a number field refusing letters.
SetupField stepField(SetupField field, const char* column, const char* emptyMessage) {
    return field.feeds(QString::fromLatin1(column))
        .whenEmpty(QString::fromLatin1(emptyMessage))
        .checkedAs(CheckAs::Text)
        .typingLimited()
        .refusingLetters();
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = makeControl<QPushButton>(parent, QString::fromLatin1(name));
    b->setText(QString::fromLatin1(caption));
    return b;
}

} // namespace

frmIVSetup::frmIVSetup(QWidget* parent)
    : Window(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Combo1(makeControl<QComboBox>(this, QStringLiteral("Combo1"))),
      cmdStkInsert(button(this, "cmdStkInsert", "Insert")),
      cmdStkUpdate(button(this, "cmdStkUpdate", "Update")),
      cmdStkDelete(button(this, "cmdStkDelete", "Delete")), cmdNew(button(this, "cmdNew", "New")),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      cmdAcctInsert(button(this, "cmdAcctInsert", "Insert")),
      cmdAcctUpdate(button(this, "cmdAcctUpdate", "Update")),
      cmdAcctDelete(button(this, "cmdAcctDelete", "Delete")), Command1(button(this, "Command1", "New")),
      Frame3(makeControl<QGroupBox>(this, QStringLiteral("Frame3"))),
      cmdItemInsert(button(this, "cmdItemInsert", "Insert")),
      cmdItemUpdate(button(this, "cmdItemUpdate", "Update")),
      cmdItemDelete(button(this, "cmdItemDelete", "Delete")), cmdItemNew(button(this, "cmdItemNew", "New")) {
    setWindowTitle(QStringLiteral("INVENTORY SET-UP"));
    auto* viewer = new QLabel(QStringLiteral("[ VIEW A/C NAME ]"), Frame1);
    viewer->setObjectName(QStringLiteral("lblCombo1"));
    Combo1->setMinimumContentsLength(24);
    // clang-format off
    m_steps = {{{nullptr, nullptr, QStringLiteral("Product_Category_T"), QStringLiteral("Category_Name_VC"),
                 {cmdStkInsert, cmdStkUpdate, cmdStkDelete},
                 {&clsIVSetup::Send_Stock, &clsIVSetup::Update_Stock, &clsIVSetup::Delete_Stock}},
                {nullptr, nullptr, QStringLiteral("Product_Accountset_T"), QStringLiteral("Pdt_Acctset_VC"),
                 {cmdAcctInsert, cmdAcctUpdate, cmdAcctDelete},
                 {&clsIVSetup::Send_Acctset, &clsIVSetup::Update_Acctset, &clsIVSetup::Delete_Acctset}},
                {nullptr, nullptr, QStringLiteral("Product_T"), QStringLiteral("Pdt_ID_VC"),
                 {cmdItemInsert, cmdItemUpdate, cmdItemDelete},
                 {&clsIVSetup::Send_Item, &clsIVSetup::Update_Item, &clsIVSetup::Delete_Item}}}};
    // clang-format on
    // Each step's fields in the order its check tests them.
    buildStep(Category, Frame1, QStringLiteral("[ STEP 1 ]  RODUCT CATEGORY SET UP"), categoryRecordFields(),
              {stepField(F::list("cboCategory", "Category Name :", {0, 0}), "Category_Name_VC",
                         "Enter Category Name")
                   .notShown(),
               stepField(F::text("txtCategoryID", "Category Code :", {1, 0}), "Pdt_Category_VC",
                         "Enter Category Code"),
               stepField(F::list("cboSales", "Sales Code :", {0, 1}), "Sales_IN", "Enter Sales Code"),
               stepField(F::list("cboCOS", "COS Code :", {1, 1}), "COS_IN", "Enter COS Code")},
              {cmdStkInsert, cmdStkDelete, cmdNew, cmdStkUpdate, viewer, Combo1});
    buildStep(
        AccountSet, Frame2, QStringLiteral("[ STEP 2 ]  ACCOUNTING CODE SET UP"), accountSetRecordFields(),
        {stepField(F::list("cboAcctSet", "Product Account Set :", {0, 0}), "Pdt_AcctSet_VC",
                   "Enter Account Set")
             .notShown(),
         stepField(F::list("cboCosting", "Costing Method :", {1, 0}), "cost_method_VC",
                   "Enter Costing Method")
             .withEntries({QStringLiteral("FIFO"), QStringLiteral("AVEG")}),
         stepField(F::list("cboInventory", "Inventory AcctCode :", {0, 1}), "stock_IN", "Enter stock Code"),
         stepField(F::list("cboPayable", "Payable AcctCode :", {1, 1}), "payable_IN", "Enter Payable Code"),
         stepField(F::list("cboShipment", "Shipment AcctCode :", {2, 1}), "shipment_IN",
                   "Enter Shipment Code")},
        {cmdAcctInsert, cmdAcctUpdate, cmdAcctDelete, Command1});
    buildStep(Item, Frame3, QStringLiteral("[ STEP 3 ]  ITEM CODE SET UP"), itemRecordFields(),
              {stepField(F::list("cboPdtCode", "Product Code :", {0, 0}), "Pdt_ID_VC", "Enter Item Code")
                   .notShown(),
               stepField(F::list("cboPdtName", "Product Name :", {1, 0}), "Pdt_Name_VC", "Enter Item Name"),
               stepField(F::list("cboPdtDescrip", "Product Descrip :", {2, 0}), "Pdt_Descrip_VC",
                         "Enter Description"),
               stepField(F::list("cboPdtCategory", "Product Category :", {1, 1}), "Pdt_Category_VC",
                         "Enter Category Code"),
               stepField(F::list("cboCred", "VAT Code :", {0, 1}), "vat_code", "Enter VAT Code"),
               stepField(F::list("cboAccountSet", "Account Set :", {2, 1}), "Pdt_Acctset_VC",
                         "Enter Account Setting Code")},
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
    resize(760, 520);
}

frmIVSetup::~frmIVSetup() = default;

void frmIVSetup::buildStep(int step, QGroupBox* frame, const QString& title, std::vector<FieldDef> record,
                           std::vector<SetupField> fields, const std::vector<QWidget*>& row) {
    // Two columns of labelled fields, the buttons in a row beneath.
    // The key list, read again after the step's requests, is its first field.
    m_steps[step].section = new SetupSection(this, std::move(record), std::move(fields));
    m_steps[step].keyList =
        qobject_cast<QComboBox*>(m_steps[step].section->box(m_steps[step].section->fields().front().control));
    frame->setTitle(title);
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
    const QString coa = QStringLiteral("COA_T");
    const QString glId = QStringLiteral("GL_ID");
    const std::tuple<QComboBox*, QString, QString> fills[] = {
        {cboCategory, QStringLiteral("Product_Category_T"), QStringLiteral("Category_Name_VC")},
        {cboSales, coa, glId},
        {cboCOS, coa, glId},
        {cboAcctSet, QStringLiteral("Product_AccountSet_T"), QStringLiteral("Pdt_Acctset_VC")},
        {cboInventory, coa, glId},
        {cboPayable, coa, glId},
        {cboShipment, coa, glId},
        {cboPdtCode, QStringLiteral("Product_T"), QStringLiteral("Pdt_ID_VC")},
        {cboPdtName, QStringLiteral("Product_T"), QStringLiteral("Pdt_Name_VC")},
        {cboPdtDescrip, QStringLiteral("Product_T"), QStringLiteral("Pdt_Descrip_VC")},
        {cboPdtCategory, QStringLiteral("Product_Category_T"), QStringLiteral("Pdt_Category_VC")},
        {cboCred, QStringLiteral("VAT_T"), QStringLiteral("vat_code")},
        {cboAccountSet, QStringLiteral("Product_AccountSet_T"), QStringLiteral("Pdt_Acctset_VC")},
    };
    // Each list on its own: one that cannot be read leaves the rest usable.
    for (const auto& [box, table, column] : fills)
        guarded([&] { fillList(box, table, column); });
    guarded([&] {
        Combo1->clear();
        for (RowView row : data().Get_Table_Recordset(coa).rows())
            Combo1->addItem(row.text(glId) + QStringLiteral("-") + row.text(QStringLiteral("GL_Name_VC")));
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

void frmIVSetup::fillList(QComboBox* box, const QString& table, const QString& column) {
    fillListFrom(box, data().Get_Table_Recordset(table), column);
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
    if (step.section->request(
            request, [&](const Recordset& record) { return (data().*writer)(record); },
            [&] { fillList(step.keyList, step.keyTable, step.keyColumn); }, [this] { Reset_Setup_Fields(); }))
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
    UiServices::current().message(kReopen);
    m_steps[Item].section->clear();
}

void frmIVSetup::cboCategory_Click() {
    const QString name = cboCategory->currentText();
    m_steps[Category].section->showPicked(data().Get_Stock_Details(name), kNoCategory, name);
}

void frmIVSetup::cboAcctSet_Click() {
    const QString name = cboAcctSet->currentText();
    if (m_steps[AccountSet].section->showPicked(data().Get_AcctSet_Details(name), kNoAccountSet, name))
        cmdNew->click();
}

void frmIVSetup::cboPdtCode_Click() {
    const QString code = cboPdtCode->currentText();
    if (m_steps[Item].section->showPicked(data().Get_Item_Details(code), kNoItem, code))
        cmdNew->click();
}

} // namespace orv
