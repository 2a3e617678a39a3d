// The journal write killed (SIGKILL) at random moments and at chosen steps
// inside a write, by a helper program posting through the data classes: the
// book reopens sound, every acknowledged document is whole, a document in
// flight is whole or absent, and posting goes on.
#include "GlBook.h"
#include "db/CompanyDatabase.h"
#include "gl/clsGLEntry.h"

#include <QStringList>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace orv;
using Clock = std::chrono::steady_clock;

namespace {

// The helper program: one run, its output read line by line through a pipe.
class Poster {
public:
    Poster(const QString& book, qint64 employee, int run, std::uint64_t seed,
           const QStringList& environment) {
        int fds[2];
        if (::pipe(fds) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        const std::vector<std::string> args = {ORV_CRASH_POSTER, book.toStdString(), std::to_string(employee),
                                               std::to_string(run), std::to_string(seed)};
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        for (const QString& e : environment)
            env.push_back(e.toStdString());
        std::vector<char*> argv;
        std::vector<char*> envp;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (const auto& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        const int rc = posix_spawn(&m_pid, ORV_CRASH_POSTER, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        m_out = fds[0];
        if (rc != 0) {
            ::close(m_out);
            throw std::runtime_error("the poster cannot be started");
        }
    }
    ~Poster() {
        kill();
        ::close(m_out);
    }

    // The next whole line, or the empty text when none came by the deadline
    // or the program has ended.
    QString nextLine(Clock::time_point deadline) {
        for (;;) {
            const qsizetype end = m_pending.indexOf('\n');
            if (end >= 0) {
                const QString line = QString::fromUtf8(m_pending.left(end));
                m_pending.remove(0, end + 1);
                return line;
            }
            if (m_ended)
                return QString();
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return QString();
            pollfd p{m_out, POLLIN, 0};
            const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return QString();
            char buffer[4096];
            const ssize_t n = ::read(m_out, buffer, sizeof buffer);
            if (n > 0)
                m_pending.append(buffer, n);
            else if (n == 0 || errno != EINTR)
                m_ended = true;
        }
    }

    void kill() {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = 0;
    }

private:
    pid_t m_pid = 0;
    int m_out = -1;
    QByteArray m_pending;
    bool m_ended = false;
};

class JournalCrashTest : public test::GlBook {
protected:
    void SetUp() override {
        GlBook::SetUp();
        employee = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
        db::CompanyDatabase::closeConnection();
    }

    // Reads a run's "posted" lines into the acknowledged documents; returns
    // the first other line, or the empty text at the deadline or the end.
    // With firstOnly, returns after the first "posted" line too.
    QString readRun(Poster& poster, Clock::time_point deadline, bool firstOnly = false) {
        for (;;) {
            const QString line = poster.nextLine(deadline);
            const QStringList words = line.split(QLatin1Char(' '));
            if (words.size() != 3 || words[0] != QLatin1String("posted"))
                return line;
            acknowledged[words[1].toLongLong()] = words[2].toInt();
            if (firstOnly)
                return QString();
        }
    }
    static auto seconds(int n) { return Clock::now() + std::chrono::seconds(n); }

    // Opens the book again through the data layer and checks it whole; then
    // posts once more and closes it for the next run.
    void expectBookWhole(const QString& when) {
        SCOPED_TRACE(when.toStdString());
        EXPECT_EQ(scalar(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        // A document is its header and every one of its lines: the count
        // each line's description carries.
        Recordset documents = db::CompanyDatabase::execute(
            QStringLiteral("SELECT d.DocID, count(j.Doc_No_VC), max(j.Descrip_VC) FROM Document_T d "
                           "LEFT JOIN Journal_T j ON j.Doc_No_VC = CAST(d.DocID AS TEXT) GROUP BY d.DocID"));
        std::map<qint64, int> found;
        for (documents.moveFirst(); !documents.eof(); documents.moveNext()) {
            const qint64 number = documents.value(0).toInt64();
            const int count = documents.value(1).toInt32();
            found[number] = count;
            const QString descrip = documents.value(2).toString();
            if (descrip.startsWith(QLatin1String("crash ")))
                EXPECT_EQ(QString::number(count), descrip.section(QLatin1Char('/'), -1))
                    << "document " << number << " is not whole";
            else
                EXPECT_GE(count, 2) << "document " << number << " has no lines";
        }
        for (const auto& [number, lines] : acknowledged) {
            ASSERT_TRUE(found.count(number)) << "acknowledged document " << number << " is lost";
            EXPECT_EQ(found[number], lines) << "acknowledged document " << number;
        }
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Journal_T WHERE Doc_No_VC NOT IN "
                                        "(SELECT CAST(DocID AS TEXT) FROM Document_T)")),
                  QStringLiteral("0"))
            << "lines without their header";
        expectWorkTablesEmpty();
        expectBooksSound();

        // Posting goes on with a number no document has.
        const qint64 highest = found.empty() ? 0 : found.rbegin()->first;
        Recordset lines = journalLines();
        addLine(lines, 6100, QStringLiteral("10"), QStringLiteral("after the crash"), QDate(2010, 6, 1));
        addLine(lines, 1010, QStringLiteral("-10"), QStringLiteral("after the crash"), QDate(2010, 6, 1));
        clsGLEntry journal;
        const QString number = journal.Send_Order(journalHeader(employee), std::move(lines));
        EXPECT_GT(number.toLongLong(), highest)
            << number.toStdString() << " " << journal.lastFailureReason().toStdString();
        acknowledged[number.toLongLong()] = 2;
        expectWorkTablesEmpty();
        db::CompanyDatabase::closeConnection();
    }

    void expectWorkTablesEmpty() {
        for (const char* table : {"Write_Ctx_T", "Touched_Doc_T", "Closing_Ctx_T"})
            EXPECT_EQ(count(QString::fromLatin1(table)), 0) << table;
    }

    QStringList stopAt(const QString& step, int document) {
        return {QStringLiteral("ORV_CRASH_STOP=") + step,
                QStringLiteral("ORV_CRASH_DOCUMENT=") + QString::number(document)};
    }

    qint64 employee = 0;
    std::map<qint64, int> acknowledged; // number → lines
    std::mt19937_64 random{20101215};
};

} // namespace

TEST_F(JournalCrashTest, AKillAtAnyMomentLeavesEveryDocumentWholeOrAbsent) {
    int runs = 0;
    int killedWhilePosting = 0;
    for (int run = 1; run <= 50; ++run) {
        Poster poster(bookPath(), employee, run, random(), {});
        // Most kills land while the helper posts, once its first document is
        // in; a few while it opens the book and starts the first.
        const bool duringOpen = run % 10 == 0;
        const std::size_t before = acknowledged.size();
        if (!duringOpen) {
            ASSERT_EQ(readRun(poster, seconds(30)), QStringLiteral("ready")) << "run " << run;
            ASSERT_EQ(readRun(poster, seconds(30), true), QString()) << "run " << run;
            ASSERT_GT(acknowledged.size(), before) << "run " << run << " posted nothing";
        }
        const auto until = Clock::now() + std::chrono::microseconds(std::uniform_int_distribution<int>(
                                              0, duringOpen ? 300000 : 50000)(random));
        QString other;
        do
            other = readRun(poster, until);
        while (other == QLatin1String("ready"));
        ASSERT_TRUE(other.isEmpty()) << "run " << run << ": " << other.toStdString();
        poster.kill();
        // What the helper wrote before it died was acknowledged before it died.
        do
            other = readRun(poster, seconds(5));
        while (other == QLatin1String("ready"));
        EXPECT_TRUE(other.isEmpty()) << other.toStdString();
        if (acknowledged.size() > before + 1)
            ++killedWhilePosting;
        expectBookWhole(QStringLiteral("run %1").arg(run));
        ++runs;
        if (HasFatalFailure())
            return;
    }
    EXPECT_EQ(runs, 50);
    EXPECT_GE(killedWhilePosting, 10) << "too few kills landed while documents were being posted";
}

TEST_F(JournalCrashTest, AKillAtAChosenStepOfAWriteLeavesTheDocumentWholeOrAbsent) {
    const struct {
        const char* step;
        bool kept;
    } steps[] = {
        {"Document_T", false}, {"Journal_T:1", false}, {"Journal_T:2", false},
        {"checked", false},    {"committed", true},
    };
    int run = 100;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        Poster poster(bookPath(), employee, ++run, random(), stopAt(QString::fromLatin1(s.step), 3));
        ASSERT_EQ(readRun(poster, seconds(30)), QStringLiteral("ready"));
        const QString stopped = readRun(poster, seconds(30));
        const QStringList words = stopped.split(QLatin1Char(' '));
        ASSERT_EQ(words.size(), 3) << stopped.toStdString();
        ASSERT_EQ(words[0], QStringLiteral("stopped"));
        EXPECT_EQ(words[1], QString::fromLatin1(s.step));
        poster.kill();
        readRun(poster, seconds(5));
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Document_T WHERE DocID = ") + words[2]),
                  QString::number(s.kept ? 1 : 0));
        expectBookWhole(QStringLiteral("stopped at %1").arg(QString::fromLatin1(s.step)));
        if (HasFatalFailure())
            return;
    }
    EXPECT_GE(acknowledged.size(), 15U) << "two documents acknowledged before each stop, and one after";
}
