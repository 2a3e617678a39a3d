#pragma once

struct sqlite3;

namespace orv::db {

// Between a refusal's reason and each of its details in db_fail's error text.
inline constexpr char kDetailSeparator = '\x1f';

// Registers money_round, money_mul, money_pct, money_prop, money_unit,
// db_fail and db_today on a new physical connection.
void registerSqlFunctions(sqlite3* db);

} // namespace orv::db
