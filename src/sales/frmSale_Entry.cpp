#include "frmSale_Entry.h"

#include "uicore/Controls.h"
#include "uicore/UiServices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmSale_Entry::frmSale_Entry(QWidget* parent)
    : DataEntryWindow(parent), txtVAT(makeControl<QLineEdit>(this, QStringLiteral("txtVAT"))),
      txtNett(makeControl<QLineEdit>(this, QStringLiteral("txtNett"))),
      Command1(makeControl<QPushButton>(this, QStringLiteral("Command1"))) {
    // The header takes the customer, where the goods went, the terms and the
    // rate as the boxes show them when the invoice is created.
    useParty(new PartyHeader(this, partyReads(QStringLiteral("Customers")),
                             PartyHeader::RateBox | PartyHeader::CreditBoxes | PartyHeader::BalanceBox,
                             {{"CustomerID", KeyHeader::kKey},
                              {"ShipName", KeyHeader::kName},
                              {"ShipAddress", "txtAddress"},
                              {"ShipCity", "txtCity"},
                              {"ShipRegion", "txtRegion"},
                              {"ShipCountry", "txtCountry"},
                              {"ShipPostalCode", "txtPostal"},
                              {"credit_term", "txtCreditTerm"},
                              {"credit_limit", "txtCreditLimit"},
                              {"Cur_Type", "txtCurType"},
                              {"Cur_Rate", "txtCurRate"}}));
    shippers = useNameList(QStringLiteral("cboShipVia"), QStringLiteral("Shippers"),
                           QStringLiteral("ShipVia"), qtext(kText["NoShippers"]));
    cboShipVia = shippers->list();
    dtpRequired = useDatePicker(QStringLiteral("dtpRequired"), 7);
    for (QLineEdit* total : {txtSubTotal, txtVAT, txtNett})
        total->setAlignment(Qt::AlignRight);
    // "EXIT" ends the program at once, as the main menu's button does.
    onClick(Command1, [] { UiServices::current().endProgram(); });
    layOut();
    applyCaptions(this, kText);
}

frmSale_Entry::~frmSale_Entry() = default;

void frmSale_Entry::layOut() {
    const auto label = [this](QWidget* box) { return new QLabel(kText.textOf(box->objectName()), this); };
    auto* page = new QVBoxLayout(this);
    page->addWidget(party->layOut(kText, QStringLiteral("Frame1"), {party->txtbalance}));
    page->addLayout(rowOf({label(hfgProducts), Image1}, {label(txtOrderID), txtOrderID}));
    page->addWidget(hfgProducts, 1);
    page->addLayout(rowOf({label(dgrOrderDetails)}, {label(party->txtbalance), party->txtbalance}));
    page->addWidget(dgrOrderDetails, 1);
    auto* bottom = new QHBoxLayout;
    auto* header = new QGridLayout;
    QWidget* boxes[2][2] = {{cboShipVia, dtpRequired}, {dtpOrder, cboEmployee}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            QWidget* box = boxes[row][column];
            header->addWidget(label(box), row, column * 2);
            header->addWidget(box, row, column * 2 + 1);
        }
    bottom->addLayout(header, 1);
    auto* totals = new QFormLayout;
    for (QLineEdit* total : {txtSubTotal, txtVAT, txtNett})
        totals->addRow(label(total), total);
    bottom->addLayout(totals);
    page->addLayout(bottom);
    page->addLayout(rowOf({cmdNew, cmdSend, Command1}));
    resize(900, 820);
}

// --- lines ---------------------------------------------------------------------

frmSale_Entry::NewLine frmSale_Entry::newLine() {
    // The press copies the delivered line: item, delivered, billed, order
    // number, PO, price, VAT code and rate; the line bills one to begin with.
    return {{{0, QStringLiteral("Product_No")},
             {1, QStringLiteral("qty_on_order")},
             {2, QStringLiteral("qty_billed")},
             {3, QStringLiteral("do_no")},
             {4, QStringLiteral("PO")},
             {5, QStringLiteral("Unit_Price")},
             {6, QStringLiteral("VAT_code")},
             {7, QStringLiteral("VAT_rate")}},
            {{QStringLiteral("qty_to_bill"), Variant(std::int32_t{1})}}};
}

// --- post ------------------------------------------------------------------------

CheckList frmSale_Entry::postChecks() {
    // The credit check compares the limit with the balance read when the
    // customer was picked and the gross of the lines as the books will post
    // them, whatever the balance and total boxes have been typed to show.
    return inOrder({
        party->checks(qtext(kText["CompanyInvalid"])),
        {creditCheck(qtext(kText["OverCredit"]))},
        employeeChecks(),
        shippers->checks(qtext(kText["SpecifyShipper"])),
        party->rateChecks(),
        {
            eachLine(kBilling.lineChecks(Currency::fromUnits(1))),
            Check::when([this] { return m_lines.recordCount() == 0; }, qtext(kSharedText["NoLines"])),
        },
    });
}

void frmSale_Entry::afterPost(bool posted) {
    // A refused invoice keeps its customer, rate and lines, so the clerk can
    // mend them and create it again. A created one leaves the balance and the
    // customer type on screen.
    if (!posted)
        return;
    txtOrderID->clear();
    party->clearKeeping({party->txtbalance, party->cboCreditor});
}

} // namespace orv
