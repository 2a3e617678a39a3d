#pragma once

struct sqlite3;

namespace orv::db {

// Registers money_round, money_mul, money_pct, money_prop, money_unit,
// db_fail and db_today on a new physical connection.
void registerSqlFunctions(sqlite3* db);

} // namespace orv::db
