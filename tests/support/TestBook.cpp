#include "TestBook.h"

#include "data/Connection.h"
#include "db/CompanyDatabase.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdio>

namespace orv::test {

namespace {

// What makes a fresh company file: the program's database files and the book
// version. A change to either makes a new template.
QString freshBookKey() {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(db::CompanyDatabase::kSchemaVersion));
    QStringList files;
    for (QDirIterator it(QStringLiteral(":/db"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    files.sort();
    for (const QString& name : files) {
        QFile f(name);
        if (f.open(QIODevice::ReadOnly)) {
            hash.addData(name.toUtf8());
            hash.addData(f.readAll());
        }
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

// A fresh company file made once by the program itself and kept on disk for
// the build (in its tests/books folder), so that each test copies it
// instead of creating the schema again. Test programs run side by side: each
// makes its own under a private name and renames it into place, so a reader
// never sees half a file.
QString freshBookTemplate() {
    static const QString path = [] {
        const QString folder = QStringLiteral(ORV_TEST_BOOKS);
        QDir().mkpath(folder);
        const QString done = folder + QStringLiteral("/fresh-%1.sqlite").arg(freshBookKey());
        if (QFile::exists(done))
            return done;
        const QString making = done + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
        QFile::remove(making);
        db::CompanyDatabase::setPath(making);
        db::CompanyDatabase::handle();
        db::CompanyDatabase::closeConnection();
        for (const char* side : {"-wal", "-shm"})
            QFile::remove(making + QLatin1String(side));
        if (std::rename(QFile::encodeName(making).constData(), QFile::encodeName(done).constData()) != 0)
            QFile::remove(making);
        return done;
    }();
    return path;
}

} // namespace

void TestBook::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    ASSERT_TRUE(QFile::copy(freshBookTemplate(), bookPath()));
    db::CompanyDatabase::setPath(bookPath());
    db::CompanyDatabase::setToday(pinnedToday());
}

void TestBook::TearDown() {
    // A test that closed the book at its end is checked as well: the book is
    // opened again for the checks.
    if (!m_skipFileChecks && (db::CompanyDatabase::isOpen() || QFile::exists(bookPath())))
        expectSoundFile();
    db::CompanyDatabase::closeConnection();
    db::CompanyDatabase::setToday(pinnedToday());
}

namespace {

// Each row of a check as a failure; "ok" is SQLite's word for none.
void reportRows(const char* check, Recordset rs, int columns) {
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QString row;
        for (int c = 0; c < columns; ++c)
            row += (c ? QStringLiteral(" | ") : QString()) + rs.value(c).toString();
        if (row != QLatin1String("ok"))
            ADD_FAILURE() << check << ": " << row.toStdString();
    }
}

} // namespace

void TestBook::expectSoundFile() {
    // A write left open by a failed test would hide what it did; end it first.
    if (db::CompanyDatabase::inWrite())
        db::CompanyDatabase::rollbackWrite();
    if (!m_skipBookChecks)
        expectBooksSound();
    reportRows("foreign_key_check", db::CompanyDatabase::execute(QStringLiteral("PRAGMA foreign_key_check")),
               4);
    reportRows("integrity_check", db::CompanyDatabase::execute(QStringLiteral("PRAGMA integrity_check")), 1);
}

void TestBook::expectBooksSound() {
    reportRows("check_invariants", db::CompanyDatabase::execute(QStringLiteral("check_invariants")), 2);
}

QString TestBook::bookPath() const {
    return m_dir.filePath(QStringLiteral("orvan.sqlite"));
}

void TestBook::sql(const QString& text) {
    db::CompanyDatabase::exec(text);
}

QString TestBook::scalar(const QString& query) {
    Recordset rs = db::CompanyDatabase::execute(query);
    if (rs.recordCount() == 0)
        return QString();
    rs.moveFirst();
    return rs.value(0).toString();
}

qint64 TestBook::count(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM ") + table).toLongLong();
}

} // namespace orv::test
