#pragma once

#include "clsGRN.h"
#include "ui/EntryWindow.h"

namespace orv {

// "Goods Received Note": the clerk picks the supplier and the employee, types
// the purchase order number (and a foreign supplier's rate), drags items from
// the stock list, types each line's quantity and unit cost and posts; the
// database brings the goods into stock at cost. Shown modal.
class frmGRN : public DataEntryWindow<clsGRN> {
    Q_OBJECT
public:
    static inline const QString kPostedMessage =
        QStringLiteral("Your GRN has been issued. The confirmation number is: ");
    static inline const QString kEnterDescription = QStringLiteral("Please enter description for this item");
    static inline const QString kSpecifyEmployee = QStringLiteral("Specify Employee Name!");
    static inline const QString kCompanyInvalid = QStringLiteral("Company Name must be valid!");
    static inline const QString kSpecifyPO = QStringLiteral(" Specify PO Number! ");
    static inline const QString kEnterRate = QStringLiteral("Enter Currency Rate for this transaction");
    static inline const QString kRateNotNumber =
        QStringLiteral("Enter numerical, up to 3 decimal points and not character");
    static inline const QString kRateNotPositive = QStringLiteral("Currency rate must not be negative");
    static inline const QString kNegativeQuantity = QStringLiteral("Negative Quantity is disallowed");
    static inline const QString kNegativePricing = QStringLiteral("Negative Pricing is disallowed");
    static inline const QString kOneYear = QStringLiteral(
        "All lines of a note must fall in one year: post each year's lines on a note of their own");

    explicit frmGRN(QWidget* parent = nullptr);
    ~frmGRN() override;

    QLineEdit* txtPO;

protected:
    std::vector<FieldDef> headerFields() const override;
    std::vector<LineColumn> lineColumns() const override;
    std::vector<int> copiedColumns() const override { return {1, 2, 3, 4}; }
    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{QStringLiteral("Product_No"), 0, kItemExists};
    }
    void fillNewLine(Recordset& lines) override;
    Currency computeLine(const RowView& line) override;
    CheckList postChecks() override;
    void fillHeader(Recordset& header) override;
    QString postedMessage() const override { return kPostedMessage; }
    void loadPickGrid() override;
    void reloadPickAfterPost() override;
    std::vector<int> pickColumnWidths() const override { return {1200, 800, 2000, 800, 800}; }

private:
    void layOut();
};

} // namespace orv
