#pragma once

#include "data/DataClass.h"

namespace orv {

// What the journal and the retained-earnings classes share: the employee
// lookup and the journal write (one Document_T row numbering the document, one
// Journal_T row per line). A year-end closing is the same write, marked as a
// closing inside its transaction so that the database moves the result to
// retained earnings and flags the entries.
class JournalDataClass : public DataClass {
public:
    static inline const QString kFailureText = QStringLiteral("Error Entering Journal");

protected:
    JournalDataClass();

    // The posting number as text, or kFailureText; nothing stays of a
    // refused write.
    QString writeJournal(const Recordset& header, const Recordset& lines, bool closing);
};

} // namespace orv
