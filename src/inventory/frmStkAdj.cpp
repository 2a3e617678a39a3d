#include "frmStkAdj.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmStkAdj::frmStkAdj(QWidget* parent)
    : DataEntryWindow(parent), cboCompany(makeControl<QComboBox>(this, QStringLiteral("cboCompany"))),
      txtAcctset(makeControl<QLineEdit>(this, QStringLiteral("txtAcctset"))),
      txtStock(makeControl<QLineEdit>(this, QStringLiteral("txtStock"))),
      txtCosting(makeControl<QLineEdit>(this, QStringLiteral("txtCosting"))),
      Label8(makeControl<QLabel>(this, QStringLiteral("Label8"))),
      Label9(makeControl<QLabel>(this, QStringLiteral("Label9"))),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))) {
    cboCompany->setEditable(true);
    cboCompany->setInsertPolicy(QComboBox::NoInsert);
    for (QLineEdit* box : {txtAcctset, txtStock, txtCosting})
        box->setReadOnly(true);
    onChoice(cboCompany, [this] { cboCompany_Click(); });
    // The boxes show the set last chosen; once the clerk types over it they
    // would name another set's accounts, so they empty until a set is chosen.
    connect(cboCompany->lineEdit(), &QLineEdit::textEdited, this, [this] {
        for (QLineEdit* box : {txtAcctset, txtStock, txtCosting})
            box->clear();
    });
    layOut();
    applyCaptions(this, kText);
}

frmStkAdj::~frmStkAdj() = default;

void frmStkAdj::layOut() {
    auto* set = new QFormLayout(Frame1);
    set->addRow(qtext(kText["cboCompany"]), cboCompany);
    set->addRow(qtext(kText["txtAcctset"]), txtAcctset);
    set->addRow(qtext(kText["txtStock"]), txtStock);
    set->addRow(qtext(kText["txtCosting"]), txtCosting);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    auto* pickHead = new QHBoxLayout;
    pickHead->addWidget(Label8);
    pickHead->addWidget(Image1);
    pickHead->addStretch(1);
    page->addLayout(pickHead);
    page->addWidget(hfgProducts, 1);
    page->addWidget(Label9);
    page->addWidget(dgrOrderDetails, 1);
    auto* totals = new QHBoxLayout;
    totals->addWidget(dtpOrder);
    totals->addWidget(new QLabel(qtext(kText["cboEmployee"]), this));
    totals->addWidget(cboEmployee, 1);
    totals->addWidget(new QLabel(qtext(kText["txtSubTotal"]), this));
    totals->addWidget(txtSubTotal);
    page->addLayout(totals);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNew);
    buttons->addWidget(cmdSend);
    buttons->addStretch(1);
    buttons->addWidget(new QLabel(qtext(kText["txtOrderID"]), this));
    buttons->addWidget(txtOrderID);
    page->addLayout(buttons);
    resize(760, 600);
}

// --- load ----------------------------------------------------------------

void frmStkAdj::fillLists() {
    cboCompany->clear();
    const Recordset sets = m_data->Get_Table_Recordset(QStringLiteral("Product_AccountSet_T"));
    for (const RowView set : sets.rows())
        cboCompany->addItem(set.text(QStringLiteral("Acctset_ID")));
    cboCompany->setCurrentIndex(-1);
}

// --- the account set --------------------------------------------------------

void frmStkAdj::cboCompany_Click() {
    Recordset set = m_data->Get_Customer_Details(cboCompany->currentText());
    if (set.recordCount() > 0) {
        set.moveFirst();
        txtAcctset->setText(set.value(QStringLiteral("pdt_acctset_vc")).toString());
        txtCosting->setText(set.value(QStringLiteral("Cost_method_vc")).toString());
        txtStock->setText(set.value(QStringLiteral("Stock_in")).toString());
    }
    cmdNew_Click();
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
    const auto cell = [](const RowView& line, const char* field) {
        return line.value(QString::fromLatin1(field));
    };
    return {
        Check::empty(cboCompany, qtext(kText["SelectSet"])),
        // A typed number that is no set's leaves no stock account to post to.
        Check::when([this] { return txtStock->text().isEmpty(); }, qtext(kText["SelectSet"]), cboCompany),
        Check::empty(cboEmployee, qtext(kText["SpecifyEmployee"])),
        Check::when(
            [this] { return lookupId(QStringLiteral("Employees"), cboEmployee->currentText()).isEmpty(); },
            qtext(kText["SpecifyEmployee"]), cboEmployee),
        eachLine({
            Check::onLine([=](const RowView& line) { return isBlankCell(cell(line, "GL_ID")); },
                          qtext(kText["SpecifyAccount"])),
            Check::onLine([=](const RowView& line) { return isBlankCell(cell(line, "Description")); },
                          qtext(kText["SpecifyDescription"])),
            // Stock never falls below nothing, and what comes in has a price.
            Check::onLine(
                [=](const RowView& line) {
                    return isBlankCell(cell(line, "Qty_NU")) || cell(line, "Qty_NU").toInt64() < 0;
                },
                qtext(kText["NegativeCount"])),
            Check::onLine(
                [=, this](const RowView& line) {
                    const bool raised =
                        cell(line, "Qty_NU").toInt64() > offeredQuantity(cell(line, "Doc_ID").toString());
                    return raised && (isBlankCell(cell(line, "Unit_Price_TI")) ||
                                      cell(line, "Unit_Price_TI").toCurrency().raw() < 0);
                },
                qtext(kText["NegativePrice"])),
        }),
        Check::when([this] { return m_lines.recordCount() == 0; },
                    qtext(EntryWindow::kSharedText["NoLines"])),
        // The books refuse stock leaving before it arrived; say which line first.
        countedBeforeReceipt(),
    };
}

void frmStkAdj::fillHeader(Recordset& header) {
    assignText(header, QStringLiteral("Stock_IN"), txtStock->text());
    header.setValue(QStringLiteral("Date"), Variant(dtpOrder->date()));
}

} // namespace orv
