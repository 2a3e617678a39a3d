#include "frmPurInv.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmPurInv::frmPurInv(QWidget* parent)
    : DataEntryWindow(parent), txtinvno(makeControl<QLineEdit>(this, QStringLiteral("txtinvno"))),
      txtVAT(makeControl<QLineEdit>(this, QStringLiteral("txtVAT"))),
      txtNett(makeControl<QLineEdit>(this, QStringLiteral("txtNett"))) {
    // No rate box: each line is billed at the rate its goods came in at.
    useParty(new PartyHeader(this, partyReads(QStringLiteral("Creditors")), 0,
                             {{QStringLiteral("CustomerID"), KeyHeader::kKey}}));
    layOut();
    applyCaptions(this, kText);
}

frmPurInv::~frmPurInv() = default;

void frmPurInv::layOut() {
    auto* page = new QVBoxLayout(this);
    page->addWidget(party->layOut(kText, QStringLiteral("Frame1")));
    party->form()->insertRow(1, qtext(kText["txtinvno"]), txtinvno);
    page->addLayout(rowOf({}, {new QLabel(qtext(kText["txtOrderID"]), this), txtOrderID}));
    page->addLayout(rowOf({new QLabel(qtext(kText["hfgProducts"]), this), Image1}));
    page->addWidget(hfgProducts, 1);
    page->addWidget(new QLabel(qtext(kText["dgrOrderDetails"]), this));
    page->addWidget(dgrOrderDetails, 1);
    auto* left = new QFormLayout;
    left->addRow(qtext(kText["dtpOrder"]), dtpOrder);
    left->addRow(qtext(kText["cboEmployee"]), cboEmployee);
    left->addRow(cmdNew, cmdSend);
    auto* right = new QFormLayout;
    right->addRow(qtext(kText["txtSubTotal"]), txtSubTotal);
    right->addRow(qtext(kText["txtVAT"]), txtVAT);
    right->addRow(qtext(kText["txtNett"]), txtNett);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(left);
    bottom->addStretch();
    bottom->addLayout(right);
    page->addLayout(bottom);
    resize(900, 680);
}

// --- picks and lines ---------------------------------------------------------

frmPurInv::PickFeed frmPurInv::pickFeed() {
    return {[this] { return m_data->Get_Customer_Order(party->cboCompany->currentText()); },
            AtNew,
            {1200, 1300, 1300, 1000, 800}};
}

frmPurInv::NewLine frmPurInv::newLine() {
    return {{{0, QStringLiteral("ProductID")},
             {1, QStringLiteral("Qty_GRN")},
             {2, QStringLiteral("Qty_Billed")},
             {3, QStringLiteral("GRN_No")},
             {4, QStringLiteral("PO")},
             {5, QStringLiteral("Cur_Type")},
             {6, QStringLiteral("Cur_Rate")},
             {7, QStringLiteral("Unit_Price")},
             {8, QStringLiteral("VAT_code")},
             {9, QStringLiteral("VAT_rate")}},
            {{QStringLiteral("Description"), Variant(QString())},
             {QStringLiteral("Qty_to_Bill"), Variant(std::int32_t{1})}}};
}

frmPurInv::LineLook frmPurInv::lineLook() const {
    // Only the description and the quantity to bill are the clerk's.
    return {{1000, 1200, 800, 1000, 1000, 800, 0, 0, 1200}, {0, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}};
}

line::Amounts frmPurInv::computeLine(const RowView& line) {
    // In the local currency, at the rate the goods came in at.
    return line::atRate(
        priced(line, QStringLiteral("Unit_Price"), QStringLiteral("Qty_to_Bill"), QStringLiteral("VAT_rate")),
        line.currency(QStringLiteral("Cur_Rate")));
}

std::vector<frmPurInv::TotalBox> frmPurInv::totals() const {
    return {{txtSubTotal, &line::Amounts::gross, QStringLiteral("Gross")},
            {txtVAT, &line::Amounts::vat, QStringLiteral("VAT_Total")},
            {txtNett, &line::Amounts::nett, QStringLiteral("Nett")}};
}

// --- post ------------------------------------------------------------------------

CheckList frmPurInv::postChecks() {
    return inOrder({
        employeeChecks(),
        party->checks(qtext(kText["CompanyInvalid"])),
        {
            Check::empty(txtinvno, qtext(kText["SpecifyInvNo"])),
            // The number goes into a whole-number field of 32 bits.
            Check::notWholeNumber(txtinvno, qtext(kText["InvNoNotNumber"])),
            eachLine(kBilling.lineChecks(Currency::fromRaw(1))),
            Check::when([this] { return m_lines.recordCount() == 0; },
                        qtext(EntryWindow::kSharedText["NoLines"])),
        },
    });
}

void frmPurInv::afterPost(bool posted) {
    // An invoice the books refused keeps its supplier, number and lines, so
    // the clerk can mend it and post again: picking the supplier anew would
    // discard the lines.
    if (!posted)
        return;
    txtinvno->clear();
    const QString kind = party->cboCreditor->text(); // the supplier type stays shown
    party->clear();
    party->cboCreditor->setText(kind);
}

} // namespace orv
