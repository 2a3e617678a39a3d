#include "JournalWindow.h"

#include "uicore/Controls.h"
#include "uicore/UiServices.h"
#include "values/Money.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <set>

namespace orv {

namespace {

QLabel* caption(QWidget* parent, const QString& name, const QString& text) {
    auto* label = makeControl<QLabel>(parent, name);
    label->setText(text);
    return label;
}

bool blank(const Variant& v) {
    return v.isBlank() || v.toString().isEmpty();
}

} // namespace

JournalWindow::JournalWindow(Look look, QWidget* parent)
    : EntryWindow(parent), Label8(caption(this, QStringLiteral("Label8"), look.pickGrid)),
      Label17(caption(this, QStringLiteral("Label17"), qtext(kJournalText["Label17"]))),
      Label9(caption(this, QStringLiteral("Label9"), look.lineGrid)),
      Label2(caption(this, QStringLiteral("Label2"), qtext(kJournalText["Label2"]))),
      Label1(caption(this, QStringLiteral("Label1"), qtext(kJournalText["Label1"]))),
      Label11(caption(this, QStringLiteral("Label11"), qtext(kJournalText["Label11"]))),
      Label14(caption(this, QStringLiteral("Label14"), qtext(kJournalText["Label14"]))),
      Label13(caption(this, QStringLiteral("Label13"), qtext(kJournalText["Label13"]))),
      m_look(std::move(look)) {
    setWindowTitle(m_look.window);
    usePeriodBoxes();
    txtOrderID->setReadOnly(true);
    // A journal's total shows "$ 0.00" from the start.
    txtSubTotal->setText(qtext(kSharedText["NoTotal"]));
    cmdNew->setText(qtext(kJournalText["cmdNew"]));
    cmdSend->setText(qtext(kJournalText["cmdSend"]));
    layOut();
}

void JournalWindow::layOut() {
    auto* page = new QVBoxLayout(this);
    page->addLayout(rowOf({Label8, Image1}, {Label17, txtOrderID}));
    page->addWidget(hfgProducts, 1);
    page->addLayout(rowOf({Label9}, {Label2, txtMonth, Label1, txtYear}));
    page->addWidget(dgrOrderDetails, 1);
    page->addLayout(rowOf({Label11, dtpOrder}, {Label14, txtSubTotal}));
    page->addLayout(rowOf({Label13, cboEmployee, cmdNew, cmdSend}));
    resize(760, 560);
}

void JournalWindow::fillJournalLine(Recordset& lines, const Variant& amount) {
    lines.setValue(QStringLiteral("GL_ID"), Variant(copiedCells().value(0)));
    lines.setValue(QStringLiteral("GL_Name"), Variant(copiedCells().value(1)));
    lines.setValue(QStringLiteral("Amount"), amount);
    lines.setValue(QStringLiteral("Descrip"), Variant(QString()));
    lines.setValue(QStringLiteral("Date"), Variant(dtpOrder->date()));
    lines.setValue(QStringLiteral("Period"), Variant(txtMonth->text()));
    lines.setValue(QStringLiteral("Year"), Variant(txtYear->text()));
}

line::Amounts JournalWindow::computeLine(const RowView& line) {
    // An emptied amount cell counts as nothing; the post asks for it.
    const Currency value = line.currency(QStringLiteral("Amount"));
    return {value, Currency(), value};
}

void JournalWindow::checkLine(const RowView& line) {
    UiServices& ui = UiServices::current();
    if (line.currency(QStringLiteral("Amount")).raw() == 0)
        ui.message(qtext(kJournalText["AmountZero"]));
    if (line.date(QStringLiteral("Date")) != dtpOrder->date())
        ui.message(qtext(kJournalText["DateMustBeSame"]));
}

Currency JournalWindow::linesTotal() const {
    Currency total;
    const int amount = m_lines.fieldIndex(QStringLiteral("Amount"));
    for (int row = 0; row < m_lines.recordCount(); ++row) {
        const Variant v = m_lines.valueAt(row, amount);
        if (!blank(v))
            total += v.toCurrency();
    }
    return total;
}

CheckList JournalWindow::postChecks() {
    CheckList checks = employeeChecks();
    for (CheckList more : {lineChecks(), balanceChecks(), CheckList{wholeCentsCheck(), oneYearCheck()}})
        std::move(more.begin(), more.end(), std::back_inserter(checks));
    return checks;
}

CheckList JournalWindow::lineChecks() {
    return {
        Check::when([this] { return m_lines.recordCount() == 0; }, qtext(kJournalText["NoLines"])),
        eachLine({
            Check::onLine([](const RowView& line) { return blank(line.value(QStringLiteral("Amount"))); },
                          qtext(kJournalText["SpecifyAmount"])),
            Check::onLine([](const RowView& line) { return blank(line.value(QStringLiteral("Descrip"))); },
                          qtext(kJournalText["SpecifyDescription"])),
            Check::warningOnLine(
                [this](const RowView& line) {
                    return line.value(QStringLiteral("Date")).toDate() != dtpOrder->date();
                },
                qtext(kJournalText["DateMustBeSame"])),
        }),
        // Before any total is taken: the books keep every sum inside their
        // limits, and a line beyond its limit would be refused at the post.
        Check::when(
            [this] {
                const int amount = m_lines.fieldIndex(QStringLiteral("Amount"));
                const Currency limit = Currency::fromRaw(money::kLineLimitRaw);
                for (int row = 0; row < m_lines.recordCount(); ++row) {
                    const Variant v = m_lines.valueAt(row, amount);
                    if (!blank(v) && (v.toCurrency() > limit || v.toCurrency() < -limit))
                        return true;
                }
                return false;
            },
            qtext(kJournalText["LineLimit"]).arg(money::lineLimitText()), dgrOrderDetails),
    };
}

Check JournalWindow::wholeCentsCheck() {
    // The ledger keeps whole cents; a fraction is refused, never rounded away.
    return Check::when(
        [this] {
            const int amount = m_lines.fieldIndex(QStringLiteral("Amount"));
            for (int row = 0; row < m_lines.recordCount(); ++row)
                if (!m_lines.valueAt(row, amount).toCurrency().isWholeCents())
                    return true;
            return false;
        },
        qtext(kJournalText["WholeCents"]), dgrOrderDetails);
}

Check JournalWindow::oneYearCheck() {
    return Check::when(
        [this] {
            std::set<std::int64_t> years;
            const int year = m_lines.fieldIndex(QStringLiteral("Year"));
            for (int row = 0; row < m_lines.recordCount(); ++row)
                years.insert(m_lines.valueAt(row, year).toInt64());
            return years.size() > 1;
        },
        qtext(kJournalText["OneYear"]), dgrOrderDetails);
}

} // namespace orv
