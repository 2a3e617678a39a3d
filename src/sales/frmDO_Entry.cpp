#include "frmDO_Entry.h"

#include "uicore/Controls.h"
#include "uicore/UiServices.h"
#include "values/Clock.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>

namespace orv {

namespace {

// The party's header fields: the customer's key and name, and where the
// goods go as the boxes show it.
std::vector<HeaderCopy> orderCopies() {
    return {{"CustomerID", KeyHeader::kKey}, {"ShipName", KeyHeader::kName}, {"ShipAddress", "txtAddress"},
            {"ShipCity", "txtCity"},         {"ShipRegion", "txtRegion"},    {"ShipCountry", "txtCountry"},
            {"ShipPostalCode", "txtPostal"}};
}

} // namespace

frmDO_Entry::frmDO_Entry(QWidget* parent)
    : DataEntryWindow(parent), txtPO(makeControl<QLineEdit>(this, QStringLiteral("txtPO"))) {
    useParty(new PartyHeader(this, partyReads(QStringLiteral("Customers")), 0, orderCopies()));
    shippers = useNameList(QStringLiteral("cboShipVia"), QStringLiteral("Shippers"),
                           QStringLiteral("ShipVia"), qtext(kText["NoShippers"]));
    cboShipVia = shippers->list();
    dtpRequired = useDatePicker(QStringLiteral("dtpRequired"), 7);
    limitLength(txtPO, 10, QStringLiteral("PO Number"));
    hfgProducts->setToolTip(qtext(kText["PickHint"]));
    hfgProducts->mergeEqualNeighbours(0);
    layOut();
    applyCaptions(this, kText);
}

frmDO_Entry::~frmDO_Entry() = default;

void frmDO_Entry::layOut() {
    QWidget* header = party->layOut(kText, QStringLiteral("Frame1"));
    party->form()->addRow(qtext(kText["txtPO"]), txtPO);
    layOutBeside(header, kText, {cboEmployee, cboShipVia, dtpOrder, dtpRequired, txtOrderID, txtSubTotal});
    resize(860, 660);
}

// --- lines and total ---------------------------------------------------------

frmDO_Entry::PickFeed frmDO_Entry::pickFeed() {
    return {
        [this] { return m_data->Get_Products(); }, AtLoad | AtNew | AfterPost, {1200, 800, 2000, 1500, 800}};
}

// One line per item.
std::optional<EntryWindow::DuplicateTest> frmDO_Entry::duplicateTest() const {
    return DuplicateTest{{{QStringLiteral("Product_No"), 0}}};
}

frmDO_Entry::NewLine frmDO_Entry::newLine() {
    // The press copies the item, its name, the stock, the VAT code and rate;
    // each line keeps the day it was dragged in.
    return {{{1, QStringLiteral("Product_No")},
             {2, QStringLiteral("Description")},
             {5, QStringLiteral("Qty_Bal")},
             {3, QStringLiteral("vat_code")},
             {4, QStringLiteral("vat_rate")}},
            {{QStringLiteral("Date"), Variant(orv::today())},
             {QStringLiteral("Qty_Order"), Variant(std::int32_t{1})},
             {QStringLiteral("Doc_Type"), Variant(QStringLiteral("DO"))},
             {QStringLiteral("Sell_Price"), Variant(Currency::fromUnits(1))},
             {QStringLiteral("Order_Type"), Variant(QStringLiteral("SO"))}}};
}

// The line's amount, which the total sums, is its price times its quantity.
line::Amounts frmDO_Entry::computeLine(const RowView& line) {
    return priced(line, QStringLiteral("Sell_Price"), QStringLiteral("Qty_Order"));
}

std::vector<EntryWindow::TotalBox> frmDO_Entry::totals() const {
    return {{txtSubTotal, &line::Amounts::gross, QStringLiteral("ExtendedPrice")}};
}

void frmDO_Entry::checkLine(const RowView& line) {
    UiServices& ui = UiServices::current();
    const auto quantity = [&line](const QString& field) {
        return isBlankCell(line.value(field)) ? 0 : line.integer(field);
    };
    if (quantity(QStringLiteral("Qty_Order")) - quantity(QStringLiteral("Qty_Bal")) > 0) {
        ui.message(qtext(kText["OverStock"]));
        line.set(QStringLiteral("Qty_Order"), Variant(std::int32_t{1}));
    }
    if (isBlankCell(line.value(QStringLiteral("Description"))))
        ui.message(qtext(kText["EnterDescription"]));
}

// --- post ------------------------------------------------------------------------

CheckList frmDO_Entry::postChecks() {
    // Quantities and prices below 1 are refused, blank ones too.
    const auto belowOne = [](const QString& field) {
        return [field](const RowView& line) {
            return isBlankCell(line.value(field)) || line.currency(field) < Currency::fromUnits(1);
        };
    };
    return inOrder({
        party->checks(qtext(kText["CompanyInvalid"])),
        employeeChecks(),
        shippers->checks(qtext(kText["SpecifyShipper"])),
        {Check::empty(txtPO, qtext(kText["SpecifyPO"]))},
        {
            eachLine({
                Check::onLine(belowOne(QStringLiteral("Qty_Order")), qtext(kText["NegativeQuantity"])),
                Check::onLine(belowOne(QStringLiteral("Sell_Price")), qtext(kText["NegativePricing"])),
                Check::onLine(
                    [](const RowView& line) {
                        return isBlankCell(line.value(QStringLiteral("Description")));
                    },
                    qtext(kText["EnterDescription"])),
            }),
            Check::when([this] { return m_lines.recordCount() == 0; }, qtext(kSharedText["NoLines"])),
            // The books keep each order within one year.
            linesInOneYear(QStringLiteral("Date"), qtext(kText["OneYear"])),
        },
    });
}

void frmDO_Entry::afterPost(bool posted) {
    // A refused order keeps its customer and PO number, so the clerk can mend
    // the lines and post again. A posted one leaves the customer's currency.
    if (!posted)
        return;
    txtPO->clear();
    party->clearKeeping({party->txtCurType});
}

} // namespace orv
