// The reasons table: every reason a rule of the books can give has the
// clerk's sentence, a sentence names no table, and a failure text finds its
// sentence with the details the rule passed.
#include "db/RefusalReasons.h"
#include "db/SchemaBuilder.h"
#include "db/SqlFunctions.h"
#include "support/TestBook.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <set>

using namespace orv;
using db::RefusalReasons;

namespace {

// Each db_fail reason of one rule file, as the database gives it.
std::set<QString> reasonsOf(const QString& sql) {
    static const QRegularExpression call(QStringLiteral(R"(db_fail\s*\(\s*'((?:[^']|'')*)')"));
    std::set<QString> out;
    auto it = call.globalMatch(sql);
    while (it.hasNext())
        out.insert(it.next().captured(1).replace(QStringLiteral("''"), QStringLiteral("'")));
    return out;
}

std::map<QString, std::set<QString>> ruleFiles() {
    std::map<QString, std::set<QString>> files;
    QDirIterator it(QStringLiteral(":/db"), {QStringLiteral("*.sql")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        // An upgrade repeats rules whose sentences are kept beside the rule
        // files; the trigger files are read as the book is built from them.
        if (it.filePath().contains(QLatin1String("/migrations/")) ||
            it.filePath().contains(QLatin1String("/triggers/")))
            continue;
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files[it.fileName()] = reasonsOf(QString::fromUtf8(f.readAll()));
    }
    for (const auto& file : db::SchemaBuilder::triggerFiles())
        files[file.name] = reasonsOf(file.text);
    return files;
}

QString withDetails(const QString& reason, const QStringList& details) {
    QString text = reason;
    for (const QString& d : details)
        text += QLatin1Char(db::kDetailSeparator) + d;
    return text;
}

class RefusalReasonsTest : public test::TestBook {};

} // namespace

TEST_F(RefusalReasonsTest, EveryReasonOfEveryRuleHasItsSentenceBesideTheRule) {
    std::map<QString, QString> table; // reason -> its reasons file
    for (const auto& e : RefusalReasons::entries())
        table[e.reason] = e.file;
    int reasons = 0;
    for (const auto& [file, found] : ruleFiles()) {
        const QString beside = QString(file).replace(QStringLiteral(".sql"), QStringLiteral(".reasons"));
        for (const QString& reason : found) {
            ++reasons;
            SCOPED_TRACE(file.toStdString() + ": " + reason.toStdString());
            ASSERT_TRUE(table.count(reason)) << "no sentence for this reason";
            EXPECT_EQ(table[reason], beside) << "the sentence is kept beside its rule";
        }
    }
    EXPECT_GE(reasons, 80);
    // A sentence whose reason no rule gives any more is a misspelt reason.
    const auto rules = ruleFiles();
    for (const auto& e : RefusalReasons::entries()) {
        const QString sql = QString(e.file).replace(QStringLiteral(".reasons"), QStringLiteral(".sql"));
        if (rules.count(sql)) {
            EXPECT_TRUE(rules.at(sql).count(e.reason))
                << e.file.toStdString() << ": " << e.reason.toStdString();
        }
    }
}

TEST_F(RefusalReasonsTest, NoSentenceNamesATableOrAViewOfTheBook) {
    sql(QStringLiteral(
        "CREATE TEMP TABLE names AS SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"));
    const int tables = count(QStringLiteral("names"));
    ASSERT_GT(tables, 20);
    QStringList names;
    for (int i = 0; i < tables; ++i)
        names << scalar(QStringLiteral("SELECT name FROM names LIMIT 1 OFFSET %1").arg(i));
    for (const auto& e : RefusalReasons::entries()) {
        EXPECT_FALSE(e.sentence.contains(QLatin1Char('_'))) << e.sentence.toStdString();
        for (const QString& name : names) {
            const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(name)));
            EXPECT_FALSE(word.match(e.sentence).hasMatch())
                << e.file.toStdString() << ": \"" << e.sentence.toStdString() << "\" names "
                << name.toStdString();
        }
    }
}

TEST_F(RefusalReasonsTest, AFailureFindsItsSentenceWithTheRulesDetails) {
    const db::Refusal line = RefusalReasons::explain(withDetails(
        QStringLiteral("Journal_T: sub-ledger account"), {QStringLiteral("2"), QStringLiteral("1201")}));
    EXPECT_EQ(line.reason, QStringLiteral("Journal_T: sub-ledger account"));
    EXPECT_TRUE(line.sentence.startsWith(QStringLiteral("Line 2: account 1201 belongs to a customer")))
        << line.sentence.toStdString();

    // One reason may begin another: the longer one wins.
    const db::Refusal customer = RefusalReasons::explain(
        QStringLiteral("Temp_Customers: customer code or currency of a customer with transaction history"));
    EXPECT_EQ(customer.fields, (QStringList{QStringLiteral("customerid"), QStringLiteral("Cur_Type")}));

    // A table's own constraint names its column; the table is not repeated.
    const db::Refusal blank =
        RefusalReasons::explain(QStringLiteral("NOT NULL constraint failed: Temp_Bank.Bank_name"));
    EXPECT_EQ(blank.sentence, QStringLiteral("A value the record needs is missing."));
    EXPECT_EQ(blank.fields, QStringList{QStringLiteral("Bank_name")});

    const db::Refusal unknown = RefusalReasons::explain(QStringLiteral("database is locked"));
    EXPECT_EQ(unknown.reason, QString());
    EXPECT_EQ(unknown.sentence, QStringLiteral("The books refused the request; nothing was saved."));
}

TEST_F(RefusalReasonsTest, AReasonsFileIsReadLineByLine) {
    const auto entries = RefusalReasons::parse(
        QStringLiteral("X.reasons"),
        QStringLiteral(
            "# a comment\r\n\nX: one\tThe first.\tA, B\r\nX: no sentence\t \nX: two\tThe second.\n"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].reason, QStringLiteral("X: one"));
    EXPECT_EQ(entries[0].sentence, QStringLiteral("The first."));
    EXPECT_EQ(entries[0].fields, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(entries[1].fields, QStringList());
}
