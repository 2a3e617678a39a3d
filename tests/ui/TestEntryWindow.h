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
    static inline const QString kSpecifyEmployee = QStringLiteral("Specify Employee Name");
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
    Recordset newHeader() override { return FakeEntryData::newHeader(); }
    Recordset newLines() override { return FakeEntryData::newLines(); }
    QString sendOrder() override { return m_cls->Send_Order(m_header, m_lines); }

    LineLook lineLook() const override {
        return {{800, 1400, 800, 1000, 1200, 1600, 1000, 600, 600}, {0, 1, 3, 4, 6, 7, 8}};
    }
    PickFeed pickFeed() override {
        return {[this] { return m_cls->Get_Products(); }, AtLoad | AfterPost, {1200, 1600, 1200}};
    }
    std::vector<int> copiedColumns() override { return {0, 1, 2}; }
    std::optional<DuplicateTest> duplicateTest() const override {
        return DuplicateTest{{{QStringLiteral("ProductID"), 0}}, kDuplicate};
    }
    void fillNewLine(Recordset& lines) override;
    line::Amounts computeLine(const RowView& line) override {
        return priced(line, QStringLiteral("UnitPrice"), QStringLiteral("Quantity"));
    }
    void checkLine(const RowView& line) override;
    std::vector<TotalBox> totals() const override {
        return {{txtSubTotal, &line::Amounts::gross, QStringLiteral("Amount")}};
    }
    CheckList postChecks() override;
    void fillHeader(Recordset& header) override;
    QString postedMessage() const override { return kPosted; }
    QString noEmployeeMessage() const override { return kNoEmployee; }
    QString employeeMessage() const override { return kSpecifyEmployee; }

private:
    FakeEntryData* m_cls = nullptr;
};

} // namespace orv::test
