#include "SqlFunctions.h"

#include "CompanyDatabase.h"
#include "values/Money.h"

#include <QByteArray>
#include <cmath>
#include <sqlite3.h>

namespace orv::db {

namespace {

using i128 = Wide;

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

// An integer argument (CURRENCY or count); a whole-valued real is accepted.
bool intArg(sqlite3_value* v, i128* out) {
    if (sqlite3_value_type(v) == SQLITE_INTEGER) {
        *out = sqlite3_value_int64(v);
        return true;
    }
    if (sqlite3_value_type(v) == SQLITE_FLOAT) {
        const double d = sqlite3_value_double(v);
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e18) {
            *out = static_cast<i128>(d);
            return true;
        }
    }
    return false;
}

// A rate taken as a decimal of 8 places.
bool rateArg(sqlite3_value* v, i128* out) {
    return money::rateFromDouble(sqlite3_value_double(v), out);
}

void resultMoney(sqlite3_context* ctx, i128 v) {
    if (!money::fits(v)) {
        sqlite3_result_error(ctx, "amount out of range", -1);
        return;
    }
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(v));
}

void moneyRound(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    i128 x;
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    if (!intArg(argv[0], &x))
        return sqlite3_result_error(ctx, "money_round: not an amount", -1);
    resultMoney(ctx, money::roundToCents(x));
}

void moneyMul(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    i128 a, r;
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    if (!intArg(argv[0], &a) || !rateArg(argv[1], &r))
        return sqlite3_result_error(ctx, "money_mul: bad argument", -1);
    resultMoney(ctx, money::timesRate(a, r));
}

void moneyPct(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    i128 a, p;
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    if (!intArg(argv[0], &a) || !rateArg(argv[1], &p))
        return sqlite3_result_error(ctx, "money_pct: bad argument", -1);
    resultMoney(ctx, money::percentOf(a, p));
}

void moneyProp(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    i128 v, n, d;
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    if (!intArg(argv[0], &v) || !intArg(argv[1], &n) || !intArg(argv[2], &d))
        return sqlite3_result_error(ctx, "money_prop: bad argument", -1);
    if (d == 0)
        return sqlite3_result_error(ctx, "money_prop: division by zero", -1);
    resultMoney(ctx, money::share(v, n, d));
}

void moneyUnit(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    i128 v, q;
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    if (!intArg(argv[0], &v) || !intArg(argv[1], &q))
        return sqlite3_result_error(ctx, "money_unit: bad argument", -1);
    if (q == 0)
        return sqlite3_result_error(ctx, "money_unit: division by zero", -1);
    resultMoney(ctx, money::perUnit(v, q));
}

// db_fail(reason [, detail ...]): refuses the statement with its reason. The
// details (a line number, an account code) follow the reason, each after a
// unit separator, for the refusal's sentence to name them.
void dbFail(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const unsigned char* reason = argc > 0 ? sqlite3_value_text(argv[0]) : nullptr;
    QByteArray text(reason ? reinterpret_cast<const char*>(reason) : "refused");
    for (int i = 1; i < argc; ++i) {
        const unsigned char* detail = sqlite3_value_text(argv[i]);
        text += kDetailSeparator;
        text += detail ? reinterpret_cast<const char*>(detail) : "";
    }
    sqlite3_result_error(ctx, text.constData(), static_cast<int>(text.size()));
}

void dbToday(sqlite3_context* ctx, int, sqlite3_value**) {
    const QByteArray iso = CompanyDatabase::today().toString(Qt::ISODate).toLatin1();
    sqlite3_result_text(ctx, iso.constData(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
}

void add(sqlite3* db, const char* name, int argc, void (*fn)(sqlite3_context*, int, sqlite3_value**),
         bool deterministic) {
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, argc, flags, nullptr, fn, nullptr, nullptr, nullptr);
}

} // namespace

void registerSqlFunctions(sqlite3* db) {
    add(db, "money_round", 1, moneyRound, true);
    add(db, "money_mul", 2, moneyMul, true);
    add(db, "money_pct", 2, moneyPct, true);
    add(db, "money_prop", 3, moneyProp, true);
    add(db, "money_unit", 2, moneyUnit, true);
    add(db, "db_fail", -1, dbFail, false);
    // Marked deterministic so that SQLite reads it once when a statement
    // starts, not once per row: a report over every open layer would
    // otherwise format the date hundreds of thousands of times. No index,
    // check or generated column may use it, or a stored row would depend on
    // the day it was written.
    add(db, "db_today", 0, dbToday, true);
}

} // namespace orv::db
