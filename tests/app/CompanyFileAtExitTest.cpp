// The program run as the clerk runs it: ended by a signal, it leaves the
// books in the company file alone, with no write-ahead log beside it.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The number of accounts in a company file, or -1 when it cannot be read.
int accounts(const QString& path) {
    sqlite3* db = nullptr;
    int n = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM COA_T", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return n;
}

TEST(CompanyFileAtExit, ASignalClosesTheBookIntoItsOneFile) {
    // Ended once the first start has made the book, or while it still makes it.
    for (const char* how : {"terminate", "interrupt", "interrupt while the book is made"}) {
        SCOPED_TRACE(how);
        QTemporaryDir data;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/orvanwise"), {});
        ASSERT_TRUE(program.waitForStarted(10000));

        // The first start creates the book with its starter chart.
        const QString book = data.path() + QStringLiteral("/orvanwise/orvan.sqlite");
        const bool early = QLatin1String(how).contains(QLatin1String("made"));
        QDeadlineTimer deadline(30000);
        while ((early ? !QFile::exists(book) : accounts(book) <= 0) && !deadline.hasExpired())
            QThread::msleep(early ? 1 : 20);
        ASSERT_TRUE(QFile::exists(book));

        if (QLatin1String(how) == QLatin1String("terminate"))
            program.terminate(); // SIGTERM
        else
            ::kill(static_cast<pid_t>(program.processId()), SIGINT);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);

        EXPECT_FALSE(QFile::exists(book + QStringLiteral("-wal")));
        const QString copy = data.path() + QStringLiteral("/copy.sqlite");
        ASSERT_TRUE(QFile::copy(book, copy));
        EXPECT_GT(accounts(copy), 0) << "the copy of the company file alone holds the chart";
    }
}

TEST(CompanyFileAtExit, WithoutADisplayTheProgramSaysSoAndEnds) {
    QTemporaryDir data;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/orvanwise"), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("needs a graphical session"));
}

} // namespace
