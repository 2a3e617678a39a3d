#pragma once

#include "BookBuilder.h"
#include "QtPrinters.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv::test {

// A fresh company file in a temporary folder for one test: a copy of one the
// program made, closed and removed when the test ends. "Today" is pinned
// (for every test program; a test that moves it gets it back at the end) so
// dated results do not depend on the calendar. When the test has made
// the book, tear-down fails it if check_invariants reports a broken rule or
// SQLite finds a dangling reference or a damaged page: a test need not ask.
// Its masters and histories are made by the book builder.
class TestBook : public ::testing::Test, public BookBuilder {
public:
    // The day every test program runs on.
    static QDate pinnedToday() { return QDate(2010, 6, 15); }

protected:
    void SetUp() override;
    void TearDown() override;

    QString bookPath() const;
    // Plain SQL against the book, outside any write (setting up a scene).
    void sql(const QString& text);
    // The first column of the first row of a query, as text ("" if none).
    QString scalar(const QString& query);
    qint64 count(const QString& table);
    // check_invariants finds nothing broken now (tear-down checks again).
    void expectBooksSound();

    // For the tests that break a rule of the books by hand to see a check
    // fire, or that write by hand a history no landed document can make yet:
    // check_invariants is not asked, but every reference must still hold and
    // the file must still be sound.
    void skipBookChecks() { m_skipBookChecks = true; }
    // For the tests that damage the file itself: no check at all.
    void skipFileChecks() { m_skipFileChecks = true; }

private:
    void expectSoundFile();

    bool m_skipBookChecks = false;
    bool m_skipFileChecks = false;
    QTemporaryDir m_dir;
};

} // namespace orv::test
