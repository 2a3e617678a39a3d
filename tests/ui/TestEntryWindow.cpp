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

void TestEntryWindow::checkLine(const RowView& line) {
    if (line.isBlank(QStringLiteral("Quantity")) || line.integer(QStringLiteral("Quantity")) == 0) {
        UiServices::current().message(kZeroQuantity);
    }
}

CheckList TestEntryWindow::postChecks() {
    const Recordset& rs = m_lines;
    return inOrder(
        {employeeChecks(),
         {
             Check::when([rs] { return rs.recordCount() == 0; },
                         QStringLiteral("No items listed in Order Listbox!")),
             eachLine({
                 Check::onLine([](const RowView& line) { return line.isBlank(QStringLiteral("Quantity")); },
                               QStringLiteral("Specify Quantity")),
                 Check::warningOnLine(
                     [](const RowView& line) { return line.integer(QStringLiteral("Quantity")) > 100; },
                     kLargeQuantity),
             }),
         }});
}

void TestEntryWindow::fillHeader(Recordset& header) {
    header.setValue(QStringLiteral("OrderDate"), dtpOrder->date());
}

} // namespace orv::test
