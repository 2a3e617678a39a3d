#include "frmStkAdj.h"

#include "uicore/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmStkAdj::frmStkAdj(QWidget* parent)
    : DataEntryWindow(parent),
      // A set's name is its key: a name of the list is read, any other is not.
      sets(useKeyHeader(
          new KeyHeader(
              this,
              {"cboCompany",
               "Product_AccountSet_T",
               "Acctset_ID",
               {{"txtAcctset", "pdt_acctset_vc"}, {"txtStock", "Stock_in"}, {"txtCosting", "Cost_method_vc"}},
               {{"Stock_IN", "Stock_in"}}},
              {[this] { return readTable(QStringLiteral("Product_AccountSet_T")); },
               [this](const QString& id) { return m_data->Get_Customer_Details(id); },
               {}}),
          true)),
      cboCompany(sets->list()), txtAcctset(sets->box(QStringLiteral("txtAcctset"))),
      txtStock(sets->box(QStringLiteral("txtStock"))), txtCosting(sets->box(QStringLiteral("txtCosting"))),
      Label8(makeControl<QLabel>(this, QStringLiteral("Label8"))),
      Label9(makeControl<QLabel>(this, QStringLiteral("Label9"))) {
    layOut();
    applyCaptions(this, kText);
}

frmStkAdj::~frmStkAdj() = default;

void frmStkAdj::layOut() {
    auto* page = new QVBoxLayout(this);
    page->addWidget(sets->layOut(kText, QStringLiteral("Frame1")));
    page->addLayout(rowOf({Label8, Image1}));
    page->addWidget(hfgProducts, 1);
    page->addWidget(Label9);
    page->addWidget(dgrOrderDetails, 1);
    page->addLayout(rowOf({dtpOrder, new QLabel(qtext(kText["cboEmployee"]), this), cboEmployee},
                          {new QLabel(qtext(kText["txtSubTotal"]), this), txtSubTotal}));
    page->addLayout(rowOf({cmdNew, cmdSend}, {new QLabel(qtext(kText["txtOrderID"]), this), txtOrderID}));
    resize(760, 600);
}

// --- post ------------------------------------------------------------------------

std::int64_t frmStkAdj::offeredQuantity(const QString& docId) const {
    for (int row = 0; row < hfgProducts->rows(); ++row)
        if (hfgProducts->cellText(row, 0) == docId)
            return hfgProducts->cellText(row, 2).toLongLong();
    return 0;
}

Check frmStkAdj::countedBeforeReceipt() {
    for (const RowView line : m_lines.rows()) {
        const QString docId = line.text(QStringLiteral("Doc_ID"));
        if (line.value(QStringLiteral("Qty_NU")).toInt64() >= offeredQuantity(docId))
            continue;
        const QDate received = m_data->receivedOn(docId);
        if (received.isValid() && received > dtpOrder->date())
            return refusingLine(line.index(),
                                qtext(kText["CountedBeforeReceived"])
                                    .arg(line.index() + 1)
                                    .arg(docId, received.toString(QStringLiteral("dd/MM/yyyy"))),
                                dtpOrder);
    }
    return refusingLine(-1, QString());
}

CheckList frmStkAdj::postChecks() {
    const auto blank = [](const char* f) {
        return [f](const RowView& l) { return isBlankCell(l.value(f)); };
    };
    const QString qty = QStringLiteral("Qty_NU");
    CheckList lines{
        eachLine({
            Check::onLine(blank("GL_ID"), qtext(kText["SpecifyAccount"])),
            Check::onLine(blank("Description"), qtext(kText["SpecifyDescription"])),
            // Stock never falls below nothing, and what comes in has a price.
            Check::onLine([=](const RowView& line) { return blank("Qty_NU")(line) || line.integer(qty) < 0; },
                          qtext(kText["NegativeCount"])),
            Check::onLine(
                [=, this](const RowView& line) {
                    return line.integer(qty) > offeredQuantity(line.text(QStringLiteral("Doc_ID"))) &&
                           (blank("Unit_Price_TI")(line) ||
                            line.currency(QStringLiteral("Unit_Price_TI")).raw() < 0);
                },
                qtext(kText["NegativePrice"])),
        }),
        Check::when([this] { return m_lines.recordCount() == 0; },
                    qtext(EntryWindow::kSharedText["NoLines"])),
        // The books refuse stock leaving before it arrived; say which line first.
        countedBeforeReceipt(),
    };
    return inOrder({sets->checks(qtext(kText["SelectSet"])), employeeChecks(), lines});
}

} // namespace orv
