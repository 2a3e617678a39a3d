#include "TestEntryWindow.h"

#include "uicore/UiServices.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orv::test {

TestEntryWindow::TestEntryWindow() {
    setWindowTitle(QStringLiteral("Stock Order"));
    usePeriodBoxes();
    cmdNew->setText(QStringLiteral("NEW ORDER"));
    cmdSend->setText(QStringLiteral("POST"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Available products")), 0, 0);
    grid->addWidget(Image1, 0, 1);
    grid->addWidget(txtOrderID, 0, 3);
    grid->addWidget(hfgProducts, 1, 0, 1, 4);
    grid->addWidget(txtMonth, 2, 2);
    grid->addWidget(txtYear, 2, 3);
    grid->addWidget(dgrOrderDetails, 3, 0, 1, 4);
    grid->addWidget(dtpOrder, 4, 0);
    grid->addWidget(txtSubTotal, 4, 3);
    grid->addWidget(cboEmployee, 5, 0);
    grid->addWidget(cmdNew, 5, 2);
    grid->addWidget(cmdSend, 5, 3);
}

void TestEntryWindow::Form_Load() {
    ++loads;
    EntryWindow::Form_Load();
}

std::vector<FieldDef> TestEntryWindow::headerFields() const {
    return {{QStringLiteral("EmployeeID"), DataType::BigInt}, {QStringLiteral("OrderDate"), DataType::Date}};
}

std::vector<EntryWindow::LineColumn> TestEntryWindow::lineColumns() const {
    return {
        {QStringLiteral("ProductID"), DataType::Integer, 0, 800, true},
        {QStringLiteral("ProductName"), DataType::Text, 20, 1400, true},
        {QStringLiteral("Quantity"), DataType::Integer, 0, 800, false},
        {QStringLiteral("UnitPrice"), DataType::Currency, 0, 1000, true},
        {QStringLiteral("Amount"), DataType::Currency, 0, 1200, true},
        {QStringLiteral("Descrip"), DataType::Text, 10, 1600, false},
        {QStringLiteral("Date"), DataType::Date, 0, 1000, true},
        {QStringLiteral("Period"), DataType::SmallInt, 0, 600, true},
        {QStringLiteral("Year"), DataType::SmallInt, 0, 600, true},
    };
}

std::optional<EntryWindow::DuplicateTest> TestEntryWindow::duplicateTest() const {
    return DuplicateTest{QStringLiteral("ProductID"), 0, kDuplicate};
}

void TestEntryWindow::fillNewLine(Recordset& lines) {
    lines.setValue(QStringLiteral("ProductID"), m_copied.at(0));
    lines.setValue(QStringLiteral("ProductName"), m_copied.at(1));
    lines.setValue(QStringLiteral("Quantity"), std::int32_t(1));
    lines.setValue(QStringLiteral("UnitPrice"), m_copied.at(2));
    lines.setValue(QStringLiteral("Descrip"), QString());
    lines.setValue(QStringLiteral("Date"), dtpOrder->date());
    lines.setValue(QStringLiteral("Period"), txtMonth->text());
    lines.setValue(QStringLiteral("Year"), txtYear->text());
}

Currency TestEntryWindow::computeLine(const RowView& line) {
    const Variant quantity = line.value(QStringLiteral("Quantity"));
    const std::int64_t q = quantity.isBlank() ? 0 : quantity.toInt64();
    if (q == 0) {
        UiServices::current().message(kZeroQuantity);
    }
    const Currency amount = line.value(QStringLiteral("UnitPrice")).toCurrency() * q;
    line.set(QStringLiteral("Amount"), amount);
    return amount;
}

CheckList TestEntryWindow::postChecks() {
    const Recordset& rs = m_lines;
    return {
        Check::empty(cboEmployee, QStringLiteral("Specify Employee Name")),
        Check::when([rs] { return rs.recordCount() == 0; },
                    QStringLiteral("No items listed in Order Listbox!")),
        Check::eachLine(
            rs,
            {
                Check::onLine([](const RowView& line) { return line.isBlank(QStringLiteral("Quantity")); },
                              QStringLiteral("Specify Quantity")),
                Check::warningOnLine(
                    [](const RowView& line) { return line.integer(QStringLiteral("Quantity")) > 100; },
                    kLargeQuantity),
            }),
    };
}

void TestEntryWindow::fillHeader(Recordset& header) {
    header.setValue(QStringLiteral("OrderDate"), dtpOrder->date());
}

} // namespace orv::test
