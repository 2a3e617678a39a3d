#include "frmIVSetup.h"

#include "IVRecords.h"
#include "values/DataError.h"
#include "ui/Controls.h"
#include "ui/SetupWindow.h"
#include "ui/UiServices.h"
#include "ui/WriteAnswer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <limits>

namespace orv {

namespace {

// The longest text a 32-bit number field takes: a sign and ten digits.
constexpr int kNumberWidth = 11;

QComboBox* list(QWidget* parent, const QString& name, int width) {
    auto* box = makeControl<QComboBox>(parent, name);
    SetupWindow::makeTypedList(box);
    limitLength(box, width);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = makeControl<QPushButton>(parent, name);
    b->setText(caption);
    return b;
}

bool wholeNumber(const QString& text, bool* inRange) {
    const QString t = text.trimmed();
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(t).hasMatch())
        return false;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    *inRange =
        ok && v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
    return true;
}

} // namespace

frmIVSetup::frmIVSetup(QWidget* parent)
    : Window(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      cboCategory(list(this, QStringLiteral("cboCategory"), 15)),
      txtCategoryID(makeControl<QLineEdit>(this, QStringLiteral("txtCategoryID"))),
      cboSales(list(this, QStringLiteral("cboSales"), kNumberWidth)),
      cboCOS(list(this, QStringLiteral("cboCOS"), kNumberWidth)),
      Combo1(makeControl<QComboBox>(this, QStringLiteral("Combo1"))),
      cmdStkInsert(button(this, QStringLiteral("cmdStkInsert"), QStringLiteral("Insert"))),
      cmdStkUpdate(button(this, QStringLiteral("cmdStkUpdate"), QStringLiteral("Update"))),
      cmdStkDelete(button(this, QStringLiteral("cmdStkDelete"), QStringLiteral("Delete"))),
      cmdNew(button(this, QStringLiteral("cmdNew"), QStringLiteral("New"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      cboAcctSet(list(this, QStringLiteral("cboAcctSet"), 20)),
      cboCosting(list(this, QStringLiteral("cboCosting"), 5)),
      cboInventory(list(this, QStringLiteral("cboInventory"), kNumberWidth)),
      cboPayable(list(this, QStringLiteral("cboPayable"), kNumberWidth)),
      cboShipment(list(this, QStringLiteral("cboShipment"), kNumberWidth)),
      cmdAcctInsert(button(this, QStringLiteral("cmdAcctInsert"), QStringLiteral("Insert"))),
      cmdAcctUpdate(button(this, QStringLiteral("cmdAcctUpdate"), QStringLiteral("Update"))),
      cmdAcctDelete(button(this, QStringLiteral("cmdAcctDelete"), QStringLiteral("Delete"))),
      Command1(button(this, QStringLiteral("Command1"), QStringLiteral("New"))),
      Frame3(makeControl<QGroupBox>(this, QStringLiteral("Frame3"))),
      cboPdtCode(list(this, QStringLiteral("cboPdtCode"), 20)),
      cboPdtName(list(this, QStringLiteral("cboPdtName"), 30)),
      cboPdtDescrip(list(this, QStringLiteral("cboPdtDescrip"), 40)),
      cboPdtCategory(list(this, QStringLiteral("cboPdtCategory"), 20)),
      cboCred(list(this, QStringLiteral("cboCred"), kNumberWidth)),
      cboAccountSet(list(this, QStringLiteral("cboAccountSet"), 20)),
      cmdItemInsert(button(this, QStringLiteral("cmdItemInsert"), QStringLiteral("Insert"))),
      cmdItemUpdate(button(this, QStringLiteral("cmdItemUpdate"), QStringLiteral("Update"))),
      cmdItemDelete(button(this, QStringLiteral("cmdItemDelete"), QStringLiteral("Delete"))),
      cmdItemNew(button(this, QStringLiteral("cmdItemNew"), QStringLiteral("New"))) {
    setWindowTitle(QStringLiteral("INVENTORY SET-UP"));
    limitLength(txtCategoryID, 20);
    cboCosting->addItems({QStringLiteral("FIFO"), QStringLiteral("AVEG")});
    cboCosting->setCurrentIndex(-1);

    m_category = {
        {{cboCategory, QStringLiteral("Category_Name_VC"), QStringLiteral("Enter Category Name"), {}},
         {txtCategoryID, QStringLiteral("Pdt_Category_VC"), QStringLiteral("Enter Category Code"), {}},
         {cboSales, QStringLiteral("Sales_IN"), QStringLiteral("Enter Sales Code"),
          QStringLiteral("Sales Code")},
         {cboCOS, QStringLiteral("COS_IN"), QStringLiteral("Enter COS Code"), QStringLiteral("COS Code")}},
        &rsNewStock,
        cboCategory,
        QStringLiteral("Product_Category_T"),
        QStringLiteral("Category_Name_VC"),
        {&clsIVSetup::Send_Stock, &clsIVSetup::Update_Stock, &clsIVSetup::Delete_Stock}};
    m_accountSet = {
        {{cboAcctSet, QStringLiteral("Pdt_AcctSet_VC"), QStringLiteral("Enter Account Set"), {}},
         {cboCosting, QStringLiteral("cost_method_VC"), QStringLiteral("Enter Costing Method"), {}},
         {cboInventory, QStringLiteral("stock_IN"), QStringLiteral("Enter stock Code"),
          QStringLiteral("Inventory AcctCode")},
         {cboPayable, QStringLiteral("payable_IN"), QStringLiteral("Enter Payable Code"),
          QStringLiteral("Payable AcctCode")},
         {cboShipment, QStringLiteral("shipment_IN"), QStringLiteral("Enter Shipment Code"),
          QStringLiteral("Shipment AcctCode")}},
        &rsNewAcctset,
        cboAcctSet,
        QStringLiteral("Product_Accountset_T"),
        QStringLiteral("Pdt_Acctset_VC"),
        {&clsIVSetup::Send_Acctset, &clsIVSetup::Update_Acctset, &clsIVSetup::Delete_Acctset}};
    m_item = {
        {{cboPdtCode, QStringLiteral("Pdt_ID_VC"), QStringLiteral("Enter Item Code"), {}},
         {cboPdtName, QStringLiteral("Pdt_Name_VC"), QStringLiteral("Enter Item Name"), {}},
         {cboPdtDescrip, QStringLiteral("Pdt_Descrip_VC"), QStringLiteral("Enter Description"), {}},
         {cboPdtCategory, QStringLiteral("Pdt_Category_VC"), QStringLiteral("Enter Category Code"), {}},
         {cboCred, QStringLiteral("vat_code"), QStringLiteral("Enter VAT Code"), QStringLiteral("VAT Code")},
         {cboAccountSet, QStringLiteral("Pdt_Acctset_VC"), QStringLiteral("Enter Account Setting Code"), {}}},
        &rsNewItem,
        cboPdtCode,
        QStringLiteral("Product_T"),
        QStringLiteral("Pdt_ID_VC"),
        {&clsIVSetup::Send_Item, &clsIVSetup::Update_Item, &clsIVSetup::Delete_Item}};

    layOut();
    wire();
}

frmIVSetup::~frmIVSetup() = default;

void frmIVSetup::layOut() {
    // Two columns of labelled fields, the buttons in a row beneath.
    auto frame =
        [](QGroupBox* box, const QString& title, const std::vector<std::pair<QString, QWidget*>>& left,
           const std::vector<std::pair<QString, QWidget*>>& right, const std::vector<QWidget*>& buttons) {
            box->setTitle(title);
            auto* grid = new QGridLayout;
            auto place = [&](const std::vector<std::pair<QString, QWidget*>>& column, int at) {
                for (int row = 0; row < static_cast<int>(column.size()); ++row) {
                    auto* label = new QLabel(column[row].first, box);
                    label->setObjectName(QStringLiteral("lbl") + column[row].second->objectName());
                    grid->addWidget(label, row, at);
                    grid->addWidget(column[row].second, row, at + 1);
                }
            };
            place(left, 0);
            place(right, 2);
            grid->setColumnStretch(1, 1);
            grid->setColumnStretch(3, 1);
            auto* row = new QHBoxLayout;
            for (QWidget* b : buttons)
                row->addWidget(b);
            row->addStretch(1);
            auto* v = new QVBoxLayout(box);
            v->addLayout(grid);
            v->addLayout(row);
        };
    auto* viewer = new QLabel(QStringLiteral("[ VIEW A/C NAME ]"), Frame1);
    viewer->setObjectName(QStringLiteral("lblCombo1"));
    Combo1->setMinimumContentsLength(24);
    frame(Frame1, QStringLiteral("[ STEP 1 ]  RODUCT CATEGORY SET UP"),
          {{QStringLiteral("Category Name :"), cboCategory},
           {QStringLiteral("Category Code :"), txtCategoryID}},
          {{QStringLiteral("Sales Code :"), cboSales}, {QStringLiteral("COS Code :"), cboCOS}},
          {cmdStkInsert, cmdStkDelete, cmdNew, cmdStkUpdate, viewer, Combo1});
    frame(Frame2, QStringLiteral("[ STEP 2 ]  ACCOUNTING CODE SET UP"),
          {{QStringLiteral("Product Account Set :"), cboAcctSet},
           {QStringLiteral("Costing Method :"), cboCosting}},
          {{QStringLiteral("Inventory AcctCode :"), cboInventory},
           {QStringLiteral("Payable AcctCode :"), cboPayable},
           {QStringLiteral("Shipment AcctCode :"), cboShipment}},
          {cmdAcctInsert, cmdAcctUpdate, cmdAcctDelete, Command1});
    frame(Frame3, QStringLiteral("[ STEP 3 ]  ITEM CODE SET UP"),
          {{QStringLiteral("Product Code :"), cboPdtCode},
           {QStringLiteral("Product Name :"), cboPdtName},
           {QStringLiteral("Product Descrip :"), cboPdtDescrip}},
          {{QStringLiteral("VAT Code :"), cboCred},
           {QStringLiteral("Product Category :"), cboPdtCategory},
           {QStringLiteral("Account Set :"), cboAccountSet}},
          {cmdItemInsert, cmdItemUpdate, cmdItemDelete, cmdItemNew});
    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addWidget(Frame2);
    page->addWidget(Frame3);
    page->addStretch(1);
    resize(760, 520);
}

void frmIVSetup::wire() {
    const std::pair<QPushButton*, std::pair<const Step*, Request>> requests[] = {
        {cmdStkInsert, {&m_category, Insert}},    {cmdStkUpdate, {&m_category, Update}},
        {cmdStkDelete, {&m_category, Delete}},    {cmdAcctInsert, {&m_accountSet, Insert}},
        {cmdAcctUpdate, {&m_accountSet, Update}}, {cmdAcctDelete, {&m_accountSet, Delete}},
        {cmdItemInsert, {&m_item, Insert}},       {cmdItemUpdate, {&m_item, Update}},
        {cmdItemDelete, {&m_item, Delete}}};
    for (const auto& [b, what] : requests) {
        QPushButton* pressed = b;
        const Step* step = what.first;
        const Request kind = what.second;
        onClick(pressed, [this, step, kind, pressed] { request(*step, kind, pressed); });
    }
    onClick(cmdNew, [this] { cmdNew_Click(); });
    onClick(Command1, [this] { Command1_Click(); });
    onClick(cmdItemNew, [this] { cmdItemNew_Click(); });

    auto onPick = [this](QComboBox* box, auto handler) {
        connect(box, &QComboBox::activated, this, [handler] { guarded(handler); });
    };
    onPick(cboCategory, [this] { cboCategory_Click(); });
    onPick(cboAcctSet, [this] { cboAcctSet_Click(); });
    onPick(cboPdtCode, [this] { cboPdtCode_Click(); });
    for (QComboBox* box : {cboInventory, cboCred, cboPdtCategory, cboAccountSet})
        onPick(box, [this] { cmdNew->click(); });
}

// --- loading ----------------------------------------------------------------------------

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
    QStringList entries;
    for (RowView row : data().Get_Table_Recordset(table).rows())
        entries << row.text(column);
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
}

void frmIVSetup::Create_New_Stock() {
    rsNewStock = buildRecord(categoryRecordFields(), true);
}

void frmIVSetup::Create_New_Acctset() {
    rsNewAcctset = buildRecord(accountSetRecordFields(), true);
}

void frmIVSetup::Create_New_Item() {
    rsNewItem = buildRecord(itemRecordFields(), true);
}

// --- checks and requests -------------------------------------------------------------------

bool frmIVSetup::validate(const Step& step) {
    CheckList checks;
    for (const StepField& f : step.fields)
        checks.push_back(Check::empty(f.box, f.emptyMessage));
    return runChecks(checks);
}

bool frmIVSetup::Validate_Product_Category() {
    return validate(m_category);
}

bool frmIVSetup::Validate_Acctset() {
    return validate(m_accountSet);
}

bool frmIVSetup::Validate_Item() {
    return validate(m_item);
}

CheckList frmIVSetup::fitChecks(const Step& step) {
    CheckList checks;
    for (const StepField& f : step.fields) {
        if (f.number.isEmpty())
            continue;
        QPointer<QWidget> b(f.box);
        checks.push_back(Check::when(
                             [b] {
                                 bool inRange = false;
                                 return b && !wholeNumber(fieldText(b), &inRange);
                             },
                             f.number + QStringLiteral(" : Enter numerical and not character"), f.box,
                             kTitleInvalidInput)
                             .selectingText());
        checks.push_back(Check::when(
                             [b] {
                                 bool inRange = false;
                                 return b && wholeNumber(fieldText(b), &inRange) && !inRange;
                             },
                             f.number + QStringLiteral(" must be a whole number from %1 to %2")
                                            .arg(std::numeric_limits<std::int32_t>::min())
                                            .arg(std::numeric_limits<std::int32_t>::max()),
                             f.box)
                             .selectingText());
    }
    return checks;
}

void frmIVSetup::request(const Step& step, Request request, QPushButton* pressed) {
    if (!validate(step) || !runChecks(fitChecks(step)))
        return;
    WriteAnswer answer;
    std::vector<FieldBox> boxes;
    // A text the request record cannot hold stops the request with its
    // reason before anything is sent, like a failed check.
    const bool written = guarded([&] {
        for (const StepField& f : step.fields) {
            assignText(*step.record, f.field, fieldText(f.box));
            boxes.emplace_back(f.field, f.box);
        }
        answer = sendToBooks([&] { return (data().*step.writers[request])(*step.record); });
    });
    if (!written)
        return;
    if (!showAnswer(this, answer, boxes))
        return;
    guarded([&] { fillList(step.keyList, step.keyTable, step.keyColumn); });
    Reset_Setup_Fields();
    pressed->setEnabled(false);
}

void frmIVSetup::Reset_Setup_Fields() {
    for (const Step* step : {&m_category, &m_accountSet, &m_item})
        for (const StepField& f : step->fields)
            setFieldText(f.box, QString());
}

// --- the "New" buttons and the picks ---------------------------------------------------------

void frmIVSetup::cmdNew_Click() {
    for (const StepField& f : m_category.fields)
        setFieldText(f.box, QString());
    for (QPushButton* b : {cmdStkInsert, cmdStkUpdate, cmdStkDelete, cmdAcctInsert, cmdAcctUpdate,
                           cmdAcctDelete, cmdItemInsert, cmdItemUpdate, cmdItemDelete})
        b->setEnabled(true);
    Create_New_Stock();
    Create_New_Acctset();
    Create_New_Item();
}

void frmIVSetup::Command1_Click() {
    for (const StepField& f : m_accountSet.fields)
        setFieldText(f.box, QString());
}

void frmIVSetup::cmdItemNew_Click() {
    UiServices::current().message(kReopen);
    for (const StepField& f : m_item.fields)
        setFieldText(f.box, QString());
}

bool frmIVSetup::loadPick(Recordset record, const QString& missing, const QString& key,
                          const std::vector<std::pair<QWidget*, QString>>& into) {
    if (record.recordCount() == 0) {
        UiServices::current().message(missing.arg(key));
        return false;
    }
    record.moveFirst();
    for (const auto& [box, column] : into)
        setFieldText(box, record.value(column).toString());
    return true;
}

void frmIVSetup::cboCategory_Click() {
    const QString name = cboCategory->currentText();
    loadPick(data().Get_Stock_Details(name), kNoCategory, name,
             {{cboSales, QStringLiteral("Sales_IN")},
              {cboCOS, QStringLiteral("COS_IN")},
              {txtCategoryID, QStringLiteral("Pdt_Category_VC")}});
}

void frmIVSetup::cboAcctSet_Click() {
    const QString name = cboAcctSet->currentText();
    if (loadPick(data().Get_AcctSet_Details(name), kNoAccountSet, name,
                 {{cboCosting, QStringLiteral("cost_method_vc")},
                  {cboInventory, QStringLiteral("stock_in")},
                  {cboPayable, QStringLiteral("payable_in")},
                  {cboShipment, QStringLiteral("shipment_in")}}))
        cmdNew->click();
}

void frmIVSetup::cboPdtCode_Click() {
    const QString code = cboPdtCode->currentText();
    if (loadPick(data().Get_Item_Details(code), kNoItem, code,
                 {{cboPdtName, QStringLiteral("Pdt_Name_VC")},
                  {cboPdtDescrip, QStringLiteral("Pdt_Descrip_VC")},
                  {cboPdtCategory, QStringLiteral("Pdt_Category_VC")},
                  {cboCred, QStringLiteral("vat_code")},
                  {cboAccountSet, QStringLiteral("Pdt_Acctset_VC")}}))
        cmdNew->click();
}

} // namespace orv
