#pragma once

#include "BookBuilderCore.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orv::test {

// The general ledger's part of the test book: journals posted through the
// journal window's data class over the book's masters.
class BookBuilderGL : public virtual BookBuilderCore {
public:
    // One line of a journal: amount in the home currency, debit positive.
    struct Line {
        int glId;
        QString amount;
        QString descrip;
        QDate date;
    };
    // A journal through the journal window's data class, by the employee (the
    // book's clerk when none is given); returns its posting number.
    qint64 post(const std::vector<Line>& lines, qint64 employee = 0);
    // Rent of 100.00 paid from the account on 15 June 2010, by the employee
    // (the clerk when none is given). A journal naming a party is written
    // under the data layer's write protocol, as no journal window names one:
    // the party then has transaction history.
    qint64 postJournal(int creditAccount = kPettyCash, int partyId = 0, qint64 employee = 0);

    // The journal records as the journal windows' data class declares them:
    // the header with its employee, the lines with their period and year
    // taken from the date.
    static Recordset journalHeader(qint64 employeeId);
    static Recordset journalLines();
    static void addLine(Recordset& lines, int glId, const QString& amount, const QString& descrip,
                        const QDate& date);

protected:
    // Reads a line posting a journal; false when the line is of another kind.
    //   journal   <yyyy-mm-dd>  <descrip>  <code> <amount> / <code> <amount> ...
    bool readJournal(const TableLine& line);
};

} // namespace orv::test
