// The log writer: what a connection appends to a write-ahead log is held and
// written in one piece, and still reaches every reader whole: its own reads
// back of a long transaction's spilled pages, and another connection's reads
// after a commit whether the writer syncs or not.
#include "db/LogWriteVfs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>

namespace {

sqlite3* open(const std::string& path) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              orv::db::logWriteVfsName()),
              SQLITE_OK);
    return db;
}

void exec(sqlite3* db, const char* sql) {
    char* err = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "") << " in " << sql;
    sqlite3_free(err);
}

std::string scalar(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return out;
}

} // namespace

TEST(LogWriteVfs, HeldLogWritesReachTheWriterAndEveryOtherConnectionWhole) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("book.sqlite")).toStdString();
    for (const char* sync : {"FULL", "OFF"}) {
        SCOPED_TRACE(sync);
        std::remove(path.c_str());
        sqlite3* writer = open(path);
        sqlite3* reader = open(path);
        exec(writer, "PRAGMA journal_mode = WAL; PRAGMA cache_size = 10");
        exec(writer, (std::string("PRAGMA synchronous = ") + sync).c_str());
        exec(writer, "CREATE TABLE t (k INTEGER PRIMARY KEY, v TEXT)");
        // Far more pages than the cache holds: the transaction spills its pages
        // into the log and reads them back before it commits.
        exec(writer, "BEGIN; WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 20000) "
                     "INSERT INTO t SELECT k, printf('%0500d', k) FROM n; "
                     "UPDATE t SET v = v || 'x' WHERE k % 7 = 0; COMMIT");
        EXPECT_EQ(scalar(writer, "SELECT count(*) || ' ' || sum(length(v)) FROM t"), "20000 10002857");
        for (int round = 0; round < 20; ++round) {
            exec(writer, "UPDATE t SET v = 'r' || v WHERE k % 100 = 1");
            EXPECT_EQ(scalar(reader, "SELECT count(*) FROM t WHERE v LIKE 'r%'"), std::to_string(200))
                << "round " << round;
            exec(writer, "UPDATE t SET v = substr(v, 2) WHERE k % 100 = 1");
        }
        EXPECT_EQ(scalar(reader, "PRAGMA integrity_check"), "ok");
        exec(writer, "PRAGMA wal_checkpoint(TRUNCATE)");
        EXPECT_EQ(scalar(reader, "SELECT sum(length(v)) FROM t"), "10002857");
        sqlite3_close(reader);
        sqlite3_close(writer);
    }
}
