#pragma once

#include "ProcedureCatalog.h"
#include "values/Recordset.h"

#include <QString>
#include <optional>
#include <vector>

struct sqlite3;

namespace orv::db {

struct ProcedureCall {
    const Procedure* procedure = nullptr;
    std::vector<Variant> args;
};

// Maps the program's call texts to procedures:
//   EXEC|EXECUTE name ['literal']   the literal's doubled quotes undone, bound, never spliced
//   EXEC|EXECUTE name ?             the value given with the text, bound
//   name                            a bare procedure name
//   {? = CALL dbo.name( ?, ?) }     typed parameters by position (also inside "{{...}}")
class ProcedureDispatcher {
public:
    // The call a text makes, or nullopt for plain SQL. A text that starts
    // with EXEC, EXECUTE or {? = CALL and names no procedure throws
    // "unknown procedure <name>"; surplus arguments throw.
    static std::optional<ProcedureCall> recognize(const QString& text, const std::vector<Variant>& params);
    // Runs a procedure's statements with its arguments bound by name and
    // returns the last statement's rows typed by the declared results.
    static Recordset run(sqlite3* db, const Procedure& procedure, const std::vector<Variant>& args);
    // An argument converted to a declared parameter type; what cannot be
    // converted binds NULL, so the procedure finds no rows.
    static Variant convertArgument(const Variant& value, DataType type);
};

} // namespace orv::db
