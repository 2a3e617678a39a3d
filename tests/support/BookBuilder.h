#pragma once

#include "BookBuilderCore.h"
#include "BookBuilderGL.h"

#include <QString>

namespace orv::test {

// Builds a test book the way the program builds one: every master through
// its set-up window's data class (the shared core, BookBuilderCore) and every
// document through its own window's data class (one part per subsystem over
// the core, such as BookBuilderGL's journals). Nothing is written straight
// into a master or a ledger table, so a rule a test relies on can never be
// bypassed by its own set-up. A refused request or document throws naming
// the writer's text and the database's reason, so the test fails saying why.
//
// A small book reads as a table in the test:
//
//   build(R"(
//     account   1200  Acme Debtor
//     customer  1200  Acme Trading
//     employee  Tan   Mary
//     journal   2010-06-15  rent  6100 100 / 1010 -100
//   )");
//
// Columns are set apart by two or more spaces, so names may hold one.
class BookBuilder : public BookBuilderGL {
public:
    // Builds a book from a table, one record a line (blank lines and lines
    // starting with # are skipped), each line read by the part that knows
    // its kind (the masters of BookBuilderCore::readMaster, the journals of
    // BookBuilderGL::readJournal). A line no part knows throws, naming it.
    void build(const QString& table);
};

} // namespace orv::test
