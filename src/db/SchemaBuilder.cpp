#include "SchemaBuilder.h"

#include "CompanyDatabase.h"
#include "values/DataError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <future>
#include <sqlite3.h>
#include <vector>

namespace orv::db {

namespace {

QString readResource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("Missing database file %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

void run(sqlite3* db, const QString& sql, const QString& what) {
    char* err = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_exec(db, utf8.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "error");
        sqlite3_free(err);
        throw DataError(QStringLiteral("%1: %2").arg(what, msg));
    }
}

const QRegularExpression& wordPattern() {
    static const QRegularExpression word(QStringLiteral(R"(\$\{(\w+)\})"));
    return word;
}

// The text with each ${Word} replaced by the text words gives it. A word
// words does not give is kept where keepOthers (a template's own words,
// which its twins give later) and is an error otherwise, naming who.
QString fillWords(const QString& text, const QHash<QString, QString>& words, const QString& who,
                  bool keepOthers) {
    QString out;
    qsizetype from = 0;
    for (auto it = wordPattern().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (!words.contains(m.captured(1))) {
            if (keepOthers)
                continue;
            throw DataError(QStringLiteral("%1 gives no %2").arg(who, m.captured(0)));
        }
        out += text.mid(from, m.capturedStart(0) - from) + words.value(m.captured(1));
        from = m.capturedEnd(0);
    }
    return out + text.mid(from);
}

// The rules of a part: its text without the comment lines that head it and
// the blank lines that end it.
QStringList partRules(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.front().startsWith(QLatin1String("--")))
        lines.removeFirst();
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// The text of a rule file with each part it uses written out in place: the
// part's rules at the indent of the '@use' line, with the words the lines
// below it give (and, in a plain rule file, ${Requests} = the file's table).
QString withParts(const QDir& dir, const QString& file, const QString& text) {
    static const QRegularExpression useLine(QStringLiteral(R"(^(\s*)--\s*@use\s+(\w+)\s*$)"));
    static const QRegularExpression wordLine(QStringLiteral(R"(^\s*--\s+\$\{(\w+)\}\s*=(.*)$)"));
    const bool isTemplate = file.endsWith(QLatin1String(".sqlt"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto use = useLine.match(lines[i]);
        if (!use.hasMatch()) {
            out << lines[i];
            continue;
        }
        QHash<QString, QString> words;
        if (!isTemplate)
            words.insert(QStringLiteral("Requests"), QFileInfo(file).completeBaseName());
        for (QRegularExpressionMatch w; i + 1 < lines.size() && (w = wordLine.match(lines[i + 1])).hasMatch();
             ++i)
            words.insert(w.captured(1), w.captured(2).trimmed());
        const QString part = use.captured(2) + QStringLiteral(".sqlt");
        if (!dir.exists(part))
            throw DataError(QStringLiteral("%1: no part %2").arg(file, part));
        const QString rules = partRules(readResource(dir.filePath(part))).join(QLatin1Char('\n'));
        for (const QString& rule :
             fillWords(rules, words, file + QStringLiteral(": its use of ") + part, isTemplate)
                 .split(QLatin1Char('\n')))
            out << (rule.isEmpty() ? rule : use.captured(1) + rule);
    }
    return out.join(QLatin1Char('\n'));
}

// One file for each twin the template declares.
std::vector<SchemaBuilder::RuleFile> twinsOf(const QString& file, const QString& text) {
    static const QRegularExpression twinLine(QStringLiteral(R"(^--\s*@twin\s+(\w+)\s*$)"));
    static const QRegularExpression wordLine(QStringLiteral(R"(^--\s+\$\{(\w+)\}\s*=(.*)$)"));
    std::vector<std::pair<QString, QHash<QString, QString>>> twins;
    QStringList rules;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (const auto m = twinLine.match(line); m.hasMatch())
            twins.push_back({m.captured(1), {{QStringLiteral("Requests"), m.captured(1)}}});
        else if (const auto w = wordLine.match(line); w.hasMatch() && !twins.empty())
            twins.back().second.insert(w.captured(1), w.captured(2).trimmed());
        else
            rules << line;
    }
    const QString body = rules.join(QLatin1Char('\n'));
    std::vector<SchemaBuilder::RuleFile> files;
    for (const auto& [name, words] : twins)
        files.push_back({name + QStringLiteral(".sql"),
                         fillWords(body, words, QStringLiteral("%1: twin %2").arg(file, name), false)});
    return files;
}

template <typename F> void inTransaction(sqlite3* db, F&& body) {
    run(db, QStringLiteral("BEGIN IMMEDIATE"), QStringLiteral("begin"));
    try {
        body();
        run(db, QStringLiteral("COMMIT"), QStringLiteral("commit"));
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// Runs work on a thread of its own while this one reports progress at least
// every 100 ms: a step's single long statement, its commit and the closing
// checkpoint never leave the progress silent. The connection is used by the
// worker alone meanwhile.
template <typename F> void withProgress(const std::function<void()>& progress, F&& work) {
    if (!progress) {
        work();
        return;
    }
    auto done = std::async(std::launch::async, std::forward<F>(work));
    while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
        progress();
    done.get();
}

int scalarInt(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    int value = 0;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        value = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return value;
}

const QString kViewsFile = QStringLiteral(":/db/schema/095_views.sql");
const QString kTriggers = QStringLiteral(":/db/triggers");

void runFiles(sqlite3* db, const QString& folder) {
    for (const SchemaBuilder::RuleFile& file : SchemaBuilder::filesOf(folder))
        run(db, file.text, file.name);
}

// The views file and every trigger file, in the order they are run.
QString rulesFingerprint() {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(readResource(kViewsFile).toUtf8());
    for (const SchemaBuilder::RuleFile& file : SchemaBuilder::triggerFiles()) {
        hash.addData(file.name.toUtf8());
        hash.addData(file.text.toUtf8());
    }
    return QString::fromLatin1(hash.result().toHex());
}

void markRules(sqlite3* db) {
    run(db, QStringLiteral("CREATE VIEW v_Book_Rules AS SELECT '%1' AS Fingerprint").arg(rulesFingerprint()),
        QStringLiteral("rules"));
}

QString bookRules(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    QString found;
    if (sqlite3_prepare_v2(db, "SELECT Fingerprint FROM v_Book_Rules", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        found = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return found;
}

} // namespace

std::vector<SchemaBuilder::RuleFile> SchemaBuilder::filesOf(const QString& folder) {
    const QDir dir(folder);
    std::vector<RuleFile> files;
    for (const QString& file : dir.entryList({QStringLiteral("*.sql")}, QDir::Files))
        files.push_back({file, withParts(dir, file, readResource(dir.filePath(file)))});
    // A template without twins is a part: it makes no file of its own.
    for (const QString& file : dir.entryList({QStringLiteral("*.sqlt")}, QDir::Files)) {
        for (RuleFile& twin : twinsOf(file, withParts(dir, file, readResource(dir.filePath(file)))))
            files.push_back(std::move(twin));
    }
    std::sort(files.begin(), files.end(),
              [](const RuleFile& a, const RuleFile& b) { return a.name < b.name; });
    return files;
}

void SchemaBuilder::refreshRules(sqlite3* db) {
    if (bookRules(db) == rulesFingerprint())
        return;
    inTransaction(db, [db] {
        // Triggers first: a view's own triggers go with it.
        for (const char* type : {"trigger", "view"}) {
            QStringList names;
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = ?", -1, &st, nullptr);
            sqlite3_bind_text(st, 1, type, -1, SQLITE_STATIC);
            while (sqlite3_step(st) == SQLITE_ROW)
                names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            sqlite3_finalize(st);
            for (const QString& name : names)
                run(db, QStringLiteral("DROP %1 IF EXISTS \"%2\"").arg(QLatin1String(type), name),
                    QStringLiteral("rules"));
        }
        run(db, readResource(kViewsFile), kViewsFile);
        runFiles(db, kTriggers);
        markRules(db);
    });
}

void SchemaBuilder::create(sqlite3* db) {
    inTransaction(db, [db] {
        // Another start may have created the book while this one waited.
        if (scalarInt(db, "SELECT count(*) FROM sqlite_master") > 0)
            return;
        runFiles(db, QStringLiteral(":/db/schema"));
        runFiles(db, kTriggers);
        markRules(db);
        if (QFile::exists(QStringLiteral(":/db/seed.sql")))
            run(db, readResource(QStringLiteral(":/db/seed.sql")), QStringLiteral("seed.sql"));
        run(db,
            QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2;")
                .arg(CompanyDatabase::kApplicationId)
                .arg(CompanyDatabase::kSchemaVersion),
            QStringLiteral("version"));
    });
}

void SchemaBuilder::migrate(sqlite3* db, int fromVersion, const std::function<void()>& progress) {
    if (fromVersion >= CompanyDatabase::kSchemaVersion)
        return;
    const QDir dir(QStringLiteral(":/db/migrations"));
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    // The step files, found before anything is written.
    struct Step {
        int version;
        QString file;
        QString text;
    };
    std::vector<Step> steps;
    for (int v = fromVersion + 1; v <= CompanyDatabase::kSchemaVersion; ++v) {
        const QString prefix = QStringLiteral("%1_").arg(v, 4, 10, QLatin1Char('0'));
        QString found;
        for (const QString& f : files) {
            if (!f.startsWith(prefix))
                continue;
            // Two steps under one number: one would be skipped for good.
            if (!found.isEmpty())
                throw DataError(
                    QStringLiteral("Two upgrades to book version %1: %2 and %3").arg(v).arg(found, f));
            found = f;
        }
        if (found.isEmpty())
            throw DataError(QStringLiteral("No upgrade to book version %1").arg(v));
        // Every step says it has begun, however short it turns out.
        if (progress)
            progress();
        steps.push_back({v, found, readResource(dir.filePath(found))});
    }
    // All steps or none: a step that fails leaves the book as it was before
    // the first, never half upgraded.
    try {
        withProgress(progress, [&] {
            inTransaction(db, [&] {
                for (const Step& step : steps) {
                    // Another start may have upgraded the book while this one waited.
                    if (scalarInt(db, "PRAGMA user_version") >= step.version)
                        continue;
                    run(db, step.text, step.file);
                    // A step creates and fills tables only; the rules that read them
                    // (views, triggers) are made again from the program's own files.
                    run(db, QStringLiteral("DROP VIEW IF EXISTS v_Book_Rules"), QStringLiteral("rules"));
                    run(db, QStringLiteral("PRAGMA user_version = %1").arg(step.version),
                        QStringLiteral("version"));
                }
            });
        });
    } catch (const DataError& e) {
        throw DataError(QStringLiteral("its upgrade to this version of the program failed, so it was left "
                                       "exactly as it was (%1)")
                            .arg(e.message()));
    }
    // The steps' pages are folded into the file now, while the progress
    // shows, rather than silently when the book closes.
    withProgress(progress, [db] {
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    });
}

} // namespace orv::db
