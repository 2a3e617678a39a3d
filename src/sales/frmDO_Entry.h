#pragma once

#include "clsDO_Entry.h"
#include "ui/EntryWindow.h"
#include "uicore/TextTable.h"

namespace orv {

// "Delivery Order": the clerk picks the customer, the employee and the
// shipper, types the customer's PO number, drags items from the stock list,
// adjusts each line's quantity, description and selling price, and posts; the
// database takes the goods out of stock at cost and keeps each line open for
// the customer's invoice.
class frmDO_Entry : public DataEntryWindow<clsDO_Entry> {
    Q_OBJECT
public:
    // Every text the order shows, under the key the code reads it by.
    static constexpr auto kText = makeTextTable({
        {"Caption", "Delivery Order"},
        {"Frame1", "Customer Detail"},
        {"cboCompany", "CompanyName"},
        {"txtAddress", "Address :"},
        {"txtCity", "City :"},
        {"txtRegion", "Region :"},
        {"txtCountry", "Country :"},
        {"txtPostal", "Postal :"},
        {"txtPhone", "Phone :"},
        {"txtCurType", "Cur Type :"},
        {"cboCreditor", "Customer Type :"},
        {"txtPO", "PO Number :"},
        {"cboEmployee", "Employee"},
        {"cboShipVia", "Ship Method"},
        {"dtpOrder", "Order Date"},
        {"dtpRequired", "Required Date"},
        {"hfgProducts", "Available Products"},
        {"PickHint", "Below are the available items in inventory"},
        {"dgrOrderDetails", "Order Items"},
        {"txtSubTotal", " Total"},
        {"txtOrderID", "DO Number :"},
        {"cmdNew", "New DO"},
        {"cmdSend", "Post DO"},
        {"NoShippers", " No records was found in Shipping Table "},
        {"Posted", "Your DO has been issued. The DO number is: "},
        {"OverStock", "Qty Ordered cannot be more than Qty in warehouse"},
        {"EnterDescription", "Please enter description for this item"},
        {"CompanyInvalid", "Company Name must be valid!"},
        {"SpecifyEmployee", "Specify an Employee"},
        {"SpecifyShipper", "Specify a Shipping Company Name!"},
        {"SpecifyPO", "Specify Customer PO Number!"},
        {"NegativeQuantity", "Negative Quantity is disallowed"},
        {"NegativePricing", "Negative Pricing is disallowed"},
        {"OneYear", "All lines of a delivery order must fall in one year: deliver each year's lines on an "
                    "order of their own"},
    });

    explicit frmDO_Entry(QWidget* parent = nullptr);
    ~frmDO_Entry() override;

    KeyHeader* shippers;
    QComboBox* cboShipVia;
    QLineEdit* txtPO;
    QDateEdit* dtpRequired;

protected:
    QString employeeMessage() const override { return qtext(kText["SpecifyEmployee"]); }
    QString postedMessage() const override { return qtext(kText["Posted"]); }
    LineLook lineLook() const override {
        return {{800, 1000, 800, 1000, 1200, 800, 800, 1000, 1300}, {0, 1, 2, 5, 7, 8, 9, 10}};
    }
    // The stock list is read again for every new order, so an order never
    // offers stock that has left since the window opened.
    PickFeed pickFeed() override;
    std::optional<DuplicateTest> duplicateTest() const override;
    NewLine newLine() override;
    line::Amounts computeLine(const RowView& line) override;
    void checkLine(const RowView& line) override;
    std::vector<TotalBox> totals() const override;
    CheckList postChecks() override;
    std::vector<HeaderBox> headerBoxes() const override {
        return {{QStringLiteral("OrderDate"), dtpOrder},
                {QStringLiteral("RequiredDate"), dtpRequired},
                {QStringLiteral("PO"), txtPO}};
    }
    void afterPost(bool posted) override;

private:
    void layOut();
};

} // namespace orv
