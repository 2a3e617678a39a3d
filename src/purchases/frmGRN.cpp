#include "frmGRN.h"

#include "uicore/Controls.h"
#include "uicore/UiServices.h"
#include "values/Clock.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>

namespace orv {

frmGRN::frmGRN(QWidget* parent)
    : DataEntryWindow(parent), txtPO(makeControl<QLineEdit>(this, QStringLiteral("txtPO"))) {
    useParty(new PartyHeader(
        this, partyReads(QStringLiteral("creditors")), PartyHeader::RateBox,
        {{"CustomerID", KeyHeader::kKey}, {"Cur_Type", "Cur_Type"}, {"Cur_Rate", "txtCurRate"}}));
    // The header keeps ten characters of the order number: no more can be typed.
    limitLength(txtPO, 10, QStringLiteral("PO No."));
    hfgProducts->setToolTip(qtext(kText["PickHint"]));
    // A note has no date of its own: each line keeps the day it was dragged in.
    dtpOrder->hide();
    layOut();
    applyCaptions(this, kText);
}

frmGRN::~frmGRN() = default;

void frmGRN::layOut() {
    QWidget* header = party->layOut(kText, QStringLiteral("Frame1"));
    party->form()->addRow(qtext(kText["txtPO"]), txtPO);
    layOutBeside(header, kText, {cboEmployee, txtOrderID, txtSubTotal});
    resize(820, 640);
}

// --- lines and total ---------------------------------------------------------

frmGRN::NewLine frmGRN::newLine() {
    // Each line keeps the day it was dragged in.
    return {{{1, QStringLiteral("Product_No")},
             {2, QStringLiteral("Description")},
             {3, QStringLiteral("vat_code")},
             {4, QStringLiteral("vat_rate")}},
            {{QStringLiteral("Date"), Variant(orv::today())},
             {QStringLiteral("Qty_Bal"), Variant(std::int32_t{1})},
             {QStringLiteral("Qty_Order"), Variant(std::int32_t{1})},
             {QStringLiteral("Doc_Type"), Variant(QStringLiteral("GRN"))},
             {QStringLiteral("Unit_Price_TI"), Variant(Currency::fromUnits(1))},
             {QStringLiteral("Order_Type"), Variant(QStringLiteral("PO"))}}};
}

void frmGRN::checkLine(const RowView& line) {
    if (isBlankCell(line.value(QStringLiteral("Description"))))
        UiServices::current().message(qtext(kText["EnterDescription"]));
}

// --- post ------------------------------------------------------------------------

CheckList frmGRN::postChecks() {
    auto positive = [](const Variant& v) { return !isBlankCell(v) && v.toCurrency().raw() > 0; };
    return inOrder({
        employeeChecks(),
        party->checks(qtext(kText["CompanyInvalid"])),
        {Check::empty(txtPO, qtext(kText["SpecifyPO"]))},
        party->rateChecks(),
        {
            Check::when([this] { return m_lines.recordCount() == 0; },
                        qtext(EntryWindow::kSharedText["NoLines"])),
            eachLine({
                Check::onLine(
                    [=](const RowView& line) { return !positive(line.value(QStringLiteral("Qty_Order"))); },
                    qtext(kText["NegativeQuantity"])),
                Check::onLine(
                    [=](const RowView& line) {
                        return !positive(line.value(QStringLiteral("Unit_Price_TI")));
                    },
                    qtext(kText["NegativePricing"])),
                Check::onLine(
                    [](const RowView& line) {
                        return isBlankCell(line.value(QStringLiteral("Description")));
                    },
                    qtext(kText["EnterDescription"])),
            }),
            // The books keep each note within one year.
            linesInOneYear(QStringLiteral("Date"), qtext(kText["OneYear"])),
        },
    });
}

void frmGRN::afterPost(bool posted) {
    // A note the books refused keeps its supplier, order number and rate, so
    // the clerk can mend the lines and post again: picking the supplier anew
    // would discard them, and a local supplier's rate box is locked.
    if (!posted)
        return;
    txtPO->clear();
    party->clear();
}

} // namespace orv
