// The log checkpointer folds a long log back into the book on its own
// connection, outside the clerk's commits.
#include "db/LogCheckpointer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

using namespace orv;

TEST(LogCheckpointerTest, ALongLogIsFoldedIntoTheBook) {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("book.sqlite")).toUtf8();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.constData(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db, "PRAGMA journal_mode = WAL; CREATE TABLE t (b BLOB)", nullptr, nullptr, nullptr),
        SQLITE_OK);
    {
        db::LogCheckpointer folder(64);
        folder.start(db, QString::fromUtf8(path));
        // One commit of more pages than wake the fold.
        const int bytes = (64 + 10) * 4096;
        ASSERT_EQ(
            sqlite3_exec(
                db,
                QByteArray("INSERT INTO t VALUES (zeroblob(" + QByteArray::number(bytes) + "))").constData(),
                nullptr, nullptr, nullptr),
            SQLITE_OK);
        while (folder.folds() == 0)
            std::this_thread::yield();
        EXPECT_GT(folder.pagesCopied(), 64) << "the fold copied the log into the book";
    }
    sqlite3_close(db);
}

TEST(LogCheckpointerTest, PostsThatKeepTheLogFromRestartingAskForAFoldOnlyAsItGrows) {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("book.sqlite")).toUtf8();
    sqlite3* db = nullptr;
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(path.constData(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db, "PRAGMA journal_mode = WAL; CREATE TABLE t (b BLOB)", nullptr, nullptr, nullptr),
        SQLITE_OK);
    // A reader that keeps its view holds the log from restarting, as a post
    // that follows at once does.
    ASSERT_EQ(sqlite3_open(path.constData(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM t", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        db::LogCheckpointer folder(100);
        folder.start(db, QString::fromUtf8(path));
        for (int i = 0; i < 10; ++i) // 10 commits of about 40 pages
            ASSERT_EQ(sqlite3_exec(db, "INSERT INTO t VALUES (zeroblob(160000))", nullptr, nullptr, nullptr),
                      SQLITE_OK);
        // About 420 pages: one fold per 100 pages the log grew, not one at
        // each of the eight commits past 100.
        EXPECT_GE(folder.foldsAsked(), 3);
        EXPECT_LE(folder.foldsAsked(), 4);
    }
    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    sqlite3_close(db);
}
