#pragma once

#include "clsSale_Entry.h"
#include "ui/BillingLines.h"
#include "ui/EntryWindow.h"
#include "uicore/TextTable.h"

namespace orv {

// "Sales Invoice": the clerk picks the customer, whose delivered lines the
// pick grid then lists, drags lines into the invoice, types each line's
// description and quantity to bill, and creates the invoice; the database
// posts the customer's open item, the sales, the VAT and the cost of the
// goods delivered. "EXIT" ends the whole program.
class frmSale_Entry : public DataEntryWindow<clsSale_Entry> {
    Q_OBJECT
public:
    // Every text the invoice shows, under the key the code reads it by.
    static constexpr auto kText = makeTextTable({
        {"Caption", "Sales Invoice"},
        {"Frame1", "Customer Detail"},
        {"cboCompany", "Company :"},
        {"txtAddress", "Address :"},
        {"txtCity", "City :"},
        {"txtRegion", "Region :"},
        {"txtCountry", "Country :"},
        {"txtPostal", "PostalCode :"},
        {"txtPhone", "Phone :"},
        {"txtCreditTerm", "Credit Term :"},
        {"txtCreditLimit", "Credit Limit :"},
        {"txtCurType", "Cur Type :"},
        {"cboCreditor", "Customer Type :"},
        {"txtCurRate", "Cur Rate :"},
        {"txtbalance", "Outstanding Bal :"},
        {"txtOrderID", "Invoice Number :"},
        {"cboEmployee", "Employee"},
        {"cboShipVia", "Ship Method"},
        {"dtpOrder", "Order Date"},
        {"dtpRequired", "Required Date"},
        {"hfgProducts", "Items Delivered"},
        {"dgrOrderDetails", "Items Billable"},
        {"txtSubTotal", "Gross :"},
        {"txtVAT", "VAT :"},
        {"txtNett", "Nett :"},
        {"cmdNew", "New Invoice"},
        {"cmdSend", "Create Invoice"},
        {"Command1", "EXIT"},
        {"NoShippers", " No Records was found in Shipping Table "},
        {"Posted", "Your Invoice has been issued. The Invoice number is: "},
        {"CompanyInvalid", "Company Name must be valid!"},
        {"OverCredit", "Over Credit Limit"},
        {"SpecifyEmployee", "Specify an Employee"},
        {"SpecifyShipper", "Specify a Shipping Company Name!"},
    });

    explicit frmSale_Entry(QWidget* parent = nullptr);
    ~frmSale_Entry() override;

    KeyHeader* shippers;
    QComboBox* cboShipVia;
    QDateEdit* dtpRequired;
    QLineEdit* txtVAT;
    QLineEdit* txtNett;
    QPushButton* Command1;

protected:
    LineLook lineLook() const override {
        return {{900, 1100, 800, 1000, 1000, 800}, {0, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12}};
    }
    // The chosen customer's delivered lines, read for every new invoice.
    PickFeed pickFeed() override {
        return {[this] { return m_data->Get_Customer_Order(party->cboCompany->currentText()); },
                AtNew,
                {1200, 1300, 1300, 1000, 800}};
    }
    // A delivered line is billed once per invoice: its order, item and PO.
    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{
            {{QStringLiteral("do_no"), 3}, {QStringLiteral("Product_No"), 0}, {QStringLiteral("PO"), 4}}};
    }
    NewLine newLine() override;
    line::Amounts computeLine(const RowView& line) override {
        return priced(line, QStringLiteral("Unit_Price"), QStringLiteral("qty_to_bill"),
                      QStringLiteral("VAT_rate"));
    }
    void checkLine(const RowView& line) override { kBilling.warn(line); }
    std::vector<TotalBox> totals() const override {
        return {{txtSubTotal, &line::Amounts::gross, QStringLiteral("Gross")},
                {txtVAT, &line::Amounts::vat, QStringLiteral("VAT_Total")},
                {txtNett, &line::Amounts::nett, QStringLiteral("Nett")}};
    }
    CheckList postChecks() override;
    std::vector<HeaderBox> headerBoxes() const override {
        return {{QStringLiteral("OrderDate"), dtpOrder}, {QStringLiteral("RequiredDate"), dtpRequired}};
    }
    QString postedMessage() const override { return qtext(kText["Posted"]); }
    void afterPost(bool posted) override;
    QString employeeMessage() const override { return qtext(kText["SpecifyEmployee"]); }

private:
    static inline const BillingLines kBilling{QStringLiteral("qty_on_order"), QStringLiteral("qty_billed"),
                                              QStringLiteral("qty_to_bill"), QStringLiteral("Unit_Price")};
    void layOut();
};

} // namespace orv
