#pragma once

#include "clsStk_Adj.h"
#include "ui/EntryWindow.h"
#include "uicore/TextTable.h"

class QLabel;

namespace orv {

// "Stock Adjustment": the clerk chooses an account set, drags the stock rows
// to correct into the journal, types each row's counted quantity, unit price,
// description and ledger account, and posts. Each line sets its stock row to
// the quantity counted: the database brings a rise in at the line's price and
// takes a fall out at cost, against the line's account.
class frmStkAdj : public DataEntryWindow<clsStk_Adj> {
    Q_OBJECT
public:
    // Every text the journal shows, under the key the code reads it by.
    static constexpr auto kText = makeTextTable({
        {"Caption", "Stock Adjustment"},
        {"Frame1", "Inventory Account Setting"},
        {"cboCompany", "Acct Set ID :"},
        {"txtAcctset", "Acctset :"},
        {"txtStock", "Stock :"},
        {"txtCosting", "Costing :"},
        {"Label8", "Stock Item"},
        {"Label9", "Journal Entry"},
        {"cboEmployee", "Employee"},
        {"txtSubTotal", " Total"},
        {"SubTotalAtDesign", "$0.00"},
        {"txtOrderID", "Journal  Number :"},
        {"cmdNew", "NEW"},
        {"cmdSend", "POST"},
        {"Posted", "Stock Adjustment Journal has been posted. The Journal Number is: "},
        {"SelectSet", "Select an Account Set ID first!"},
        {"SpecifyEmployee", " Specify Employee Name "},
        {"SpecifyAccount", "Specify GL_ID Code to post for this stock item"},
        {"SpecifyDescription", "Specify Description for this journal"},
        {"NegativeCount", "The counted quantity must be 0 or more: stock cannot fall below nothing"},
        {"NegativePrice", "Stock counted up comes in at the unit price: enter a price of 0 or more"},
        {"CountedBeforeReceived", "Line %1: the stock of %2 was received on %3, after this journal's date. "
                                  "Date the journal on or after that day."},
    });

    // How many items' stock rows are read at a time, as the clerk scrolls.
    static constexpr int kItemsPerPage = 50;

    explicit frmStkAdj(QWidget* parent = nullptr);
    ~frmStkAdj() override;

    KeyHeader* sets;       // the account sets by Acctset_ID
    QComboBox* cboCompany; // the sets' list
    QLineEdit* txtAcctset;
    QLineEdit* txtStock;
    QLineEdit* txtCosting;
    QLabel* Label8; // over the pick grid
    QLabel* Label9; // over the line grid

protected:
    LineLook lineLook() const override { return {{800, 1000, 800, 1000, 1000}, {0, 1, 4}}; }
    PickFeed pickFeed() override {
        const QString set = cboCompany->currentText();
        return PickFeed::paged(
            [this, set](const QString& after) {
                return m_data->Get_Customer_Order(set, after, kItemsPerPage);
            },
            1, AtNew, {1100, 1100, 1100, 1100, 1300});
    }
    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{{{QStringLiteral("Doc_ID"), 0}}};
    }
    NewLine newLine() override {
        return {{{0, QStringLiteral("Doc_ID")},
                 {1, QStringLiteral("Pdt_ID_VC")},
                 {2, QStringLiteral("Qty_NU")},
                 {3, QStringLiteral("Unit_Price_TI")},
                 {4, QStringLiteral("Pdt_Name_VC")}}};
    }
    // The counted quantity at the line's unit price, as the books value a line.
    line::Amounts computeLine(const RowView& line) override {
        return priced(line, QStringLiteral("Unit_Price_TI"), QStringLiteral("Qty_NU"));
    }
    CheckList postChecks() override;
    std::vector<HeaderBox> headerBoxes() const override { return {{QStringLiteral("Date"), dtpOrder}}; }
    QString postedMessage() const override { return qtext(kText["Posted"]); }
    QString employeeMessage() const override { return qtext(kText["SpecifyEmployee"]); }

private:
    void layOut();
    // What the line's stock row holds now, as the pick grid offered it.
    std::int64_t offeredQuantity(const QString& docId) const;
    // The first line counting a stock row down before that row's goods were
    // received, refused in the clerk's words.
    Check countedBeforeReceipt();
};

} // namespace orv
