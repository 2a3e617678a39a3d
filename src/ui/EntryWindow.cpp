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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    // Each step on its own: a list that cannot be read leaves the rest of
    // the window usable.
    guarded([&] { createDataClass(); });
    guarded([&] {
        if (party)
            party->fillList();
        fillLists();
    });
    guarded([&] { fillEmployees(); });
    guarded([&] { loadPickGrid(); });
    guarded([&] {
        Create_New_Order();
        Create_New_Order_Detail();
        bindLines();
        Total_All();
    });
    dtpOrder->setDate(orv::today());
    setPeriodFromPicker();
}

void EntryWindow::fillEmployees() {
    cboEmployee->clear();
    const Recordset employees = readTable(QStringLiteral("Employees"));
    if (employees.recordCount() == 0) {
        UiServices::current().message(noEmployeeMessage());
        return;
    }
    for (const RowView employee : employees.rows()) {
        cboEmployee->addItem(employee.text(QStringLiteral("LastName")) + QStringLiteral(", ") +
                             employee.text(QStringLiteral("FirstName")));
    }
    cboEmployee->setCurrentIndex(-1);
}

void EntryWindow::showPickRows(const Recordset& rows) {
    hfgProducts->setRecordset(rows);
    hfgProducts->setColumnWidthsTwips(pickColumnWidths());
}

void EntryWindow::Create_New_Order() {
    m_header = buildRecord(headerFields(), true);
}

void EntryWindow::Create_New_Order_Detail() {
    std::vector<FieldDef> fields;
    for (const LineColumn& c : lineColumns()) {
        fields.push_back({c.name, c.type, c.size});
    }
    m_lines = buildRecord(fields, false);
}

void EntryWindow::bindLines() {
    dgrOrderDetails->bind(m_lines);
    std::vector<int> widths;
    std::set<int> locked;
    const std::vector<LineColumn> columns = lineColumns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        widths.push_back(columns[static_cast<size_t>(c)].widthTwips);
        if (columns[static_cast<size_t>(c)].locked) {
            locked.insert(c);
        }
    }
    dgrOrderDetails->setColumnWidthsTwips(widths);
    dgrOrderDetails->setLockedColumns(locked);
}

// --- the party -----------------------------------------------------------

void EntryWindow::useParty(PartyHeader* header) {
    party = header;
    onChoice(party->cboCompany, [this] { cboCompany_Click(); });
}

void EntryWindow::cboCompany_Click() {
    party->load();
    cmdNew_Click();
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
    if (!test || test->copiedCell < 0 || test->copiedCell >= m_copied.size()) {
        return false;
    }
    const int field = m_lines.fieldIndex(test->lineField);
    for (int row = 0; row < m_lines.recordCount(); ++row) {
        if (m_lines.valueAt(row, field).toString() == m_copied.at(test->copiedCell)) {
            return true;
        }
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

void EntryWindow::Total_All() {
    m_totalKnown = true;
    if (m_lines.recordCount() == 0) {
        txtSubTotal->setText(qtext(kSharedText["NoTotal"]));
        return;
    }
    // A line or a sum beyond what the books can hold leaves no total rather
    // than the one before this change.
    m_totalKnown = false;
    txtSubTotal->clear();
    Currency total;
    for (const RowView line : m_lines.rows()) {
        const Currency amount = computeLine(line);
        try {
            total += amount;
        } catch (const DataError&) {
            throw DataError(qtext(kSharedText["TotalTooLarge"]));
        }
    }
    m_totalKnown = true;
    txtSubTotal->setText(formatNumber(Variant(total), kTotalPicture));
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
    reloadPickAfterNew();
    bindLines();
    Total_All();
}

void EntryWindow::cmdSend_Click() {
    if (!runChecks(postChecks()) ||
        !runChecks({Check::when([this] { return !m_totalKnown; }, qtext(kSharedText["TotalTooLarge"]))})) {
        return;
    }
    UiServices& ui = UiServices::current();
    ui.setPointer(this, Pointer::Hourglass);
    WriteAnswer answer;
    // A header value that cannot be filled stops the posting with its
    // reason; the document stays as it is and can be posted again.
    const bool sent = guarded([&] {
        const QString employee = lookupId(QStringLiteral("Employees"), cboEmployee->currentText());
        if (employee.isEmpty()) {
            throw DataError(QStringLiteral("No employee is named \"%1\"").arg(cboEmployee->currentText()));
        }
        assignText(m_header, QStringLiteral("EmployeeID"), employee);
        fillHeader(m_header);
        answer = sendToBooks([&] { return sendOrder(); });
    });
    const QString& result = answer.text;
    ui.setPointer(this, Pointer::Arrow);
    if (!sent) {
        return;
    }
    if (isNumericText(result)) {
        txtOrderID->setText(result);
        ui.message(postedMessage() + result);
        setEditing(false);
    } else {
        ui.message(result);
    }
    reloadPickAfterPost();
}

} // namespace orv
