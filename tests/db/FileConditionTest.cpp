// A company file that cannot be written to, or that another start or another
// program holds: each is named by its cause, and nothing is written to it.
#include "data/DataClass.h"
#include "db/CompanyDatabase.h"
#include "db/RefusalReasons.h"
#include "support/TestBook.h"
#include "values/DataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orv;

namespace {

// One write the way a data class makes it: an employee request.
class EmployeeWriter : public DataClass {
public:
    EmployeeWriter() { Class_Initialize(); }
    QString add(const QString& last) {
        return write(QStringLiteral("Error Entering Employee"), [&] {
            db::CompanyDatabase::execute(
                QStringLiteral(
                    "INSERT INTO Temp_Employees (LastName, FirstName, HireDate, BirthDate, Address, "
                    "HomePhone, Function_type) VALUES (?, 'Al', '2009-03-01', '1980-07-21', '3 Hill "
                    "St', '61112222', 'C')"),
                {Variant(last)});
            return QStringLiteral("1");
        });
    }
};

// The clerk's sentence of a refused employee write ("" when it was written).
QString refusedWith(const QString& last) {
    if (EmployeeWriter().add(last) != QLatin1String("Error Entering Employee"))
        return QString();
    return DataClass::lastRefusal() ? DataClass::lastRefusal()->sentence : QStringLiteral("no reason");
}

class FileConditionTest : public test::TestBook {
protected:
    // Runs body in a child process and answers its exit code (0: held).
    static int inChild(const std::function<int()>& body) {
        const pid_t pid = fork();
        if (pid == 0)
            _exit(body());
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
    }
    QString rootPageOf(const QString& table) {
        return scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table));
    }
};

} // namespace

TEST_F(FileConditionTest, AGarbagePageIsReportedAndNoWriteLands) {
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    const int page = rootPageOf(QStringLiteral("Ledger_T")).toInt();
    const int pageSize = scalar(QStringLiteral("PRAGMA page_size")).toInt();
    db::CompanyDatabase::closeConnection();
    {
        QFile f(bookPath());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(qint64(page - 1) * pageSize);
        f.write(QByteArray(pageSize, '\x5a'));
    }
    skipFileChecks();
    db::CompanyDatabase::handle(); // the book opens; its pages are checked beside the program
    const QString condition = db::CompanyDatabase::fileCondition(true);
    EXPECT_TRUE(condition.contains(QLatin1String("is damaged"))) << condition.toStdString();
    EXPECT_TRUE(condition.contains(QLatin1String("restore"))) << condition.toStdString();
    EXPECT_EQ(refusedWith(QStringLiteral("Lee")), condition);
    EXPECT_EQ(count(QStringLiteral("Employees")), 1);
}

TEST_F(FileConditionTest, TwoStartsAtOnceOpenANewBookOrOneSaysItIsInUse) {
    // Each start waits at a pipe until both are ready, then opens and writes.
    // The second start waits for the first to create or write the book; when
    // that wait runs out (a slow machine) or the two writes collide, it must
    // say the book is in use, at opening or with the refused post, never that
    // the file is not a company file. At least one start posts.
    for (int round = 0; round < 5; ++round) {
        const QString path = bookPath() + QStringLiteral(".%1").arg(round);
        int gate[2];
        int said[2];
        ASSERT_EQ(pipe(gate), 0);
        ASSERT_EQ(pipe(said), 0);
        std::vector<pid_t> starts;
        for (int k = 0; k < 2; ++k) {
            const pid_t pid = fork();
            if (pid == 0) {
                close(gate[1]);
                close(said[0]);
                char go = 0;
                if (read(gate[0], &go, 1) != 1)
                    _exit(3);
                QString answer;
                try {
                    db::CompanyDatabase::setPath(path);
                    EmployeeWriter writer;
                    answer = writer.add(QStringLiteral("Start%1").arg(k));
                    if (answer == QLatin1String("1"))
                        _exit(0);
                    // A refused post answers its heading; the reason says why.
                    if (DataClass::lastRefusal())
                        answer = DataClass::lastRefusal()->sentence;
                } catch (const DataError& e) {
                    answer = e.message();
                }
                const QByteArray text = answer.toUtf8() + '\n';
                if (write(said[1], text.constData(), static_cast<size_t>(text.size())) < 0)
                    _exit(4);
                _exit(2);
            }
            starts.push_back(pid);
        }
        close(gate[0]);
        close(said[1]);
        ASSERT_EQ(write(gate[1], "gg", 2), 2);
        close(gate[1]);
        int opened = 0;
        for (const pid_t pid : starts) {
            int status = 0;
            waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status)) << "round " << round;
            const int code = WEXITSTATUS(status);
            EXPECT_TRUE(code == 0 || code == 2) << "round " << round << " exit " << code;
            opened += code == 0 ? 1 : 0;
        }
        QByteArray refusals;
        char buf[512];
        for (ssize_t n; (n = read(said[0], buf, sizeof buf)) > 0;)
            refusals.append(buf, n);
        close(said[0]);
        EXPECT_GE(opened, 1) << "round " << round << ": " << refusals.constData();
        for (const QByteArray& line : refusals.split('\n')) {
            if (!line.isEmpty()) {
                EXPECT_TRUE(line.contains("is in use by another program")) << line.constData();
            }
        }
    }
}

TEST_F(FileConditionTest, APostWhileAnotherProgramHoldsTheBookSaysItIsInUse) {
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(bookPath()).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The write waits for the lock, then gives up saying why.
    const QString why = refusedWith(QStringLiteral("Lee"));
    EXPECT_TRUE(why.contains(QLatin1String("is in use by another program"))) << why.toStdString();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(EmployeeWriter().add(QStringLiteral("Lee")), QStringLiteral("1"))
        << "the book is written once it is free";
}

TEST_F(FileConditionTest, AReadOnlyBookOpensForReadingAndSaysWhyAPostIsRefused) {
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    db::CompanyDatabase::closeConnection();
    const QByteArray folder = QFile::encodeName(QFileInfo(bookPath()).absolutePath());
    const QByteArray file = QFile::encodeName(bookPath());
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    ASSERT_EQ(chmod(file.constData(), 0444), 0);
    const int code = inChild([] {
        if (geteuid() == 0 && setuid(65534) != 0)
            return 10;
        try {
            db::CompanyDatabase::handle();
            if (!db::CompanyDatabase::fileCondition().contains(QLatin1String("is read-only")))
                return 11;
            if (!refusedWith(QStringLiteral("Lee")).contains(QLatin1String("is read-only")))
                return 12;
            Recordset rs = db::CompanyDatabase::execute(QStringLiteral("SELECT count(*) FROM Employees"));
            rs.moveFirst();
            return rs.value(0).toInt64() == 1 ? 0 : 13;
        } catch (const DataError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
            return 14;
        }
    });
    chmod(folder.constData(), 0755);
    chmod(file.constData(), 0644);
    EXPECT_EQ(code, 0);
}

TEST_F(FileConditionTest, AFullDiskIsNamedAndTheBookKeepsWhatItHad) {
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    // The file may grow no further, as on a full disk.
    sqlite3_exec(db::CompanyDatabase::handle(), "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
    QString why;
    for (int i = 0; i < 500 && why.isEmpty(); ++i)
        why = refusedWith(QStringLiteral("Lee%1").arg(i));
    EXPECT_TRUE(why.startsWith(QLatin1String("The disk holding the company file is full")))
        << why.toStdString();
    sqlite3_exec(db::CompanyDatabase::handle(), "PRAGMA max_page_count = 1073741823", nullptr, nullptr,
                 nullptr);
    EXPECT_EQ(db::RefusalReasons::explain(QString::fromUtf8(sqlite3_errstr(SQLITE_IOERR))).sentence,
              QStringLiteral("The company file could not be read or written (a fault of its disk or network "
                             "drive); nothing was saved. Check the drive and post again."));
}

TEST_F(FileConditionTest, AFirstStartInAFolderItCannotWriteNamesTheFolder) {
    db::CompanyDatabase::closeConnection();
    const QString books = QFileInfo(bookPath()).absolutePath();
    const QString folder = books + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(chmod(QFile::encodeName(books).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const int code = inChild([&folder] {
        if (geteuid() == 0 && setuid(65534) != 0)
            return 10;
        db::CompanyDatabase::setPath(folder + QStringLiteral("/orvan.sqlite"));
        try {
            db::CompanyDatabase::handle();
            return 11;
        } catch (const DataError& e) {
            const bool named =
                e.message().contains(folder) && e.message().contains(QLatin1String("cannot be created"));
            return named ? 0 : 12;
        }
    });
    chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_EQ(code, 0);
}

TEST(CompanyFilePath, ARelativeDataFolderIsIgnored) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/data");
    const QString relative = db::CompanyDatabase::defaultPath();
    qputenv("XDG_DATA_HOME", "/srv/books");
    const QString absolute = db::CompanyDatabase::defaultPath();
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(relative, QDir::homePath() + QStringLiteral("/.local/share/orvanwise/orvan.sqlite"));
    EXPECT_EQ(absolute, QStringLiteral("/srv/books/orvanwise/orvan.sqlite"));
}
