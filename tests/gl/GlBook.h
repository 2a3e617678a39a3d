#pragma once

#include "support/TestBook.h"
#include "values/Currency.h"
#include "values/Recordset.h"

#include <QDate>

namespace orv::test {

// A test book for the general ledger, with the ledger checks every scenario
// ends with.
class GlBook : public TestBook {
protected:
    // Σ Ledger_T.Amount_NU over the rows matching the condition.
    Currency ledgerSum(const QString& where = QStringLiteral("1"));
    // Balance of one account in one year.
    Currency balance(int glId, int year);
    // The ledger nets to zero overall, per document and per year, the
    // journal per document, and the database's own invariant check is clean.
    void expectBooksSound();
};

} // namespace orv::test
