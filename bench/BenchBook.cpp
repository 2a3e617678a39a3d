#include "BenchBook.h"

#include "db/CompanyDatabase.h"
#include "gl/clsGLEntry.h"
#include "values/Recordset.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <random>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace orv::bench {

using db::CompanyDatabase;

QString cacheFolder() {
    QString dir = qEnvironmentVariable("ORV_BENCH_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
              QStringLiteral("/orvanwise-bench");
    QDir().mkpath(dir);
    return dir;
}

void request(const QString& sql, const std::vector<Variant>& params) {
    CompanyDatabase::beginWrite();
    try {
        CompanyDatabase::execute(sql, params);
        CompanyDatabase::commitWrite();
    } catch (...) {
        CompanyDatabase::rollbackWrite();
        throw;
    }
}

bool copyBook(const QString& from, const QString& to) {
    if (!QFile::copy(from, to))
        return false;
    const int fd = ::open(QFile::encodeName(to).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

std::unique_ptr<QTemporaryDir> openCopy(const QString& book) {
    auto dir = std::make_unique<QTemporaryDir>();
    const QString copy = dir->filePath(QFileInfo(book).fileName());
    if (!copyBook(book, copy))
        return nullptr;
    CompanyDatabase::setPath(copy);
    // Opening may upgrade the copy, and the check of its pages runs beside
    // the program for a while after: neither is what a benchmark times.
    CompanyDatabase::exec(QStringLiteral("SELECT 1"));
    CompanyDatabase::fileCondition(true);
    return dir;
}

void generatingWrites() {
    // The one shortcut while generating: no waiting for the disk.
    CompanyDatabase::exec(QStringLiteral("PRAGMA synchronous = OFF"));
    // Writes come without a pause, so the background fold never finds the
    // log wholly copied at the start of a write and the log would grow
    // without bound: SQLite's own checkpoint folds it inside the commits.
    CompanyDatabase::exec(QStringLiteral("PRAGMA wal_autocheckpoint = 16384"));
}

QString keptBook(const QString& name, const QString& what,
                 const std::function<void(const QString&)>& generate) {
    return keptBook(name, what, QString(), generate);
}

QString keptBook(const QString& name, const QString& what, const QString& base,
                 const std::function<void(const QString&)>& generate) {
    const QString path = cacheFolder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(path))
        return path;
    const QString partial = path + QStringLiteral(".part");
    QElapsedTimer timer;
    timer.start();
    std::fprintf(stderr, "generating %s...\n", qPrintable(what));
    QFile::remove(partial);
    if (!base.isEmpty() && !QFile::copy(base, partial))
        throw std::runtime_error("the book to start from could not be copied");
    CompanyDatabase::setPath(partial);
    generatingWrites();
    generate(partial);
    CompanyDatabase::closeConnection();
    std::fputs("\n", stderr);
    QFile::remove(partial + QStringLiteral("-wal"));
    QFile::remove(partial + QStringLiteral("-shm"));
    if (!QFile::rename(partial, path))
        throw std::runtime_error("the generated book could not be kept");
    std::fprintf(stderr, "generated %s in %.1f s, %.1f MB: %s\n", qPrintable(what), timer.elapsed() / 1000.0,
                 QFileInfo(path).size() / 1048576.0, qPrintable(path));
    return path;
}

namespace {

void addMasters() {
    request(QStringLiteral("INSERT INTO Temp_Employees (LastName, FirstName, HireDate, BirthDate, Address, "
                           "HomePhone, Function_type) VALUES ('Tan', 'Mary', '2007-03-01', '1980-07-21', "
                           "'3 Hill St', '61112222', 'C')"),
            {});
    for (int i = 0; i < kBenchAccounts; ++i) {
        const bool pl = i % 2 == 0;
        request(QStringLiteral("INSERT INTO Temp_COA (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, "
                               "Sub_Category_VC, Status_bt, Function_type) VALUES (?, ?, ?, ?, ?, 1, 'C')"),
                {Variant(std::int32_t(kFirstBenchAccount + i)),
                 Variant(QStringLiteral("Bench account %1").arg(i)),
                 Variant(pl ? QStringLiteral("PL") : QStringLiteral("BS")),
                 Variant(pl ? QStringLiteral("EXPENSES") : QStringLiteral("ASSETS")),
                 Variant(pl ? QStringLiteral("OPERATING EXPENSES") : QStringLiteral("CURRENT ASSETS"))});
    }
}

Recordset lineTable() {
    Recordset lines;
    lines.appendField(QStringLiteral("GL_ID"), DataType::Integer);
    lines.appendField(QStringLiteral("GL_Name"), DataType::Text, 20);
    lines.appendField(QStringLiteral("Amount"), DataType::Currency);
    lines.appendField(QStringLiteral("Descrip"), DataType::Text, 50);
    lines.appendField(QStringLiteral("Date"), DataType::Date);
    lines.appendField(QStringLiteral("Period"), DataType::SmallInt);
    lines.appendField(QStringLiteral("Year"), DataType::SmallInt);
    lines.open();
    return lines;
}

void addLine(Recordset& lines, int account, std::int64_t cents, const QDate& date, int n) {
    lines.addNew();
    lines.setValue(QStringLiteral("GL_ID"), Variant(std::int32_t(account)));
    lines.setValue(QStringLiteral("Amount"), Variant(Currency::fromRaw(cents * 100)));
    lines.setValue(QStringLiteral("Descrip"), Variant(QStringLiteral("Bench journal line %1").arg(n)));
    lines.setValue(QStringLiteral("Date"), Variant(date));
    lines.setValue(QStringLiteral("Period"), Variant(std::int32_t(date.month())));
    lines.setValue(QStringLiteral("Year"), Variant(std::int32_t(date.year())));
    lines.update();
}

void generate(std::int64_t postings, std::uint32_t seed) {
    addMasters();
    Recordset header;
    header.appendField(QStringLiteral("EmployeeID"), DataType::BigInt);
    header.open();
    header.addNew();
    header.setValue(QStringLiteral("EmployeeID"), Variant(std::int64_t{1}));

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> lineCount(2, 20);
    std::uniform_int_distribution<int> account(0, kBenchAccounts - 1);
    std::uniform_int_distribution<std::int64_t> cents(1, 9'000'000);
    const QDate first(2008, 1, 1);
    const std::int64_t days = first.daysTo(QDate(kLastYear, 12, 31)) + 1;
    // Journals are dated in order over the five years, as a clerk posts them.
    const std::int64_t expectedJournals = postings / 11 + 1;
    clsGLEntry gl;
    std::int64_t written = 0;
    std::int64_t journal = 0;
    int lastTenth = 0;
    while (written < postings) {
        const QDate date = first.addDays(std::min(days - 1, journal * days / expectedJournals));
        Recordset lines = lineTable();
        const int n = static_cast<int>(
            std::min<std::int64_t>(lineCount(random), std::max<std::int64_t>(2, postings - written)));
        std::int64_t sum = 0;
        for (int i = 0; i < n - 1; ++i) {
            const std::int64_t amount = (i % 2 == 0 ? 1 : -1) * cents(random);
            sum += amount;
            addLine(lines, kFirstBenchAccount + account(random), amount, date, i);
        }
        addLine(lines, kFirstBenchAccount + account(random), -sum, date, n - 1);
        if (gl.Send_Order(header, lines) == clsGLEntry::kFailureText)
            throw std::runtime_error("a generated journal was refused");
        written += n;
        ++journal;
        const int tenth = static_cast<int>(written * 10 / postings);
        if (tenth != lastTenth) {
            lastTenth = tenth;
            std::fprintf(stderr, "  %d%%\r", tenth * 10);
        }
    }
}

} // namespace

std::int64_t requestedPostings() {
    bool ok = false;
    const qlonglong n = qEnvironmentVariable("ORV_BENCH_POSTINGS").toLongLong(&ok);
    return ok && n > 0 ? n : 1'000'000;
}

QString generatedBook(std::int64_t postings, std::uint32_t seed) {
    return keptBook(
        QStringLiteral("book-%1-seed%2.sqlite").arg(postings).arg(seed),
        QStringLiteral("a book of %1 postings (seed %2) through the journal entry").arg(postings).arg(seed),
        [&](const QString&) { generate(postings, seed); });
}

} // namespace orv::bench
