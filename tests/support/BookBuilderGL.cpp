#include "BookBuilderGL.h"

#include "data/DataClass.h"
#include "gl/clsGLEntry.h"

namespace orv::test {

namespace {

// A journal whose header names a party. No window writes one yet, so it is
// written here under the data layer's own write protocol (one transaction,
// the work tables emptied, the commit checks before the commit), the way the
// journal window's data class writes its journals.
class PartyJournalWriter : public DataClass {
public:
    PartyJournalWriter() { Class_Initialize(); }

    QString send(qint64 employee, int partyId, const Recordset& source) {
        Recordset lines = source;
        return write(QStringLiteral("journal naming a party refused"), [&] {
            Recordset document = openTable(QStringLiteral("Document_T"));
            Recordset journal = openTable(QStringLiteral("Journal_T"));
            document.addNew();
            document.setValue(QStringLiteral("EmployeeID"), Variant(static_cast<std::int64_t>(employee)));
            document.setValue(QStringLiteral("customerid"), Variant(static_cast<std::int32_t>(partyId)));
            document.update();
            const QString postingNo = document.value(QStringLiteral("DocID")).toString();
            for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
                journal.addNew();
                journal.setValue(QStringLiteral("Doc_No_VC"), postingNo);
                journal.setValue(QStringLiteral("GL_ID"), lines.value(QStringLiteral("GL_ID")));
                journal.setValue(QStringLiteral("Amount_NU"), lines.value(QStringLiteral("Amount")));
                journal.setValue(QStringLiteral("Descrip_VC"), lines.value(QStringLiteral("Descrip")));
                journal.setValue(QStringLiteral("date_dt"), lines.value(QStringLiteral("Date")));
                journal.setValue(QStringLiteral("Period_TI"), lines.value(QStringLiteral("Period")));
                journal.setValue(QStringLiteral("Year_SI"), lines.value(QStringLiteral("Year")));
                journal.update();
            }
            return postingNo;
        });
    }
};

} // namespace

qint64 BookBuilderGL::post(const std::vector<Line>& lines, qint64 employee) {
    Recordset records = journalLines();
    for (const Line& l : lines)
        addLine(records, l.glId, l.amount, l.descrip, l.date);
    clsGLEntry journal;
    const QString answer = journal.Send_Order(journalHeader(employee ? employee : clerk()), records);
    expectWritten(journal, answer);
    return answer.toLongLong();
}

qint64 BookBuilderGL::postJournal(int creditAccount, int partyId, qint64 employee) {
    const QDate date(2010, 6, 15);
    if (partyId == 0)
        return post({{6100, QStringLiteral("100"), QStringLiteral("rent"), date},
                     {creditAccount, QStringLiteral("-100"), QStringLiteral("rent"), date}},
                    employee);
    Recordset lines = journalLines();
    addLine(lines, 6100, QStringLiteral("100"), QStringLiteral("rent"), date);
    addLine(lines, creditAccount, QStringLiteral("-100"), QStringLiteral("rent"), date);
    PartyJournalWriter writer;
    const QString answer = writer.send(employee ? employee : clerk(), partyId, lines);
    expectWritten(writer, answer);
    return answer.toLongLong();
}

Recordset BookBuilderGL::journalHeader(qint64 employeeId) {
    Recordset header = clsGLEntry().newHeader();
    header.setValue(QStringLiteral("EmployeeID"), Variant(static_cast<std::int64_t>(employeeId)));
    return header;
}

Recordset BookBuilderGL::journalLines() {
    return clsGLEntry().newLines();
}

void BookBuilderGL::addLine(Recordset& lines, int glId, const QString& amount, const QString& descrip,
                            const QDate& date) {
    lines.addNew();
    lines.setValue(QStringLiteral("GL_ID"), Variant(static_cast<std::int32_t>(glId)));
    lines.setValue(QStringLiteral("Amount"), Variant(amount));
    lines.setValue(QStringLiteral("Descrip"), Variant(descrip));
    lines.setValue(QStringLiteral("Date"), Variant(date));
    lines.setValue(QStringLiteral("Period"), Variant(static_cast<std::int32_t>(date.month())));
    lines.setValue(QStringLiteral("Year"), Variant(static_cast<std::int32_t>(date.year())));
    lines.update();
}

bool BookBuilderGL::readJournal(const TableLine& c) {
    if (c.kind() != QLatin1String("journal"))
        return false;
    c.need(4);
    const QDate date = c.date(1);
    std::vector<Line> lines;
    for (const QString& leg : c.columns().mid(3).join(QLatin1Char(' ')).split(QLatin1Char('/'))) {
        const QStringList parts = leg.simplified().split(QLatin1Char(' '));
        if (parts.size() != 2)
            c.unreadable("a leg is not <code> <amount>");
        lines.push_back({c.code(parts[0]), parts[1], c[2], date});
    }
    post(lines);
    return true;
}

} // namespace orv::test
