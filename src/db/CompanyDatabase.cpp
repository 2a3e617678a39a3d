#include "CompanyDatabase.h"

#include "LogCheckpointer.h"
#include "LogWriteVfs.h"
#include "ProcedureDispatcher.h"
#include "SchemaBuilder.h"
#include "SqlFunctions.h"
#include "Statement.h"
#include "TableWriter.h"
#include "values/Clock.h"
#include "values/DataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <sqlite3.h>

namespace orv::db {

namespace {

// The page check of the file, run on its own connection beside the program's
// so that it never delays the login window; the first write waits for it.
struct PageCheck {
    std::mutex mutex;
    sqlite3* db = nullptr;       // the check's connection while it runs
    std::future<QString> result; // empty text: no damage found
    // Set when the book closes: the check's progress handler ends it at its
    // next step, also when the stop comes before the check has begun (an
    // interrupt alone is forgotten by a statement that has not started yet).
    std::atomic<bool> stop{false};
};

struct State {
    QString path;
    sqlite3* db = nullptr;
    bool inWrite = false;
    std::function<void()> upgradeProgress;
    std::function<bool()> longWork; // the watch of a long read (watchLongWork)
    QString condition;              // why the book cannot be written to, in the clerk's words
    PageCheck check;
    CompanyDatabase::WriteProbe probe;
    LogCheckpointer logFolder;
};

State& state() {
    static State s;
    return s;
}

// Sets or clears the open connection's progress handler after the watch of
// a long read (watchLongWork).
void applyLongWorkWatch(State& s) {
    if (!s.db)
        return;
    if (!s.longWork) {
        sqlite3_progress_handler(s.db, 0, nullptr, nullptr);
        return;
    }
    sqlite3_progress_handler(
        s.db, 4000,
        [](void*) -> int {
            // A statement the watch itself runs is not watched again.
            static bool inWatch = false;
            const std::function<bool()>& watch = state().longWork;
            if (inWatch || !watch)
                return 0;
            inWatch = true;
            const bool goOn = watch();
            inWatch = false;
            return goOn ? 0 : 1;
        },
        nullptr);
}

void reachStep(CompanyDatabase::WriteStep step, const QString& table) {
    if (state().probe)
        state().probe(step, table);
}

void execRaw(sqlite3* db, const QString& sql) {
    char* err = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_exec(db, utf8.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "error");
        sqlite3_free(err);
        throw DataError(msg);
    }
}

std::int64_t pragmaInt(sqlite3* db, const char* sql) {
    Statement st(db, QByteArray(sql), 0);
    return st.step() ? sqlite3_column_int64(st.get(), 0) : 0;
}

[[noreturn]] void refuse(sqlite3* db, const QString& message) {
    Statement::finalizeCached(db);
    TableWriter::forget(db);
    sqlite3_close(db);
    throw DataError(message);
}

QString inUseText(const QString& path) {
    return QStringLiteral(
               "The company file %1 is in use by another program; close that program and try again.")
        .arg(path);
}
QString readOnlyText(const QString& path) {
    return QStringLiteral("The company file %1 is read-only: the books can be read, but nothing can be "
                          "posted until the file and its folder may be written to.")
        .arg(path);
}
QString damagedText(const QString& path) {
    return QStringLiteral("The company file %1 is damaged. Nothing can be written to it: restore the company "
                          "file from a backup.")
        .arg(path);
}

QString cannotCreateText(const QString& path) {
    return QStringLiteral(
               "The company file %1 cannot be created: the folder %2 does not let the program "
               "write to it. Allow the program to write to that folder, or free space on its disk, "
               "and start again.")
        .arg(path, QFileInfo(path).absolutePath());
}

// A failure while the file is opened, worded by its cause.
QString causeText(int code, const QString& path, const QString& detail) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return inUseText(path);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return readOnlyText(path);
    case SQLITE_CORRUPT:
        return damagedText(path);
    case SQLITE_NOTADB:
        return QStringLiteral("%1 is not an Orvanwise company file").arg(path);
    default:
        return QStringLiteral("Cannot open the company file %1: %2").arg(path, detail);
    }
}

// The failure of opening as the error it is: the file's own state (in use,
// read-only, damaged) as a FileError, so a write refused for it says so.
[[noreturn]] void throwCause(int code, const QString& path, const QString& detail) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CORRUPT:
        throw FileError(causeText(code, path, detail));
    default:
        throw DataError(causeText(code, path, detail));
    }
}

[[noreturn]] void refuseCause(sqlite3* db, int code, const QString& path, const QString& detail) {
    Statement::finalizeCached(db);
    TableWriter::forget(db);
    sqlite3_close(db);
    throwCause(code, path, detail);
}

// The program's connection: one thread uses it at a time (an upgrade's
// worker while the program waits for it), so it goes without SQLite's own
// lock around every call, which a report of many rows would take for each
// value it reads.
sqlite3* openFile(const QString& path, int flags) {
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(file.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, logWriteVfsName());
    if (rc != SQLITE_OK) {
        const QString msg = db ? lastErrorText(db) : QStringLiteral("out of memory");
        const int code = db ? sqlite3_extended_errcode(db) : rc;
        sqlite3_close(db);
        throwCause(code, path, msg);
    }
    // The lock wait comes before anything is read: a book another start is
    // opening at this moment is waited for, not taken for a foreign file.
    sqlite3_busy_timeout(db, 5000);
    sqlite3_extended_result_codes(db, 1);
    return db;
}

struct Header {
    std::int64_t version = 0;
    std::int64_t appId = 0;
    std::int64_t tables = 0;
};

// Reads the header; on failure the connection is closed and the cause named.
Header readHeader(sqlite3* db, const QString& path) {
    Header h;
    try {
        h.version = pragmaInt(db, "PRAGMA user_version");
        h.appId = pragmaInt(db, "PRAGMA application_id");
        h.tables = pragmaInt(db, "SELECT count(*) FROM sqlite_master");
    } catch (const DataError& e) {
        refuseCause(db, sqlite3_extended_errcode(db), path, e.message());
    }
    return h;
}

// A book the program may not write to is opened for reading only. A book in
// write-ahead mode in a folder that cannot be written to is read as it stands.
sqlite3* openForReading(const QString& path) {
    sqlite3* db = nullptr;
    try {
        db = openFile(path, SQLITE_OPEN_READONLY);
        pragmaInt(db, "SELECT count(*) FROM sqlite_master");
        return db;
    } catch (const DataError&) {
        Statement::finalizeCached(db);
        TableWriter::forget(db);
        sqlite3_close(db);
    }
    QString uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    return openFile(uri + QStringLiteral("?immutable=1"), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

void startPageCheck(const QString& path) {
    PageCheck& check = state().check;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, logWriteVfsName()) !=
        SQLITE_OK) {
        sqlite3_close(db);
        std::promise<QString> none;
        none.set_value(QString());
        check.result = none.get_future();
        return;
    }
    sqlite3_busy_timeout(db, 5000);
    check.stop = false;
    sqlite3_progress_handler(
        db, 100, [](void* flag) { return static_cast<std::atomic<bool>*>(flag)->load() ? 1 : 0; },
        &check.stop);
    {
        const std::lock_guard<std::mutex> lock(check.mutex);
        check.db = db;
    }
    check.result = std::async(std::launch::async, [&check, db] {
        QString found;
        sqlite3_stmt* st = nullptr;
        if (check.stop) {
            // Closed before the check began: nothing was read, nothing found.
        } else if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &st, nullptr) == SQLITE_OK) {
            int rc = sqlite3_step(st);
            if (rc == SQLITE_ROW) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
                const QString first = QString::fromUtf8(text ? text : "");
                if (first != QLatin1String("ok"))
                    found = first;
            } else if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB) {
                found = QString::fromUtf8(sqlite3_errmsg(db));
            }
        } else if ((sqlite3_extended_errcode(db) & 0xff) == SQLITE_CORRUPT) {
            found = QString::fromUtf8(sqlite3_errmsg(db));
        }
        sqlite3_finalize(st);
        const std::lock_guard<std::mutex> lock(check.mutex);
        sqlite3_close(db);
        check.db = nullptr;
        return found;
    });
}

// Takes the page check's finding; a damaged book stays refused for writing.
// Without wait, a check still running is left to run.
void awaitPageCheck(const QString& path, bool wait = true) {
    State& s = state();
    if (!s.check.result.valid())
        return;
    if (!wait && s.check.result.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    const QString found = s.check.result.get();
    if (!found.isEmpty()) {
        qWarning("company file damaged: %s", qPrintable(found));
        s.condition = damagedText(path);
    }
}

// Stops a page check still running (the program is closing the book). The
// stop flag ends it between steps; the interrupt ends a step that reads the
// whole file, and is sent again until the check has ended, since a statement
// that starts after it forgets it.
void stopPageCheck() {
    PageCheck& check = state().check;
    if (!check.result.valid())
        return;
    check.stop = true;
    do {
        const std::lock_guard<std::mutex> lock(check.mutex);
        if (check.db)
            sqlite3_interrupt(check.db);
    } while (check.result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready);
    check.result = {};
}

sqlite3* openPhysical(const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw FileError(cannotCreateText(path));
    state().condition.clear();
    const bool exists = info.exists();
    sqlite3* db = nullptr;
    try {
        db = openFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    } catch (const DataError&) {
        if (exists)
            throw;
        throw FileError(cannotCreateText(path));
    }
    bool readOnly = sqlite3_db_readonly(db, "main") == 1;
    Header header;
    if (!readOnly) {
        try {
            header.version = pragmaInt(db, "PRAGMA user_version");
            header.appId = pragmaInt(db, "PRAGMA application_id");
            header.tables = pragmaInt(db, "SELECT count(*) FROM sqlite_master");
        } catch (const DataError& e) {
            const int code = sqlite3_extended_errcode(db);
            // Reading a book in write-ahead mode needs its folder writable.
            if (!exists || ((code & 0xff) != SQLITE_CANTOPEN && (code & 0xff) != SQLITE_READONLY))
                refuseCause(db, code, path, e.message());
            readOnly = true;
        }
    }
    if (readOnly) {
        Statement::finalizeCached(db);
        TableWriter::forget(db);
        sqlite3_close(db);
        if (!exists)
            throw FileError(readOnlyText(path));
        db = openForReading(path);
        header = readHeader(db, path);
        state().condition = readOnlyText(path);
    }
    const bool fresh = header.version == 0 && header.tables == 0;
    if (!fresh && (header.appId != CompanyDatabase::kApplicationId || header.version == 0))
        refuse(db, QStringLiteral("%1 is not an Orvanwise company file").arg(path));
    if (header.version > CompanyDatabase::kSchemaVersion)
        refuse(db, QStringLiteral("%1 was written by a newer version of Orvanwise (book version %2; this "
                                  "program reads up to %3)")
                       .arg(path)
                       .arg(header.version)
                       .arg(CompanyDatabase::kSchemaVersion));
    if (readOnly && (fresh || header.version < CompanyDatabase::kSchemaVersion))
        refuseCause(db, SQLITE_READONLY, path, QString());
    try {
        if (!readOnly) {
            execRaw(db, QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL; "
                                       "PRAGMA synchronous = FULL; PRAGMA temp_store = MEMORY;"));
            // Until the log's own checkpointer watches the commits (below),
            // SQLite's automatic checkpoint bounds the log (about 64 MB).
            execRaw(db, QStringLiteral("PRAGMA wal_autocheckpoint = 16384;"));
        }
        // A post reads its accounts, balances and index pages from memory once
        // warm: a page cache of up to 64 MB. The file is not mapped: pages read
        // through a mapping stay in the program's memory, a long report's too.
        // What a write deletes (the work tables at every post) is left to be
        // overwritten rather than zeroed at once, as SQLite does by default.
        execRaw(db, QStringLiteral("PRAGMA cache_size = -65536; PRAGMA secure_delete = OFF;"));
        registerSqlFunctions(db);
        if (fresh)
            SchemaBuilder::create(db);
        else if (!readOnly) {
            SchemaBuilder::migrate(db, static_cast<int>(header.version), state().upgradeProgress);
            SchemaBuilder::refreshRules(db);
        }
    } catch (const DataError& e) {
        refuseCause(db, sqlite3_extended_errcode(db), path,
                    QStringLiteral("cannot prepare it: %1").arg(e.message()));
    }
    if (!ProcedureCatalog::find(QStringLiteral("commit_checks")))
        refuse(db,
               QStringLiteral("Cannot prepare the company file %1: its commit checks are missing").arg(path));
    if (!fresh && !readOnly)
        startPageCheck(path);
    // The log is folded back beside the program and while the clerk is idle
    // (checkpointWhenIdle), never inside a clerk's commit.
    if (!readOnly)
        state().logFolder.start(db, path);
    return db;
}

// Empties the work tables at the start of a write; rows found there were
// left by a change made outside the program.
void clearWorkTables(sqlite3* db) {
    // Every write asks this, so it is one question kept prepared.
    try {
        Statement left(db,
                       QByteArrayLiteral("SELECT EXISTS (SELECT 1 FROM Write_Ctx_T) OR EXISTS (SELECT 1 FROM "
                                         "Touched_Doc_T) OR EXISTS (SELECT 1 FROM Closing_Ctx_T)"),
                       0, Statement::Reuse::Cached);
        if (left.step() && sqlite3_column_int(left.get(), 0) == 0)
            return;
    } catch (const DataError&) {
        // A book without one of the tables: each is looked at on its own.
    }
    static const char* const tables[] = {"Write_Ctx_T", "Touched_Doc_T", "Closing_Ctx_T"};
    for (const char* t : tables) {
        const QString exists =
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='%1'")
                .arg(QLatin1String(t));
        if (pragmaInt(db, exists.toUtf8().constData()) == 0)
            continue;
        const QString count = QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(t));
        if (pragmaInt(db, count.toUtf8().constData()) > 0) {
            qWarning("book changed outside the program; run check_invariants");
            execRaw(db, QStringLiteral("DELETE FROM %1").arg(QLatin1String(t)));
        }
    }
}

} // namespace

QString CompanyDatabase::defaultPath() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative folder is ignored, as the desktop's rules say: the book
    // must not depend on the folder the program was started from.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/orvanwise/orvan.sqlite");
}

void CompanyDatabase::setPath(const QString& path) {
    closeConnection();
    state().path = path;
}

QString CompanyDatabase::path() {
    return state().path.isEmpty() ? defaultPath() : state().path;
}

sqlite3* CompanyDatabase::handle() {
    State& s = state();
    if (!s.db) {
        s.db = openPhysical(path());
        applyLongWorkWatch(s);
    }
    return s.db;
}

QString CompanyDatabase::fileCondition(bool waitForPageCheck) {
    if (!state().db)
        return QString();
    if (waitForPageCheck ||
        (state().check.result.valid() &&
         state().check.result.wait_for(std::chrono::seconds(0)) == std::future_status::ready))
        awaitPageCheck(path());
    return state().condition;
}

bool CompanyDatabase::pageCheckDone() {
    const auto& result = state().check.result;
    return !result.valid() || result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool CompanyDatabase::isOpen() {
    return state().db != nullptr;
}

void CompanyDatabase::closeConnection() {
    State& s = state();
    stopPageCheck();
    s.logFolder.stop();
    if (!s.db)
        return;
    if (s.inWrite)
        sqlite3_exec(s.db, "ROLLBACK", nullptr, nullptr, nullptr);
    s.inWrite = false;
    Statement::finalizeCached(s.db);
    TableWriter::forget(s.db);
    // Fold the write-ahead log back into the company file, so that the file
    // alone holds the books once the program has ended.
    sqlite3_exec(s.db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close_v2(s.db);
    s.db = nullptr;
}

void CompanyDatabase::releaseReadPages() {
    if (state().db)
        sqlite3_db_release_memory(state().db);
}

bool CompanyDatabase::checkpointWhenIdle() {
    State& s = state();
    if (!s.db || s.inWrite || s.longWork || !sqlite3_get_autocommit(s.db))
        return false;
    int logged = 0;
    int folded = 0;
    const int rc = sqlite3_wal_checkpoint_v2(s.db, nullptr, SQLITE_CHECKPOINT_PASSIVE, &logged, &folded);
    return rc == SQLITE_OK && logged == folded;
}

void CompanyDatabase::watchLongWork(std::function<bool()> keepGoing) {
    State& s = state();
    s.longWork = std::move(keepGoing);
    applyLongWorkWatch(s);
}

void CompanyDatabase::setUpgradeProgress(std::function<void()> progress) {
    state().upgradeProgress = std::move(progress);
}

void CompanyDatabase::setToday(const QDate& date) {
    orv::pinToday(date);
}
QDate CompanyDatabase::today() {
    return orv::today();
}

Recordset CompanyDatabase::execute(const QString& text, const std::vector<Variant>& params) {
    sqlite3* db = handle();
    if (const auto call = ProcedureDispatcher::recognize(text, params))
        return ProcedureDispatcher::run(db, *call->procedure, call->args);
    const QByteArray sql = text.toUtf8();
    int offset = 0;
    size_t nextParam = 0;
    Recordset result = Recordset::detached({}, {});
    while (offset < sql.size()) {
        Statement st(db, sql, offset);
        offset = st.tailOffset();
        if (st.isEmpty())
            continue;
        const int count = sqlite3_bind_parameter_count(st.get());
        for (int k = 1; k <= count; ++k) {
            if (nextParam >= params.size())
                throw DataError(QStringLiteral("Too few values for the statement"));
            st.bind(k, params[nextParam++], std::nullopt);
        }
        result = st.collect();
    }
    return result;
}

void CompanyDatabase::exec(const QString& sql) {
    execRaw(handle(), sql);
}

Recordset CompanyDatabase::openTable(const QString& selectText) {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+(\w+)\s+WHERE\s+1\s*=\s*2\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(selectText);
    if (!m.hasMatch())
        throw DataError(QStringLiteral("Not a table to write to: %1").arg(selectText));
    TableWriter::Saved saved;
    if (state().probe)
        saved = [](const QString& table) { reachStep(CompanyDatabase::WriteStep::RowSaved, table); };
    return TableWriter::open(handle(), m.captured(1), std::move(saved));
}

void CompanyDatabase::beginWrite() {
    sqlite3* db = handle();
    if (state().inWrite)
        throw DataError(QStringLiteral("A write is already under way"));
    // The page check reads on its own connection and holds no lock a write
    // needs, so a post does not wait for it: a damage it has found refuses
    // the write, and one it is still looking for refuses the writes after.
    awaitPageCheck(path(), false);
    if (!state().condition.isEmpty())
        throw FileError(state().condition);
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(db);
        const QString msg = lastErrorText(db);
        if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
            throw FileError(inUseText(path()));
        if ((code & 0xff) == SQLITE_READONLY)
            throw FileError(readOnlyText(path()));
        throw DataError(msg);
    }
    state().inWrite = true;
    try {
        clearWorkTables(db);
    } catch (...) {
        rollbackWrite();
        throw;
    }
}

void CompanyDatabase::commitWrite() {
    sqlite3* db = handle();
    if (!state().inWrite)
        throw DataError(QStringLiteral("No write is under way"));
    try {
        // Without its checks a commit would store whatever the write left.
        const Procedure* checks = ProcedureCatalog::find(QStringLiteral("commit_checks"));
        if (!checks)
            throw DataError(QStringLiteral("The book's commit checks are missing; nothing was written"));
        ProcedureDispatcher::run(db, *checks, {});
        reachStep(WriteStep::Checked, QString());
        execRaw(db, QStringLiteral("COMMIT"));
        state().inWrite = false;
        reachStep(WriteStep::Committed, QString());
    } catch (const DataError& e) {
        qWarning("write refused: %s", qPrintable(e.message()));
        rollbackWrite();
        throw;
    }
}

void CompanyDatabase::rollbackWrite() {
    State& s = state();
    if (!s.db || !s.inWrite)
        return;
    s.inWrite = false;
    if (!sqlite3_get_autocommit(s.db))
        sqlite3_exec(s.db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool CompanyDatabase::inWrite() {
    return state().inWrite;
}

void CompanyDatabase::setWriteProbe(WriteProbe probe) {
    state().probe = std::move(probe);
}

QHash<QString, int> CompanyDatabase::textWidths(const QString& table) {
    Recordset rs = execute(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
        {Variant(table)});
    if (rs.recordCount() == 0)
        return {};
    rs.moveFirst();
    return textWidthsOf(rs.value(0).toString());
}

QHash<QString, int> CompanyDatabase::textWidthsOf(const QString& createText) {
    static const QRegularExpression bound(QStringLiteral(R"(\blength\(\s*(\w+)\s*\)\s*<=\s*(\d+))"),
                                          QRegularExpression::CaseInsensitiveOption);
    QHash<QString, int> widths;
    for (auto it = bound.globalMatch(createText); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString column = m.captured(1).toLower();
        const int width = m.captured(2).toInt();
        // A column bounded twice holds no more than the tighter bound.
        if (!widths.contains(column) || width < widths.value(column))
            widths.insert(column, width);
    }
    return widths;
}

} // namespace orv::db
