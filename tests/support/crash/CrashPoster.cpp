// Posts generated journals to a company file, the way the journal window
// posts them, until it is killed. The crash test runs it and kills it.
//
//   orvan_crash_poster <company file> <employee id> <run> <seed>
//
// Standard output says, one line each, written whole and unbuffered:
//   ready                     the book is open, posting starts
//   posted <number> <lines>   the book acknowledged a document
//   refused <reason>          a post was refused (the program then ends, 3)
//   stopped <step> <number>   the chosen step of a write was reached; the
//                             program waits there to be killed
// Every line of a document is described "crash r<run> d<k> <i>/<lines>", so
// that a document found in the book tells how many lines it must have.
//
// The step to stop at comes from the environment, read by this program only:
// ORV_CRASH_STOP is "Document_T" (the header saved), "Journal_T:<i>" (the
// i-th line saved), "checked" (the commit checks passed, the commit not yet
// made) or "committed"; ORV_CRASH_DOCUMENT is the document of the run it is
// taken in (1 = the first, the default).
#include "db/CompanyDatabase.h"
#include "gl/clsGLEntry.h"
#include "values/Currency.h"
#include "values/DataError.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <unistd.h>
#include <utility>

using namespace orv;

namespace {

void say(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(STDOUT_FILENO, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            std::_Exit(4);
        done += n;
    }
}

[[noreturn]] void waitToBeKilled() {
    for (;;)
        ::pause();
}

// Where a write stops, and how far the current one has come.
struct Stop {
    QString step;
    int document = 1;
    int current = 0;    // the document of the run being posted (1 = first)
    int linesSaved = 0; // of the current document
    QString number;     // the current document's number, once its header is saved

    void reached(const QString& here) const {
        if (current == document && here == step) {
            say(QStringLiteral("stopped %1 %2").arg(here, number));
            waitToBeKilled();
        }
    }
};

Recordset header(qint64 employee) {
    Recordset rs;
    rs.appendField(QStringLiteral("EmployeeID"), DataType::BigInt);
    rs.open();
    rs.addNew();
    rs.setValue(QStringLiteral("EmployeeID"), Variant(static_cast<std::int64_t>(employee)));
    return rs;
}

// Two to five lines on accounts of the starter chart, in the first half of
// 2010, the last line balancing the others.
Recordset lines(std::mt19937_64& random, int run, int document) {
    static const int accounts[] = {1010, 2000, 4000, 6000, 6100};
    Recordset rs;
    rs.appendField(QStringLiteral("GL_ID"), DataType::Integer);
    rs.appendField(QStringLiteral("Amount"), DataType::Currency);
    rs.appendField(QStringLiteral("Descrip"), DataType::Text, 50);
    rs.appendField(QStringLiteral("Date"), DataType::Date);
    rs.appendField(QStringLiteral("Period"), DataType::SmallInt);
    rs.appendField(QStringLiteral("Year"), DataType::SmallInt);
    rs.open();
    const int count = std::uniform_int_distribution<int>(2, 5)(random);
    const QDate date(2010, std::uniform_int_distribution<int>(1, 6)(random), 10);
    std::int64_t total = 0;
    for (int i = 1; i <= count; ++i) {
        std::int64_t cents = std::uniform_int_distribution<std::int64_t>(1, 100'000'00)(random);
        if (random() % 2)
            cents = -cents;
        if (i == count)
            cents = -total;
        total += cents;
        rs.addNew();
        rs.setValue(QStringLiteral("GL_ID"), Variant(static_cast<std::int32_t>(accounts[random() % 5])));
        rs.setValue(QStringLiteral("Amount"), Variant(Currency::fromRaw(cents * 100)));
        rs.setValue(QStringLiteral("Descrip"),
                    Variant(QStringLiteral("crash r%1 d%2 %3/%4").arg(run).arg(document).arg(i).arg(count)));
        rs.setValue(QStringLiteral("Date"), Variant(date));
        rs.setValue(QStringLiteral("Period"), Variant(static_cast<std::int32_t>(date.month())));
        rs.setValue(QStringLiteral("Year"), Variant(static_cast<std::int32_t>(date.year())));
        rs.update();
    }
    return rs;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        say(QStringLiteral("refused usage: orvan_crash_poster <file> <employee> <run> <seed>"));
        return 2;
    }
    const qint64 employee = QByteArray(argv[2]).toLongLong();
    const int run = QByteArray(argv[3]).toInt();
    std::mt19937_64 random(QByteArray(argv[4]).toULongLong());

    Stop stop;
    stop.step = qEnvironmentVariable("ORV_CRASH_STOP");
    if (qEnvironmentVariableIsSet("ORV_CRASH_DOCUMENT"))
        stop.document = qEnvironmentVariableIntValue("ORV_CRASH_DOCUMENT");
    if (!stop.step.isEmpty()) {
        db::CompanyDatabase::setWriteProbe(
            [&stop](db::CompanyDatabase::WriteStep step, const QString& table) {
                using Step = db::CompanyDatabase::WriteStep;
                if (step == Step::RowSaved && table == QLatin1String("Document_T")) {
                    stop.linesSaved = 0;
                    Recordset newest =
                        db::CompanyDatabase::execute(QStringLiteral("SELECT max(DocID) FROM Document_T"));
                    newest.moveFirst();
                    stop.number = newest.value(0).toString();
                    stop.reached(table);
                } else if (step == Step::RowSaved && table == QLatin1String("Journal_T")) {
                    stop.reached(QStringLiteral("Journal_T:%1").arg(++stop.linesSaved));
                } else if (step == Step::Checked) {
                    stop.reached(QStringLiteral("checked"));
                } else if (step == Step::Committed) {
                    stop.reached(QStringLiteral("committed"));
                }
            });
    }

    db::CompanyDatabase::setPath(QString::fromLocal8Bit(argv[1]));
    db::CompanyDatabase::setToday(QDate(2010, 6, 15));
    clsGLEntry journal;
    try {
        db::CompanyDatabase::handle();
    } catch (const DataError& e) {
        say(QStringLiteral("refused %1").arg(e.message()));
        return 3;
    }
    say(QStringLiteral("ready"));
    for (int document = 1;; ++document) {
        stop.current = document;
        Recordset posted = lines(random, run, document);
        const int count = posted.recordCount();
        const QString number = journal.Send_Order(header(employee), std::move(posted));
        bool numeric = false;
        number.toLongLong(&numeric);
        if (!numeric) {
            say(QStringLiteral("refused %1: %2").arg(number, journal.lastFailureReason()));
            return 3;
        }
        say(QStringLiteral("posted %1 %2").arg(number).arg(count));
    }
}
