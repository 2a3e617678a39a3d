#include "ProcedureCatalog.h"

#include "values/DataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace orv::db {

namespace {

QString readFile(const QDir& dir, const QString& file) {
    QFile f(dir.filePath(file));
    if (!f.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("Cannot read procedure %1").arg(file));
    return QString::fromUtf8(f.readAll());
}

// A procedure made of parts: each file of the folder named after it (beside
// its own file) is one query, and the procedure returns the rows of all of
// them, in file-name order, after what its own file says first (helper tables
// they share). A check gains a rule by a file, without editing the others.
void addParts(Procedure& p, const QDir& folder) {
    QStringList parts;
    for (const QString& file : folder.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QString part = readFile(folder, file).trimmed();
        while (part.endsWith(QLatin1Char(';')))
            part.chop(1);
        parts << QStringLiteral("SELECT * FROM (\n%1\n)").arg(part);
    }
    if (!parts.isEmpty())
        p.body += QLatin1Char('\n') + parts.join(QStringLiteral("\nUNION ALL\n"));
}

std::map<QString, Procedure>& registry() {
    static std::map<QString, Procedure> procedures;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        const QDir dir(QStringLiteral(":/db/procedures"));
        for (const QString& file : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
            Procedure p = ProcedureCatalog::parse(readFile(dir, file));
            const QDir parts(dir.filePath(QFileInfo(file).completeBaseName()));
            if (parts.exists())
                addParts(p, parts);
            procedures[p.name.toLower()] = std::move(p);
        }
    }
    return procedures;
}

DataType typeNamed(const QString& name, const QString& line) {
    const QString t = name.toUpper();
    if (t == QLatin1String("INTEGER"))
        return DataType::BigInt;
    if (t == QLatin1String("TEXT"))
        return DataType::Text;
    if (t == QLatin1String("DATE"))
        return DataType::Date;
    if (t == QLatin1String("BOOLEAN"))
        return DataType::Boolean;
    if (t == QLatin1String("CURRENCY"))
        return DataType::Currency;
    if (t == QLatin1String("REAL"))
        return DataType::Double;
    throw DataError(QStringLiteral("Unknown type in procedure header: %1").arg(line));
}

// "name TYPE" items separated by commas outside double quotes; a quoted
// name has "" for a quote inside it.
std::vector<ProcedureColumn> parseColumns(const QString& list, const QString& line) {
    std::vector<ProcedureColumn> out;
    int i = 0;
    const int n = static_cast<int>(list.size());
    while (i < n) {
        while (i < n && list.at(i).isSpace())
            ++i;
        QString name;
        if (i < n && list.at(i) == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i >= n)
                    throw DataError(QStringLiteral("Unclosed quote in procedure header: %1").arg(line));
                if (list.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && list.at(i + 1) == QLatin1Char('"')) {
                        name += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                name += list.at(i++);
            }
        } else {
            while (i < n && !list.at(i).isSpace() && list.at(i) != QLatin1Char(','))
                name += list.at(i++);
        }
        while (i < n && list.at(i).isSpace())
            ++i;
        QString type;
        while (i < n && list.at(i) != QLatin1Char(','))
            type += list.at(i++);
        if (name.isEmpty() || type.trimmed().isEmpty())
            throw DataError(QStringLiteral("Bad column in procedure header: %1").arg(line));
        out.push_back({name, typeNamed(type.trimmed(), line)});
        if (i < n)
            ++i; // the comma
    }
    return out;
}

} // namespace

Procedure ProcedureCatalog::parse(const QString& fileText) {
    Procedure p;
    QStringList bodyLines;
    for (const QString& raw : fileText.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (!line.startsWith(QLatin1String("--!"))) {
            bodyLines << raw;
            continue;
        }
        const QString rest = line.mid(3).trimmed();
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const QString word = rest.left(blank).toLower();
        const QString arg = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
        if (word == QLatin1String("procedure"))
            p.name = arg;
        else if (word == QLatin1String("param"))
            for (auto& c : parseColumns(arg, line))
                p.params.push_back(c);
        else if (word == QLatin1String("result"))
            for (auto& c : parseColumns(arg, line))
                p.results.push_back(c);
        else
            throw DataError(QStringLiteral("Unknown procedure header line: %1").arg(line));
    }
    if (p.name.isEmpty())
        throw DataError(QStringLiteral("A procedure file names no procedure"));
    p.body = bodyLines.join(QLatin1Char('\n'));
    return p;
}

const Procedure* ProcedureCatalog::find(const QString& name) {
    auto& r = registry();
    const auto it = r.find(name.toLower());
    return it == r.end() ? nullptr : &it->second;
}

bool ProcedureCatalog::remove(const QString& name) {
    return registry().erase(name.toLower()) > 0;
}

void ProcedureCatalog::add(const QString& fileText) {
    Procedure p = parse(fileText);
    registry()[p.name.toLower()] = std::move(p);
}

std::vector<QString> ProcedureCatalog::names() {
    std::vector<QString> out;
    for (const auto& [key, p] : registry())
        out.push_back(p.name);
    return out;
}

} // namespace orv::db
