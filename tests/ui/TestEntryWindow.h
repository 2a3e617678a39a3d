#pragma once

#include "FakeEntryData.h"
#include "ui/EntryWindow.h"

namespace orv::test {

// An entry window built on the frame the way a real one is: a stock order
// whose pick grid lists products; a drop adds the product with quantity 1
// and the period of the date picker; the total is quantity times price.
class TestEntryWindow : public EntryWindow {
    Q_OBJECT
public:
    static inline const QString kPosted =
        QStringLiteral("Your Order has been posted. The posting number is: ");
    static inline const QString kNoEmployee =
        QStringLiteral(" No Employee Name was created yet in AR Set-Up ");
    static inline const QString kDuplicate = QStringLiteral("Item already exists!");
    static inline const QString kZeroQuantity = QStringLiteral("Quantity must be specified");
    static inline const QString kLargeQuantity = QStringLiteral("Quantity above 100, please make sure");

    // The data every new window of this type reads (set by the test).
    static inline FakeEntryData* book = nullptr;
    // How many times a window of this type ran its load procedure.
    static inline int loads = 0;

    TestEntryWindow();

protected:
    void Form_Load() override;
    void createDataClass() override { m_cls = book; }
    Recordset readTable(const QString& table) override { return m_cls->Get_Table_Recordset(table); }
    QString lookupId(const QString& table, const QString& value) override {
        return m_cls->Get_ID(table, value);
    }
    QString sendOrder() override { return m_cls->Send_Order(m_header, m_lines); }

    std::vector<FieldDef> headerFields() const override;
    std::vector<LineColumn> lineColumns() const override;
    std::vector<int> copiedColumns() const override { return {0, 1, 2}; }
    std::optional<DuplicateTest> duplicateTest() const override;
    void fillNewLine(Recordset& lines) override;
    Currency computeLine(const RowView& line) override;
    CheckList postChecks() override;
    void fillHeader(Recordset& header) override;
    QString postedMessage() const override { return kPosted; }
    QString noEmployeeMessage() const override { return kNoEmployee; }
    void loadPickGrid() override { showPickRows(m_cls->Get_Products()); }
    void reloadPickAfterPost() override { showPickRows(m_cls->Get_Products()); }
    std::vector<int> pickColumnWidths() const override { return {1200, 1600, 1200}; }

private:
    FakeEntryData* m_cls = nullptr;
};

} // namespace orv::test
