#pragma once

#include "clsGRN.h"
#include "ui/EntryWindow.h"
#include "uicore/TextTable.h"

namespace orv {

// "Goods Received Note": the clerk picks the supplier and the employee, types
// the purchase order number (and a foreign supplier's rate), drags items from
// the stock list, types each line's quantity and unit cost and posts; the
// database brings the goods into stock at cost. Shown modal.
class frmGRN : public DataEntryWindow<clsGRN> {
    Q_OBJECT
public:
    // Every text the note shows, under the key the code reads it by.
    static constexpr auto kText = makeTextTable({
        {"Caption", "Goods Received Note"},
        {"Frame1", "Creditor Detail"},
        {"cboCompany", "Supplier :"},
        {"txtAddress", "Address"},
        {"txtCity", "City"},
        {"txtRegion", "Region"},
        {"txtCountry", "Country"},
        {"txtPostal", "Postal"},
        {"txtPhone", "Phone"},
        {"cboCreditor", "Supplier Type :"},
        {"txtCurType", "Cur Type"},
        {"txtCurRate", "Cur Rate"},
        {"txtPO", "PO No :"},
        {"cboEmployee", "Employee"},
        {"txtOrderID", "GRN Number"},
        {"txtSubTotal", " Total"},
        {"SubTotalAtDesign", "$0.00"},
        {"hfgProducts", "Available Products"},
        {"PickHint", "Below are the available items in inventory"},
        {"dgrOrderDetails", "Received Items"},
        {"cmdNew", "New GRN"},
        {"cmdSend", "Create GRN"},
        {"Posted", "Your GRN has been issued. The confirmation number is: "},
        {"EnterDescription", "Please enter description for this item"},
        {"SpecifyEmployee", "Specify Employee Name!"},
        {"CompanyInvalid", "Company Name must be valid!"},
        {"SpecifyPO", " Specify PO Number! "},
        {"NegativeQuantity", "Negative Quantity is disallowed"},
        {"NegativePricing", "Negative Pricing is disallowed"},
        {"OneYear",
         "All lines of a note must fall in one year: post each year's lines on a note of their own"},
    });

    explicit frmGRN(QWidget* parent = nullptr);
    ~frmGRN() override;

    QLineEdit* txtPO;

protected:
    LineLook lineLook() const override {
        return {{1, 1000, 800, 1000, 1000, 800, 800, 1000, 1000}, {1, 2, 5, 7, 8, 9, 10}};
    }
    PickFeed pickFeed() override {
        return {[this] { return m_data->Get_Products(); }, AtLoad | AfterPost, {1200, 800, 2000, 800, 800}};
    }
    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{{{QStringLiteral("Product_No"), 0}}};
    }
    NewLine newLine() override;
    line::Amounts computeLine(const RowView& line) override {
        return priced(line, QStringLiteral("Unit_Price_TI"), QStringLiteral("Qty_Order"));
    }
    void checkLine(const RowView& line) override;
    std::vector<TotalBox> totals() const override {
        return {{txtSubTotal, &line::Amounts::gross, QStringLiteral("ExtendedPrice")}};
    }
    CheckList postChecks() override;
    std::vector<HeaderBox> headerBoxes() const override { return {{QStringLiteral("PO"), txtPO}}; }
    QString postedMessage() const override { return qtext(kText["Posted"]); }
    void afterPost(bool posted) override;
    QString employeeMessage() const override { return qtext(kText["SpecifyEmployee"]); }

private:
    void layOut();
};

} // namespace orv
