#include "RefusalReasons.h"

#include "SqlFunctions.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace orv::db {

namespace {

const QString kDefaultReason = QStringLiteral("*");

} // namespace

std::vector<RefusalReasons::Entry> RefusalReasons::parse(const QString& file, const QString& text) {
    std::vector<Entry> out;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() < 2 || cells[0].trimmed().isEmpty() || cells[1].trimmed().isEmpty())
            continue;
        Entry e{file, cells[0].trimmed(), cells[1].trimmed(), {}, {}};
        if (cells.size() > 2) {
            for (const QString& f : cells[2].split(QLatin1Char(','), Qt::SkipEmptyParts))
                e.fields << f.trimmed();
        }
        if (cells.size() > 3)
            e.cause = cells[3].trimmed();
        out.push_back(std::move(e));
    }
    return out;
}

const std::vector<RefusalReasons::Entry>& RefusalReasons::entries() {
    static const std::vector<Entry> table = [] {
        std::vector<Entry> all;
        QStringList files;
        QDirIterator it(QStringLiteral(":/db"), {QStringLiteral("*.reasons")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        for (const QString& path : files) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            for (Entry& e : parse(path.section(QLatin1Char('/'), -1), QString::fromUtf8(f.readAll())))
                all.push_back(std::move(e));
        }
        return all;
    }();
    return table;
}

Refusal RefusalReasons::explain(const QString& failure) {
    const Entry* best = nullptr;
    const Entry* fallback = nullptr;
    qsizetype at = -1;
    for (const Entry& e : entries()) {
        if (e.reason == kDefaultReason) {
            fallback = &e;
            continue;
        }
        const qsizetype pos = failure.indexOf(e.reason);
        // The longest reason that matches: one reason may begin another.
        if (pos >= 0 && (!best || e.reason.size() > best->reason.size())) {
            best = &e;
            at = pos;
        }
    }
    Refusal r;
    const Entry* chosen = best ? best : fallback;
    if (!chosen)
        return r;
    r.reason = best ? best->reason : QString();
    r.fields = chosen->fields;
    r.cause = chosen->cause;
    if (best) {
        const QString rest = failure.mid(at + best->reason.size());
        QStringList parts = rest.split(QLatin1Char(kDetailSeparator));
        parts.removeFirst(); // what stands between the reason and its first detail
        r.details = parts;
    }
    // A failed constraint names the column it guards ("...: Table.Column").
    static const QRegularExpression column(QStringLiteral(R"(constraint failed: \w+\.(\w+))"));
    if (const QRegularExpressionMatch m = column.match(failure); m.hasMatch() && r.fields.isEmpty())
        r.fields << m.captured(1);
    if (chosen->sentence.startsWith(QLatin1String("Line %1")) && !r.details.isEmpty())
        r.line = r.details.first().toInt();
    QString sentence = chosen->sentence;
    for (int i = 0; i < 9; ++i) {
        const QString mark = QLatin1Char('%') + QString::number(i + 1);
        sentence.replace(mark, i < r.details.size() ? r.details[i] : QString());
    }
    r.sentence = sentence;
    return r;
}

} // namespace orv::db
