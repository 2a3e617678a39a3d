// The header side of the entry frame: the party and key headers, the
// employee, and the lists read again when the books changed.
#include "EntryWindow.h"

#include "SetupSection.h"
#include "uicore/Controls.h"

#include <QComboBox>
#include <QDateEdit>

namespace orv {

// --- key headers -------------------------------------------------------------

KeyHeader* EntryWindow::useKeyHeader(KeyHeader* header, bool startsDocument) {
    m_keyHeaders.push_back(header);
    if (startsDocument) {
        m_starting = header;
        onChoice(header->list(), [this] { cboCompany_Click(); });
    } else {
        onChoice(header->list(), [header] { header->load(); });
    }
    return header;
}

void EntryWindow::useParty(PartyHeader* header) {
    party = header;
    useKeyHeader(header, true);
}

KeyHeader* EntryWindow::useNameList(const QString& list, const QString& table, const QString& keyField,
                                    const QString& emptyMessage) {
    return useKeyHeader(new KeyHeader(
        this, {list, table, QStringLiteral("CompanyName"), {}, {{keyField, KeyHeader::kKey}}, emptyMessage},
        tableReads(table)));
}

KeyReads EntryWindow::tableReads(const QString& table, std::function<Recordset(const QString&)> details) {
    KeyReads reads;
    reads.list = [this, table] { return readTable(table); };
    reads.id = [this, table](const QString& name) { return lookupId(table, name); };
    reads.details = std::move(details);
    return reads;
}

void EntryWindow::cboCompany_Click() {
    if (m_starting)
        m_starting->load();
    cmdNew_Click();
}

void EntryWindow::fillKeyHeaders() {
    // Each list on its own: one that cannot be read leaves the others usable.
    for (KeyHeader* header : m_keyHeaders)
        guarded([header] { header->fillList(); });
}

void EntryWindow::copyHeaders() {
    for (const KeyHeader* header : m_keyHeaders)
        header->copyInto(m_header);
    for (const HeaderBox& filled : headerBoxes()) {
        if (const auto* picker = qobject_cast<const QDateEdit*>(filled.box))
            m_header.setValue(filled.field, Variant(picker->date()));
        else
            assignText(m_header, filled.field, fieldText(filled.box));
    }
}

void EntryWindow::refreshLists() {
    for (KeyHeader* header : m_keyHeaders)
        guarded([header] { header->readListAgain(); });
    guarded([this] { keepingText(cboEmployee, [this] { fillEmployees(true); }); });
}

// --- the employee and credit ----------------------------------------------------

CheckList EntryWindow::employeeChecks() {
    const QString message = employeeMessage();
    return {
        Check::empty(cboEmployee, message),
        // A typed name that is no employee's (or has no comma) cannot post;
        // the key found here is the one the post writes.
        Check::when(
            [this] {
                m_employeeKey = lookupId(QStringLiteral("Employees"), cboEmployee->currentText());
                return m_employeeKey.isEmpty();
            },
            message, cboEmployee),
    };
}

std::optional<Currency> EntryWindow::postingGross() {
    const std::optional<line::Amounts> amounts = documentAmounts();
    return amounts ? std::optional<Currency>(amounts->gross) : std::nullopt;
}

Check EntryWindow::creditCheck(const QString& message) {
    return party->creditCheck(message, [this] { return postingGross(); });
}

} // namespace orv
