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
        db::LogCheckpointer folder;
        folder.start(db, QString::fromUtf8(path));
        // One commit of more pages than wake the fold.
        const int bytes = (db::LogCheckpointer::kPages + 100) * 4096;
        ASSERT_EQ(
            sqlite3_exec(
                db,
                QByteArray("INSERT INTO t VALUES (zeroblob(" + QByteArray::number(bytes) + "))").constData(),
                nullptr, nullptr, nullptr),
            SQLITE_OK);
        while (folder.folds() == 0)
            std::this_thread::yield();
        EXPECT_GT(folder.pagesCopied(), db::LogCheckpointer::kPages)
            << "the fold copied the log into the book";
    }
    sqlite3_close(db);
}
