#include "ProcedureDispatcher.h"

#include "Statement.h"
#include "values/DataError.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace orv::db {

namespace {

// Reads the argument list after an EXEC name: quoted literals, bare tokens
// or ?, each ? taking the next of the values bound to the call, separated by
// commas.
std::vector<Variant> parseExecArguments(const QString& text, const QString& name,
                                        const std::vector<Variant>& bound) {
    std::vector<Variant> args;
    std::size_t nextBound = 0;
    int i = 0;
    const int n = static_cast<int>(text.size());
    auto skipBlanks = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    skipBlanks();
    while (i < n) {
        QString value;
        bool quoted = false;
        if (text.at(i) == QLatin1Char('\'')) {
            quoted = true;
            ++i;
            for (;;) {
                if (i >= n)
                    throw DataError(QStringLiteral("Unclosed quote in the call of %1").arg(name));
                if (text.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text.at(i++);
            }
        } else {
            while (i < n && text.at(i) != QLatin1Char(',') && !text.at(i).isSpace())
                value += text.at(i++);
        }
        if (!quoted && value == QLatin1String("?")) {
            if (nextBound >= bound.size())
                throw DataError(QStringLiteral("Too few values for the call of %1").arg(name));
            args.push_back(bound[nextBound++]);
        } else {
            args.emplace_back(value);
        }
        skipBlanks();
        if (i < n) {
            if (text.at(i) != QLatin1Char(','))
                throw DataError(
                    QStringLiteral("Unexpected text in the call of %1: %2").arg(name, text.mid(i)));
            ++i;
            skipBlanks();
        }
    }
    if (nextBound < bound.size())
        throw DataError(QStringLiteral("Too many values for the call of %1").arg(name));
    return args;
}

const Procedure& require(const QString& name) {
    const Procedure* p = ProcedureCatalog::find(name);
    if (!p)
        throw DataError(QStringLiteral("unknown procedure %1").arg(name));
    return *p;
}

QString stripOwner(const QString& name) {
    return name.startsWith(QLatin1String("dbo."), Qt::CaseInsensitive) ? name.mid(4) : name;
}

} // namespace

std::optional<ProcedureCall> ProcedureDispatcher::recognize(const QString& input,
                                                            const std::vector<Variant>& params) {
    QString text = input.trimmed();
    // A call taken out of a grouping text may keep its double braces.
    while (text.startsWith(QLatin1String("{{")) && text.endsWith(QLatin1String("}}")))
        text = text.mid(1, text.size() - 2).trimmed();

    static const QRegularExpression callRe(
        QStringLiteral(R"(^\{\s*\?\s*=\s*CALL\s+([A-Za-z_][\w.]*)\s*(?:\(([^)]*)\))?\s*\}$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression execRe(QStringLiteral(R"(^(EXECUTE|EXEC)\s*([A-Za-z_][\w.]*)(.*)$)"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression bareRe(QStringLiteral(R"(^[A-Za-z_]\w*$)"));

    if (const auto m = callRe.match(text); m.hasMatch()) {
        const Procedure& p = require(stripOwner(m.captured(1)));
        if (params.size() > p.params.size())
            throw DataError(QStringLiteral("Too many arguments for %1").arg(p.name));
        return ProcedureCall{&p, params};
    }
    if (text.startsWith(QLatin1String("{")) && text.contains(QLatin1String("CALL"), Qt::CaseInsensitive))
        throw DataError(QStringLiteral("Malformed procedure call: %1").arg(input));
    if (const auto m = execRe.match(text); m.hasMatch()) {
        const Procedure& p = require(stripOwner(m.captured(2)));
        std::vector<Variant> args = parseExecArguments(m.captured(3), p.name, params);
        if (args.size() > p.params.size())
            throw DataError(QStringLiteral("Too many arguments for %1").arg(p.name));
        return ProcedureCall{&p, std::move(args)};
    }
    if (bareRe.match(text).hasMatch()) {
        if (const Procedure* p = ProcedureCatalog::find(text)) {
            if (params.size() > p->params.size())
                throw DataError(QStringLiteral("Too many arguments for %1").arg(p->name));
            return ProcedureCall{p, params};
        }
    }
    return std::nullopt;
}

Variant ProcedureDispatcher::convertArgument(const Variant& value, DataType type) {
    if (value.isBlank())
        return Variant::null();
    static const QRegularExpression wholeRe(QStringLiteral(R"(^[+-]?\d+$)"));
    try {
        switch (type) {
        case DataType::BigInt:
        case DataType::Integer:
        case DataType::SmallInt:
            if (value.type() == DataType::Text) {
                const QString t = value.toString().trimmed();
                return wholeRe.match(t).hasMatch() ? Variant(value.toInt64()) : Variant::null();
            }
            if (value.type() == DataType::Currency || value.type() == DataType::Double) {
                const Currency c = value.toCurrency();
                return c.raw() % Currency::kScale == 0 ? Variant(c.raw() / Currency::kScale)
                                                       : Variant::null();
            }
            return Variant(value.toInt64());
        case DataType::Boolean:
            return Variant(value.toBool());
        case DataType::Date:
            return Variant(value.toDate());
        case DataType::Currency:
            return Variant(value.toCurrency());
        case DataType::Double:
            return Variant(value.toDouble());
        default:
            return Variant(value.toString());
        }
    } catch (const DataError&) {
        return Variant::null();
    }
}

Recordset ProcedureDispatcher::run(sqlite3* db, const Procedure& p, const std::vector<Variant>& args) {
    std::vector<Variant> bound;
    for (size_t i = 0; i < p.params.size(); ++i)
        bound.push_back(i < args.size() ? convertArgument(args[i], p.params[i].type) : Variant::null());

    std::vector<std::optional<DataType>> types;
    std::vector<QString> names;
    for (const auto& r : p.results) {
        types.emplace_back(r.type);
        names.push_back(r.name);
    }

    const bool ownSnapshot = sqlite3_get_autocommit(db) != 0;
    auto simple = [db](const char* sql) {
        char* err = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
            const QString msg = QString::fromUtf8(err ? err : "error");
            sqlite3_free(err);
            throw DataError(msg);
        }
    };
    if (ownSnapshot)
        simple("BEGIN DEFERRED");
    try {
        const QByteArray sql = p.body.toUtf8();
        int offset = 0;
        Recordset result;
        bool haveResult = false;
        while (offset < sql.size()) {
            Statement st(db, sql, offset, Statement::Reuse::Cached);
            offset = st.tailOffset();
            if (st.isEmpty())
                continue;
            const int count = sqlite3_bind_parameter_count(st.get());
            for (int k = 1; k <= count; ++k) {
                const char* raw = sqlite3_bind_parameter_name(st.get(), k);
                const QString pname = raw ? QString::fromUtf8(raw + 1) : QString();
                for (size_t i = 0; i < p.params.size(); ++i)
                    if (p.params[i].name == pname)
                        st.bind(k, bound[i], p.params[i].type);
            }
            result = st.collect(types, names);
            haveResult = true;
        }
        if (!haveResult) {
            std::vector<FieldInfo> fields;
            for (const auto& r : p.results)
                fields.push_back({r.name, r.type, 0});
            result = Recordset::detached(std::move(fields), {});
        }
        if (ownSnapshot)
            simple("COMMIT");
        return result;
    } catch (...) {
        if (ownSnapshot)
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace orv::db
