#include "frmGRN.h"

#include "values/DataError.h"
#include "ui/Controls.h"
#include "ui/UiServices.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <set>

namespace orv {

namespace {

bool blank(const Variant& v) {
    return v.isBlank() || v.toString().trimmed().isEmpty();
}

} // namespace

frmGRN::frmGRN(QWidget* parent)
    : DataEntryWindow(parent), cboCompany(makeControl<QComboBox>(this, QStringLiteral("cboCompany"))),
      txtAddress(makeControl<QLineEdit>(this, QStringLiteral("txtAddress"))),
      txtCity(makeControl<QLineEdit>(this, QStringLiteral("txtCity"))),
      txtRegion(makeControl<QLineEdit>(this, QStringLiteral("txtRegion"))),
      txtCountry(makeControl<QLineEdit>(this, QStringLiteral("txtCountry"))),
      txtPostal(makeControl<QLineEdit>(this, QStringLiteral("txtPostal"))),
      txtPhone(makeControl<QLineEdit>(this, QStringLiteral("txtPhone"))),
      cboCreditor(makeControl<QLineEdit>(this, QStringLiteral("cboCreditor"))),
      txtCurType(makeControl<QLineEdit>(this, QStringLiteral("txtCurType"))),
      txtCurRate(makeControl<QLineEdit>(this, QStringLiteral("txtCurRate"))),
      txtPO(makeControl<QLineEdit>(this, QStringLiteral("txtPO"))),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))) {
    setWindowTitle(QStringLiteral("Goods Received Note"));
    cboCompany->setEditable(true);
    cboCompany->setInsertPolicy(QComboBox::NoInsert);
    // The header keeps ten characters of the order number: no more can be typed.
    limitLength(txtPO, 10);
    cmdNew->setText(QStringLiteral("New GRN"));
    cmdSend->setText(QStringLiteral("Create GRN"));
    txtSubTotal->setText(QStringLiteral("$0.00"));
    hfgProducts->setToolTip(QStringLiteral("Below are the available items in inventory"));
    // A note has no date of its own: each line keeps the day it was dragged in.
    dtpOrder->hide();
    connect(cboCompany, &QComboBox::activated, this, [this] { guarded([&] { cboCompany_Click(); }); });
    layOut();
}

frmGRN::~frmGRN() = default;

void frmGRN::layOut() {
    auto* details = new QFormLayout(Frame1);
    Frame1->setTitle(QStringLiteral("Creditor Detail"));
    details->addRow(QStringLiteral("Supplier :"), cboCompany);
    details->addRow(QStringLiteral("Address"), txtAddress);
    details->addRow(QStringLiteral("City"), txtCity);
    details->addRow(QStringLiteral("Region"), txtRegion);
    details->addRow(QStringLiteral("Country"), txtCountry);
    details->addRow(QStringLiteral("Postal"), txtPostal);
    details->addRow(QStringLiteral("Phone"), txtPhone);
    details->addRow(QStringLiteral("Supplier Type :"), cboCreditor);
    details->addRow(QStringLiteral("Cur Type"), txtCurType);
    details->addRow(QStringLiteral("Cur Rate"), txtCurRate);
    details->addRow(QStringLiteral("PO No :"), txtPO);

    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(Frame1);
    auto* side = new QFormLayout;
    side->addRow(QStringLiteral("Employee"), cboEmployee);
    side->addRow(QStringLiteral("GRN Number"), txtOrderID);
    side->addRow(QStringLiteral(" Total"), txtSubTotal);
    side->addRow(cmdNew, cmdSend);
    top->addLayout(side);
    page->addLayout(top);
    auto* pickHead = new QHBoxLayout;
    pickHead->addWidget(new QLabel(QStringLiteral("Available Products"), this));
    pickHead->addWidget(Image1);
    pickHead->addStretch(1);
    page->addLayout(pickHead);
    page->addWidget(hfgProducts, 1);
    page->addWidget(new QLabel(QStringLiteral("Received Items"), this));
    page->addWidget(dgrOrderDetails, 1);
    resize(820, 640);
}

// --- load ----------------------------------------------------------------

void frmGRN::fillLists() {
    cboCompany->clear();
    Recordset suppliers = m_data->Get_Table_Recordset(QStringLiteral("creditors"));
    for (suppliers.moveFirst(); !suppliers.eof(); suppliers.moveNext())
        cboCompany->addItem(suppliers.value(QStringLiteral("CompanyName")).toString());
    cboCompany->setCurrentIndex(-1);
}

void frmGRN::loadPickGrid() {
    showPickRows(m_data->Get_Products());
}

std::vector<FieldDef> frmGRN::headerFields() const {
    return {{QStringLiteral("CustomerID"), DataType::Text, 8},
            {QStringLiteral("EmployeeID"), DataType::BigInt},
            {QStringLiteral("PO"), DataType::Text, 10},
            {QStringLiteral("Cur_Type"), DataType::Text, 10},
            {QStringLiteral("Cur_Rate"), DataType::Currency}};
}

std::vector<EntryWindow::LineColumn> frmGRN::lineColumns() const {
    return {
        {QStringLiteral("Date"), DataType::Date, 0, 1, false},
        {QStringLiteral("Product_No"), DataType::Text, 20, 1000, true},
        {QStringLiteral("Qty_Bal"), DataType::Integer, 0, 800, true},
        {QStringLiteral("Qty_Order"), DataType::Integer, 0, 1000, false},
        {QStringLiteral("Description"), DataType::Text, 30, 1000, false},
        {QStringLiteral("Doc_Type"), DataType::Text, 5, 800, true},
        {QStringLiteral("Unit_Price_TI"), DataType::Currency, 0, 800, false},
        {QStringLiteral("Order_Type"), DataType::Text, 4, 1000, true},
        {QStringLiteral("vat_code"), DataType::Integer, 0, 1000, true},
        {QStringLiteral("vat_rate"), DataType::Currency, 0, 0, true},
        {QStringLiteral("ExtendedPrice"), DataType::Currency, 0, 0, true},
    };
}

// --- the supplier --------------------------------------------------------------

void frmGRN::cboCompany_Click() {
    Recordset supplier = m_data->Get_Customer_Details(cboCompany->currentText());
    if (supplier.recordCount() > 0) {
        supplier.moveFirst();
        const auto text = [&supplier](const char* field) {
            const Variant v = supplier.value(QString::fromLatin1(field));
            return v.isBlank() ? QString() : v.toString();
        };
        txtAddress->setText(text("Address"));
        txtCity->setText(text("City"));
        txtPhone->setText(text("Phone"));
        txtCountry->setText(text("Country"));
        txtPostal->setText(text("PostalCode"));
        txtCurType->setText(text("Cur_Type"));
        txtRegion->setText(text("Region"));
        const bool foreign = text("Forex").trimmed() == QLatin1String("1");
        cboCreditor->setText(foreign ? QStringLiteral("FOREIGN") : QStringLiteral("LOCAL"));
        txtCurRate->setText(foreign ? QString() : QStringLiteral("1"));
        txtCurRate->setEnabled(foreign);
    }
    cmdNew_Click();
}

// --- lines and total ---------------------------------------------------------

void frmGRN::fillNewLine(Recordset& lines) {
    const QStringList& cell = copiedCells();
    lines.setValue(QStringLiteral("Date"), Variant(QDate::currentDate()));
    lines.setValue(QStringLiteral("Product_No"), Variant(cell.value(0)));
    lines.setValue(QStringLiteral("Qty_Bal"), Variant(std::int32_t{1}));
    lines.setValue(QStringLiteral("Qty_Order"), Variant(std::int32_t{1}));
    lines.setValue(QStringLiteral("Description"), Variant(cell.value(1)));
    lines.setValue(QStringLiteral("Doc_Type"), Variant(QStringLiteral("GRN")));
    lines.setValue(QStringLiteral("Unit_Price_TI"), Variant(Currency::fromUnits(1)));
    lines.setValue(QStringLiteral("Order_Type"), Variant(QStringLiteral("PO")));
    lines.setValue(QStringLiteral("vat_code"), Variant(cell.value(2)));
    lines.setValue(QStringLiteral("vat_rate"), Variant(cell.value(3)));
}

Currency frmGRN::computeLine(const RowView& line) {
    // Quantity times unit cost, exact to the ten-thousandth.
    Currency amount;
    try {
        if (!blank(line.value(QStringLiteral("Qty_Order"))))
            amount =
                line.currency(QStringLiteral("Unit_Price_TI")) * line.integer(QStringLiteral("Qty_Order"));
    } catch (const DataError&) {
        // No total rather than the one before this edit.
        txtSubTotal->clear();
        throw;
    }
    line.set(QStringLiteral("ExtendedPrice"), Variant(amount));
    if (blank(line.value(QStringLiteral("Description"))))
        UiServices::current().message(kEnterDescription);
    return amount;
}

// --- post ------------------------------------------------------------------------

CheckList frmGRN::postChecks() {
    auto value = [this](const char* field) { return m_lines.value(QString::fromLatin1(field)); };
    auto positive = [](const Variant& v) { return !blank(v) && v.toCurrency().raw() > 0; };
    return {
        Check::empty(cboEmployee, kSpecifyEmployee),
        // A typed name that is no employee's (or has no comma) cannot post.
        Check::when(
            [this] { return lookupId(QStringLiteral("Employees"), cboEmployee->currentText()).isEmpty(); },
            kSpecifyEmployee, cboEmployee),
        Check::empty(cboCompany, kCompanyInvalid),
        Check::when(
            [this] { return lookupId(QStringLiteral("creditors"), cboCompany->currentText()).isEmpty(); },
            kCompanyInvalid, cboCompany),
        Check::empty(txtPO, kSpecifyPO),
        Check::when([this] { return txtCurRate->text().isEmpty(); }, kEnterRate, txtCurRate,
                    QStringLiteral("Missing field")),
        Check::when([this] { return !isNumericText(txtCurRate->text()); }, kRateNotNumber, txtCurRate,
                    QStringLiteral("Invalid Input"))
            .selectingText(),
        Check::when(
            [this] {
                Currency rate;
                return !fieldNumber(txtCurRate, &rate) || rate.raw() <= 0;
            },
            kRateNotPositive, txtCurRate)
            .selectingText(),
        Check::when([this] { return m_lines.recordCount() == 0; }, kNoLines),
        Check::eachLine(
            m_lines,
            {
                Check::when([=] { return !positive(value("Qty_Order")); }, kNegativeQuantity),
                Check::when([=] { return !positive(value("Unit_Price_TI")); }, kNegativePricing),
                Check::when([=] { return blank(value("Description")); }, kEnterDescription),
                Check::when(
                    [=] {
                        return !value("Unit_Price_TI").toCurrency().fitsTimes(value("Qty_Order").toInt64());
                    },
                    kAmountTooLarge),
            }),
        // The books keep each note within one year.
        Check::when(
            [this] {
                std::set<int> years;
                for (const RowView line : m_lines.rows())
                    years.insert(line.date(QStringLiteral("Date")).year());
                return years.size() > 1;
            },
            kOneYear),
    };
}

void frmGRN::fillHeader(Recordset& header) {
    assignText(header, QStringLiteral("CustomerID"),
               lookupId(QStringLiteral("creditors"), cboCompany->currentText()));
    assignText(header, QStringLiteral("PO"), txtPO->text());
    assignText(header, QStringLiteral("Cur_Type"), txtCurType->text());
    assignText(header, QStringLiteral("Cur_Rate"), txtCurRate->text());
}

void frmGRN::reloadPickAfterPost() {
    loadPickGrid();
    // A note the books refused keeps its supplier, order number and rate, so
    // the clerk can mend the lines and post again: picking the supplier anew
    // would discard them, and a local supplier's rate box is locked.
    if (cmdSend->isEnabled())
        return;
    for (QLineEdit* box : {txtPO, txtAddress, txtCountry, txtCity, txtPostal, txtRegion, txtPhone, txtCurType,
                           txtCurRate, cboCreditor})
        box->clear();
    cboCompany->setCurrentIndex(-1);
    cboCompany->setEditText(QString());
}

} // namespace orv
