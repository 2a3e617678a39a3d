#pragma once

#include "clsPurInv.h"
#include "ui/BillingLines.h"
#include "ui/EntryWindow.h"
#include "uicore/TextTable.h"

namespace orv {

// "Purchase Invoice": the clerk picks the supplier, drags the received lines
// the supplier's invoice bills, types the quantity and a description of each
// and the supplier's own invoice number, and posts. Every line is billed at
// its received price, rate and VAT; the database credits the supplier and
// relieves the received lines.
class frmPurInv : public DataEntryWindow<clsPurInv> {
    Q_OBJECT
public:
    // Every text the invoice shows, under the key the code reads it by (the
    // billing lines' own in BillingLines::kText).
    static constexpr auto kText = makeTextTable({
        {"Caption", "Purchase Invoice"},
        {"Frame1", "Supplier Detail"},
        {"cboCompany", "Supplier "},
        {"txtinvno", "Invoice No :"},
        {"cboCreditor", "Supplier Type :"},
        {"txtAddress", "Address"},
        {"txtCity", "City"},
        {"txtRegion", "Region"},
        {"txtCurType", "Cur_Type"},
        {"txtCountry", "Country"},
        {"txtPostal", "Postal"},
        {"txtPhone", "Phone"},
        {"txtOrderID", "Posting No"},
        {"hfgProducts", "Items GRN"},
        {"dgrOrderDetails", "Items Billable"},
        {"dtpOrder", "Date :"},
        {"cboEmployee", "Employee"},
        {"txtSubTotal", "Gross"},
        {"txtVAT", "VAT Total :"},
        {"txtNett", "Nett Amount :"},
        {"cmdNew", "New Invoice"},
        {"cmdSend", "Create Invoice"},
        {"Posted", "Your Invoice has been issued. The confirmation number is: "},
        {"SpecifyEmployee", "Specify Employee Name!"},
        {"CompanyInvalid", "Company Name must be valid!"},
        {"SpecifyInvNo", "Specify invoice no"},
        {"InvNoNotNumber", "Specify Numerical Character"},
    });

    explicit frmPurInv(QWidget* parent = nullptr);
    ~frmPurInv() override;

    QLineEdit* txtinvno;
    QLineEdit* txtVAT;
    QLineEdit* txtNett;

protected:
    LineLook lineLook() const override;
    PickFeed pickFeed() override;
    NewLine newLine() override;
    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{
            {{QStringLiteral("GRN_No"), 3}, {QStringLiteral("ProductID"), 0}, {QStringLiteral("PO"), 4}}};
    }
    line::Amounts computeLine(const RowView& line) override;
    void checkLine(const RowView& line) override { kBilling.warn(line); }
    std::vector<TotalBox> totals() const override;
    CheckList postChecks() override;
    std::vector<HeaderBox> headerBoxes() const override {
        return {{QStringLiteral("inv_no"), txtinvno}, {QStringLiteral("Date_dt"), dtpOrder}};
    }
    QString postedMessage() const override { return qtext(kText["Posted"]); }
    void afterPost(bool posted) override;
    QString employeeMessage() const override { return qtext(kText["SpecifyEmployee"]); }

private:
    // The line fields the billing warnings and checks read.
    static inline const BillingLines kBilling{QStringLiteral("Qty_GRN"), QStringLiteral("Qty_Billed"),
                                              QStringLiteral("Qty_to_Bill"), QStringLiteral("Unit_Price")};
    void layOut();
};

} // namespace orv
