#include "CompanyDatabase.h"

#include "ProcedureDispatcher.h"
#include "SchemaBuilder.h"
#include "SqlFunctions.h"
#include "Statement.h"
#include "TableWriter.h"
#include "values/DataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <sqlite3.h>

namespace orv::db {

namespace {

struct State {
    QString path;
    sqlite3* db = nullptr;
    QDate today;
    bool inWrite = false;
    std::function<void()> upgradeProgress;
};

State& state() {
    static State s;
    return s;
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
    sqlite3_close(db);
    throw DataError(message);
}

sqlite3* openPhysical(const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw DataError(QStringLiteral("Cannot create the folder %1").arg(info.absolutePath()));
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const QString msg = db ? lastErrorText(db) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw DataError(QStringLiteral("Cannot open the company file %1: %2").arg(path, msg));
    }
    sqlite3_extended_result_codes(db, 1);
    std::int64_t version = 0;
    std::int64_t appId = 0;
    std::int64_t tables = 0;
    try {
        // Reading the header first: a file that is not a database fails here,
        // before anything could be written to it.
        version = pragmaInt(db, "PRAGMA user_version");
        appId = pragmaInt(db, "PRAGMA application_id");
        tables = pragmaInt(db, "SELECT count(*) FROM sqlite_master");
    } catch (const DataError& e) {
        refuse(db, QStringLiteral("%1 is not an Orvanwise company file (%2)").arg(path, e.message()));
    }
    const bool fresh = version == 0 && tables == 0;
    if (!fresh && (appId != CompanyDatabase::kApplicationId || version == 0))
        refuse(db, QStringLiteral("%1 is not an Orvanwise company file").arg(path));
    if (version > CompanyDatabase::kSchemaVersion)
        refuse(db, QStringLiteral("%1 was written by a newer version of Orvanwise (book version %2; this "
                                  "program reads up to %3)")
                       .arg(path)
                       .arg(version)
                       .arg(CompanyDatabase::kSchemaVersion));
    try {
        execRaw(db, QStringLiteral(
                        "PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; "
                        "PRAGMA busy_timeout = 5000; PRAGMA temp_store = MEMORY;"));
        // A post reads its accounts, balances and index pages from memory once
        // warm: a 64 MB page cache and the file mapped for reading.
        execRaw(db, QStringLiteral("PRAGMA cache_size = -65536; PRAGMA mmap_size = 268435456;"));
        // The log is folded back by the program while the clerk is idle
        // (checkpointWhenIdle), not inside a clerk's commit; the automatic
        // checkpoint stays only as a bound on the log's size (about 64 MB).
        execRaw(db, QStringLiteral("PRAGMA wal_autocheckpoint = 16384;"));
        registerSqlFunctions(db);
        if (fresh)
            SchemaBuilder::create(db);
        else {
            SchemaBuilder::migrate(db, static_cast<int>(version), state().upgradeProgress);
            SchemaBuilder::refreshRules(db);
        }
    } catch (const DataError& e) {
        refuse(db, QStringLiteral("Cannot prepare the company file %1: %2").arg(path, e.message()));
    }
    if (!ProcedureCatalog::find(QStringLiteral("commit_checks")))
        refuse(db,
               QStringLiteral("Cannot prepare the company file %1: its commit checks are missing").arg(path));
    return db;
}

// Empties the work tables at the start of a write; rows found there were
// left by a change made outside the program.
void clearWorkTables(sqlite3* db) {
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
    if (base.isEmpty())
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
    if (!s.db)
        s.db = openPhysical(path());
    return s.db;
}

bool CompanyDatabase::isOpen() {
    return state().db != nullptr;
}

void CompanyDatabase::closeConnection() {
    State& s = state();
    if (!s.db)
        return;
    if (s.inWrite)
        sqlite3_exec(s.db, "ROLLBACK", nullptr, nullptr, nullptr);
    s.inWrite = false;
    Statement::finalizeCached(s.db);
    // Fold the write-ahead log back into the company file, so that the file
    // alone holds the books once the program has ended.
    sqlite3_exec(s.db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close_v2(s.db);
    s.db = nullptr;
}

bool CompanyDatabase::checkpointWhenIdle() {
    State& s = state();
    if (!s.db || s.inWrite || !sqlite3_get_autocommit(s.db))
        return false;
    int logged = 0;
    int folded = 0;
    const int rc = sqlite3_wal_checkpoint_v2(s.db, nullptr, SQLITE_CHECKPOINT_PASSIVE, &logged, &folded);
    return rc == SQLITE_OK && logged == folded;
}

void CompanyDatabase::setUpgradeProgress(std::function<void()> progress) {
    state().upgradeProgress = std::move(progress);
}

void CompanyDatabase::setToday(const QDate& date) {
    state().today = date;
}
QDate CompanyDatabase::today() {
    return state().today.isValid() ? state().today : QDate::currentDate();
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
    return TableWriter::open(handle(), m.captured(1));
}

void CompanyDatabase::beginWrite() {
    sqlite3* db = handle();
    if (state().inWrite)
        throw DataError(QStringLiteral("A write is already under way"));
    execRaw(db, QStringLiteral("BEGIN IMMEDIATE"));
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
        execRaw(db, QStringLiteral("COMMIT"));
        state().inWrite = false;
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

} // namespace orv::db
