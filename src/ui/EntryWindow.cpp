#include "EntryWindow.h"

#include "CursorPictures.h"
#include "WriteAnswer.h"
#include "uicore/Controls.h"
#include "uicore/UiServices.h"
#include "values/Clock.h"
#include "values/DataError.h"
#include "values/Format.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace orv {

EntryWindow::EntryWindow(QWidget* parent)
    : Window(parent), hfgProducts(makeControl<PickGrid>(this, QStringLiteral("hfgProducts"))),
      dgrOrderDetails(makeControl<LineGrid>(this, QStringLiteral("dgrOrderDetails"))),
      cboEmployee(makeControl<QComboBox>(this, QStringLiteral("cboEmployee"))),
      txtSubTotal(makeControl<QLineEdit>(this, QStringLiteral("txtSubTotal"))),
      cmdNew(makeControl<QPushButton>(this, QStringLiteral("cmdNew"))),
      cmdSend(makeControl<QPushButton>(this, QStringLiteral("cmdSend"))),
      dtpOrder(makeControl<QDateEdit>(this, QStringLiteral("dtpOrder"))),
      txtOrderID(makeControl<QLineEdit>(this, QStringLiteral("txtOrderID"))),
      Image1(makeControl<QLabel>(this, QStringLiteral("Image1"))) {
    cboEmployee->setEditable(true);
    cboEmployee->setInsertPolicy(QComboBox::NoInsert);
    dtpOrder->setCalendarPopup(true);
    dtpOrder->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Image1->setToolTip(qtext(kSharedText["Image1"]));
    Image1->setPixmap(loadCursorPicture(kDragPicture));

    connect(hfgProducts, &PickGrid::rowPressed, this,
            [this](int row) { guarded([&] { hfgProducts_MouseDown(row); }); });
    // Enter on a pick row drops it as the mouse would.
    connect(hfgProducts, &PickGrid::rowEntered, this, [this](int row) {
        guarded([&] {
            copyPickRow(row);
            dgrOrderDetails_DragDrop();
        });
    });
    connect(dgrOrderDetails, &LineGrid::dragOver, this,
            [this](LineGrid::DragState state) { guarded([&] { dgrOrderDetails_DragOver(state); }); });
    connect(dgrOrderDetails, &LineGrid::dropped, this,
            [this] { guarded([&] { dgrOrderDetails_DragDrop(); }); });
    connect(dgrOrderDetails, &LineGrid::afterEdit, this, [this](int) { guarded([&] { Total_All(); }); });
    onClick(cmdNew, [this] { cmdNew_Click(); });
    onClick(cmdSend, [this] { cmdSend_Click(); });
}

// --- load --------------------------------------------------------------

void EntryWindow::Form_Load() {
    // Until the lines are first added up, a total box shows its design text.
    for (const TotalBox& total : totals())
        if (total.box->text().isEmpty())
            total.box->setText(kTotalAtDesign);
    // Each step on its own: a list that cannot be read leaves the rest of
    // the window usable.
    guarded([&] { createDataClass(); });
    fillKeyHeaders();
    guarded([&] { fillLists(); });
    guarded([&] { fillEmployees(); });
    guarded([&] {
        const PickFeed feed = pickFeed();
        if (feed.reload & AtLoad)
            reloadPick();
        else
            hfgProducts->setColumnWidthsTwips(feed.widths);
    });
    guarded([&] {
        Create_New_Order();
        Create_New_Order_Detail();
        bindLines();
    });
    dtpOrder->setDate(orv::today());
    for (const auto& [picker, days] : m_datePickers)
        picker->setDate(orv::today().addDays(days));
    setPeriodFromPicker();
}

QDateEdit* EntryWindow::useDatePicker(const QString& name, int daysFromToday) {
    auto* picker = makeControl<QDateEdit>(this, name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(dtpOrder->displayFormat());
    m_datePickers.emplace_back(picker, daysFromToday);
    return picker;
}

void EntryWindow::layOutBeside(QWidget* header, std::span<const PinnedText> texts,
                               const QList<QWidget*>& side) {
    const auto caption = [texts](const QString& key) {
        for (const PinnedText& pinned : texts)
            if (qtext(pinned.key) == key)
                return qtext(pinned.text);
        return QString();
    };
    auto* page = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(header);
    auto* boxes = new QFormLayout;
    for (QWidget* box : side)
        boxes->addRow(caption(box->objectName()), box);
    boxes->addRow(cmdNew, cmdSend);
    top->addLayout(boxes);
    page->addLayout(top);
    page->addLayout(rowOf({new QLabel(caption(hfgProducts->objectName()), this), Image1}));
    page->addWidget(hfgProducts, 1);
    page->addWidget(new QLabel(caption(dgrOrderDetails->objectName()), this));
    page->addWidget(dgrOrderDetails, 1);
}

void EntryWindow::fillEmployees(bool quiet) {
    const Recordset employees = readTable(QStringLiteral("Employees"));
    fillListFrom(cboEmployee, employees, [](const RowView& employee) {
        return employee.text(QStringLiteral("LastName")) + QStringLiteral(", ") +
               employee.text(QStringLiteral("FirstName"));
    });
    if (employees.recordCount() == 0 && !quiet)
        UiServices::current().message(noEmployeeMessage());
}

void EntryWindow::reloadPick() {
    const PickFeed feed = pickFeed();
    if (!feed.read)
        return;
    std::function<Recordset()> more;
    if (feed.more)
        more = [this, next = feed.more] { return next(hfgProducts->recordset()); };
    hfgProducts->setRecordset(feed.read(), std::move(more));
    hfgProducts->setColumnWidthsTwips(feed.widths);
}

void EntryWindow::Create_New_Order() {
    m_header = newHeader();
}

void EntryWindow::Create_New_Order_Detail() {
    m_lines = newLines();
}

void EntryWindow::bindLines() {
    dgrOrderDetails->bind(m_lines);
    const LineLook look = lineLook();
    dgrOrderDetails->setColumnWidthsTwips(look.widths);
    dgrOrderDetails->setLockedColumns(look.locked);
}

// --- period boxes --------------------------------------------------------

void EntryWindow::usePeriodBoxes() {
    if (txtMonth) {
        return;
    }
    txtMonth = makeControl<QLineEdit>(this, QStringLiteral("txtMonth"));
    txtYear = makeControl<QLineEdit>(this, QStringLiteral("txtYear"));
    txtMonth->setReadOnly(true);
    txtYear->setReadOnly(true);
    // The boxes follow every change of the picker's date, so a dropped line
    // always carries the period of its date.
    connect(dtpOrder, &QDateEdit::dateChanged, this, [this] { setPeriodFromPicker(); });
    // The month box always shows the picker's month.
    connect(txtMonth, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString month = QString::number(dtpOrder->date().month());
        if (text != month) {
            txtMonth->setText(month);
        }
    });
}

void EntryWindow::setPeriodFromPicker() {
    if (!txtMonth) {
        return;
    }
    txtMonth->setText(QString::number(dtpOrder->date().month()));
    txtYear->setText(QString::number(dtpOrder->date().year()));
}

// --- drag and drop -------------------------------------------------------

void EntryWindow::copyPickRow(int row) {
    m_copied.clear();
    for (int column : copiedColumns()) {
        hfgProducts->setCurrentIndex(hfgProducts->model()->index(row, column));
        m_copied << hfgProducts->cellText(row, column);
    }
}

std::vector<int> EntryWindow::copiedColumns() {
    std::vector<int> columns;
    for (const auto& [column, field] : newLine().copies)
        columns.push_back(column);
    return columns;
}

void EntryWindow::fillNewLine(Recordset& lines) {
    const NewLine line = newLine();
    for (size_t i = 0; i < line.copies.size(); ++i)
        lines.setValue(line.copies[i].second, Variant(m_copied.value(static_cast<int>(i))));
    for (const auto& [field, value] : line.values)
        lines.setValue(field, value);
}

void EntryWindow::hfgProducts_MouseDown(int row) {
    copyPickRow(row);
    hfgProducts->startRowDrag();
}

void EntryWindow::dgrOrderDetails_DragOver(LineGrid::DragState state) {
    if (state == LineGrid::DragState::Enter) {
        hfgProducts->setDragPicture(kDropPicture);
    } else if (state == LineGrid::DragState::Leave) {
        hfgProducts->setDragPicture(kDragPicture);
    }
}

bool EntryWindow::isDuplicate() const {
    const std::optional<DuplicateTest> test = duplicateTest();
    if (!test || test->fields.empty())
        return false;
    for (const RowView line : m_lines.rows()) {
        bool same = true;
        for (const auto& [field, cell] : test->fields)
            same = same && line.text(field) == m_copied.value(cell);
        if (same)
            return true;
    }
    return false;
}

void EntryWindow::dgrOrderDetails_DragDrop() {
    if (isDuplicate()) {
        UiServices::current().beep();
        UiServices::current().message(duplicateTest()->message);
        return;
    }
    m_lines.addNew();
    try {
        fillNewLine(m_lines);
    } catch (...) {
        // A copied cell the line cannot hold adds no half-filled line.
        m_lines.deleteCurrent();
        throw;
    }
    bindLines();
    Total_All();
}

// --- total -----------------------------------------------------------------

line::Amounts EntryWindow::priced(const RowView& line, const QString& price, const QString& quantity,
                                  const QString& rate) {
    if (isBlankCell(line.value(quantity)))
        return {};
    return line::amounts(line.currency(price), line.integer(quantity),
                         rate.isEmpty() ? Currency() : line.currency(rate));
}

line::Amounts EntryWindow::addUp(bool showing) {
    const std::vector<TotalBox> boxes = totals();
    line::Amounts sum;
    for (const RowView line : m_lines.rows()) {
        // A line's warnings come first: a value they put back is the one the
        // line's figures and the totals count.
        if (showing)
            checkLine(line);
        const line::Amounts figures = computeLine(line);
        if (showing) {
            for (const TotalBox& total : boxes)
                if (!total.lineField.isEmpty())
                    line.set(total.lineField, Variant(figures.*total.figure));
        }
        try {
            sum.nett += figures.nett;
            sum.vat += figures.vat;
            sum.gross += figures.gross;
        } catch (const DataError&) {
            throw DataError(qtext(kSharedText["TotalTooLarge"]));
        }
    }
    return sum;
}

std::optional<line::Amounts> EntryWindow::documentAmounts() {
    try {
        return addUp(false);
    } catch (const DataError&) {
        return std::nullopt;
    }
}

void EntryWindow::showTotals(const std::optional<line::Amounts>& sum, const QString& empty) {
    for (const TotalBox& total : totals())
        total.box->setText(sum ? formatNumber(Variant((*sum).*total.figure), kTotalPicture) : empty);
}

void EntryWindow::Total_All() {
    if (m_lines.recordCount() == 0) {
        showTotals(std::nullopt, qtext(kSharedText["NoTotal"]));
        return;
    }
    // A line or a sum beyond what the books can hold leaves no totals rather
    // than those before this change.
    showTotals(std::nullopt, QString());
    showTotals(addUp(true), QString());
}

CheckList EntryWindow::figureChecks() {
    return {
        eachLine({Check::onLine(
            [this](const RowView& line) {
                try {
                    computeLine(line);
                    return false;
                } catch (const DataError&) {
                    return true;
                }
            },
            qtext(kSharedText["AmountTooLarge"]))}),
        Check::when([this] { return !documentAmounts(); }, qtext(kSharedText["TotalTooLarge"])),
    };
}

// --- lines ---------------------------------------------------------------------

Check EntryWindow::eachLine(std::vector<Check> perLine) {
    return Check::eachLine(m_lines, std::move(perLine), [this](int row) { selectLine(row); });
}

void EntryWindow::selectLine(int row) {
    if (row < 0 || row >= m_lines.recordCount())
        return;
    m_lines.moveTo(row);
    dgrOrderDetails->selectLine(row);
}

Check EntryWindow::linesInOneYear(const QString& dateField, const QString& message) {
    // Each year with its lines, in the order of their first line.
    std::vector<std::pair<int, QStringList>> years;
    for (const RowView line : m_lines.rows()) {
        const int year = line.date(dateField).year();
        auto it = std::find_if(years.begin(), years.end(), [year](const auto& y) { return y.first == year; });
        if (it == years.end())
            it = years.insert(years.end(), {year, {}});
        it->second << QString::number(line.index() + 1);
    }
    QStringList which;
    for (const auto& [year, lines] : years) {
        const QString numbers = lines.size() == 1
                                    ? lines.first()
                                    : lines.mid(0, lines.size() - 1).join(QStringLiteral(", ")) +
                                          QStringLiteral(" and ") + lines.last();
        which << QStringLiteral("%1 %2 %3 in %4")
                     .arg(lines.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"), numbers,
                          lines.size() == 1 ? QStringLiteral("falls") : QStringLiteral("fall"))
                     .arg(year);
    }
    QString named = which.join(QStringLiteral("; ")) + QLatin1Char('.');
    named[0] = named[0].toUpper();
    return refusingLine(years.size() > 1 ? years[1].second.first().toInt() - 1 : -1,
                        message + QLatin1Char('\n') + named);
}

Check EntryWindow::refusingLine(int row, const QString& message, QWidget* focus) {
    return Check::when(
        [this, row] {
            if (row < 0)
                return false;
            selectLine(row);
            return true;
        },
        message, focus);
}

// --- New and Post -----------------------------------------------------------

void EntryWindow::setEditing(bool editing) {
    cmdSend->setEnabled(editing);
    dgrOrderDetails->setEnabled(editing);
    hfgProducts->setEnabled(editing);
}

void EntryWindow::cmdNew_Click() {
    setEditing(true);
    txtOrderID->clear();
    Create_New_Order_Detail();
    if (pickFeed().reload & AtNew)
        reloadPick();
    bindLines();
    Total_All();
}

void EntryWindow::cmdSend_Click() {
    m_employeeKey.clear();
    if (!runChecks(postChecks()) || (m_employeeKey.isEmpty() && !runChecks(employeeChecks())) ||
        !runChecks(figureChecks())) {
        return;
    }
    UiServices& ui = UiServices::current();
    ui.setPointer(this, Pointer::Hourglass);
    WriteAnswer answer;
    // A header value that cannot be filled stops the posting with its
    // reason; the document stays as it is and can be posted again.
    const bool sent = guarded([&] {
        assignText(m_header, QStringLiteral("EmployeeID"), m_employeeKey);
        copyHeaders();
        fillHeader(m_header);
        answer = sendToBooks([&] { return sendOrder(); });
    });
    const QString& result = answer.text;
    ui.setPointer(this, Pointer::Arrow);
    if (!sent) {
        return;
    }
    const bool posted = isNumericText(result);
    if (posted) {
        txtOrderID->setText(result);
        ui.message(postedMessage() + result);
        setEditing(false);
    } else {
        ui.message(result);
        // The line the books named is the one to mend.
        if (answer.refusal && answer.refusal->line > 0)
            selectLine(answer.refusal->line - 1);
    }
    if (pickFeed().reload & AfterPost)
        guarded([&] { reloadPick(); });
    afterPost(posted);
}

} // namespace orv
