#pragma once

#include "values/Variant.h"

#include <QString>
#include <vector>

namespace orv::db {

struct ProcedureColumn {
    QString name;
    DataType type = DataType::Text;
};

// A stored procedure: one file under db/procedures whose "--!" header lines
// declare its name, parameters (in call order) and result columns.
struct Procedure {
    QString name;
    std::vector<ProcedureColumn> params;
    std::vector<ProcedureColumn> results;
    QString body;
};

class ProcedureCatalog {
public:
    // Parses a procedure file; throws DataError naming the bad header line.
    static Procedure parse(const QString& fileText);
    // Procedures by name, compared without regard to case; nullptr if absent.
    static const Procedure* find(const QString& name);
    // Adds or replaces a procedure (the program's own files load on first use).
    static void add(const QString& fileText);
    // Takes a procedure out of the catalog; false if there was none.
    static bool remove(const QString& name);
    static std::vector<QString> names();
};

} // namespace orv::db
