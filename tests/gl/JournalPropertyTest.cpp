// Random balanced journals over two years, some with one line the database
// must refuse: after every write the ledger still nets to zero, a refused
// journal left nothing and posting numbers only grow.
#include "GlBook.h"
#include "gl/clsGLEntry.h"

#include <QRandomGenerator>

using namespace orv;

namespace {

// Accounts a journal line may name (no sub-ledger account of the starter books).
const int kFreeAccounts[] = {1000, 1010, 1500, 1510, 2000, 2500, 3000, 3100, 4000,
                             4100, 4200, 6000, 6100, 6200, 6300, 6400, 6500};

enum class Fault { None, SubLedgerAccount, UnknownAccount, FractionOfCent, OtherYear, Unbalanced };

class JournalPropertyTest : public test::GlBook {
protected:
    QRandomGenerator rng{20100615};

    int anyAccount() { return kFreeAccounts[rng.bounded(static_cast<int>(std::size(kFreeAccounts)))]; }
    QDate anyDate(int year) { return QDate(year, 1, 1).addDays(rng.bounded(QDate(year, 1, 1).daysInYear())); }
    // Four random decimals, rounded to the two the journal window accepts.
    Currency anyAmount() {
        const auto raw = static_cast<std::int64_t>(rng.bounded(2000000000)) - 1000000000;
        return Currency::fromRaw(raw).rounded(2);
    }
    static void add(Recordset& lines, int glId, Currency amount, const QDate& date) {
        addLine(lines, glId, amount.toString(), QStringLiteral("random"), date);
    }

    Recordset randomJournal(Fault fault) {
        Recordset lines = journalLines();
        const int year = 2010 + rng.bounded(2);
        const int n = 2 + rng.bounded(5);
        Currency sum;
        for (int i = 0; i < n - 1; ++i) {
            const Currency a = anyAmount();
            sum += a;
            add(lines, anyAccount(), a, anyDate(year));
        }
        add(lines, anyAccount(), -sum, anyDate(year));
        switch (fault) {
        case Fault::None:
            break;
        case Fault::SubLedgerAccount:
            add(lines, 2200, Currency(), anyDate(year));
            break;
        case Fault::UnknownAccount:
            add(lines, 9999, Currency(), anyDate(year));
            break;
        case Fault::FractionOfCent:
            add(lines, anyAccount(), Currency::fromRaw(37), anyDate(year));
            add(lines, anyAccount(), Currency::fromRaw(-37), anyDate(year));
            break;
        case Fault::OtherYear:
            add(lines, anyAccount(), Currency(), anyDate(year == 2010 ? 2011 : 2010));
            break;
        case Fault::Unbalanced:
            add(lines, anyAccount(), Currency::fromRaw(100), anyDate(year));
            break;
        }
        return lines;
    }
};

} // namespace

TEST_F(JournalPropertyTest, RandomJournalsKeepTheLedgerBalanced) {
    const qint64 emp = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    const Recordset header = journalHeader(emp);
    clsGLEntry gl;
    qint64 lastNumber = 0;
    int posted = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const Fault fault = rng.bounded(5) == 0 ? static_cast<Fault>(1 + rng.bounded(5)) : Fault::None;
        Recordset lines = randomJournal(fault);
        const qint64 documents = count(QStringLiteral("Document_T"));
        const qint64 journalRows = count(QStringLiteral("Journal_T"));
        const qint64 legs = count(QStringLiteral("Ledger_T"));

        const QString result = gl.Send_Order(header, lines);
        if (fault != Fault::None) {
            ASSERT_EQ(result, clsGLEntry::kFailureText) << "fault " << static_cast<int>(fault);
            ASSERT_EQ(count(QStringLiteral("Document_T")), documents);
            ASSERT_EQ(count(QStringLiteral("Journal_T")), journalRows);
            ASSERT_EQ(count(QStringLiteral("Ledger_T")), legs);
            continue;
        }
        ASSERT_TRUE(isNumericText(result))
            << result.toStdString() << ": " << gl.lastFailureReason().toStdString();
        const qint64 number = result.toLongLong();
        ASSERT_GT(number, lastNumber);
        lastNumber = number;
        ++posted;
        ASSERT_EQ(count(QStringLiteral("Journal_T")), journalRows + lines.recordCount());
        ASSERT_EQ(ledgerSum(QStringLiteral("Post_Seq = 'DOC' AND Post_No = %1").arg(number)).raw(), 0);
        ASSERT_EQ(ledgerSum().raw(), 0);
    }
    EXPECT_GT(posted, 200);
    expectBooksSound();
}
