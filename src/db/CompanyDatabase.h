#pragma once

#include "values/Recordset.h"
#include "values/Variant.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

struct sqlite3;

namespace orv::db {

// The company file and the one physical connection the process keeps to it.
// The first use creates a missing file (schema, stored rules, starter data in
// one transaction) or migrates an older one; a file that is not a company
// database, one newer than this program, one in use by another program or
// one that cannot be created is refused with DataError, worded by its cause.
// A book that cannot be written to (read-only, or found damaged by the page
// check that runs after opening) is opened for reading, and every write is
// refused with FileError saying why.
class CompanyDatabase {
public:
    static constexpr int kSchemaVersion = 16;
    static constexpr int kApplicationId = 0x4F52564E;

    // $XDG_DATA_HOME/orvanwise/orvan.sqlite (default ~/.local/share/orvanwise/).
    static QString defaultPath();
    // Points the program at another file (tests); closes the open connection.
    static void setPath(const QString& path);
    static QString path();

    // The physical connection, opened on first use.
    static sqlite3* handle();
    static bool isOpen();
    // Why the open book cannot be written to, in the clerk's words (read-only,
    // damaged), or the empty text. The page check runs beside the program
    // after opening; the first write waits for it, and so does this when
    // asked to (otherwise it answers what is known so far).
    static QString fileCondition(bool waitForPageCheck = false);
    // True once the page check of the open book has finished (or none runs).
    static bool pageCheckDone();
    static void closeConnection();
    // Folds the write-ahead log back into the file without waiting for
    // readers, when no write is open (the program calls it while the clerk is
    // idle). True when the whole log was folded.
    static bool checkpointWhenIdle();
    // Gives back the memory of the cached pages no statement holds (after a
    // report's reads, which the next post does not need).
    static void releaseReadPages();

    // Called now and then while an older book is upgraded on opening, which
    // can take a while on a large book; the program shows its progress from it.
    static void setUpgradeProgress(std::function<void()> progress);
    // Long reads the clerk follows (a report's procedure): while a watch is
    // set, the statement running calls it every few thousand steps, and a
    // false answer stops that statement, which then fails as interrupted.
    // No checkpoint runs meanwhile. An empty watch ends the watching.
    static void watchLongWork(std::function<bool()> keepGoing);

    // db_today() answers this date while it is valid (tests pin it).
    static void setToday(const QDate& date);
    static QDate today();

    // Runs one text (plain SQL or a procedure call) and returns the last
    // statement's rows, converted by declared type.
    static Recordset execute(const QString& text, const std::vector<Variant>& params = {});
    // The longest text each column of a table may hold, as its CHECK
    // constraints bound it (length(column) <= n), under the column's name in
    // lower case; a column without such a bound is absent.
    static QHash<QString, int> textWidths(const QString& table);
    // The same, read from a table's CREATE TABLE text.
    static QHash<QString, int> textWidthsOf(const QString& createText);
    // Runs SQL that returns no rows (several statements allowed).
    static void exec(const QString& sql);
    // "SELECT * FROM <table> WHERE 1 = 2" as an updatable table result.
    static Recordset openTable(const QString& selectText);

    // The write transaction (see Connection).
    static void beginWrite();
    static void commitWrite();
    static void rollbackWrite();
    static bool inWrite();

    // The steps of a write a crash test stops the program at: a row saved
    // (its table named), the commit checks passed with the commit not yet
    // made, the commit made. The program itself sets no probe.
    enum class WriteStep { RowSaved, Checked, Committed };
    using WriteProbe = std::function<void(WriteStep step, const QString& table)>;
    static void setWriteProbe(WriteProbe probe);
};

} // namespace orv::db
