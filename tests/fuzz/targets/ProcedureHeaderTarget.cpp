#include "../FuzzTargets.h"
#include "Input.h"
#include "db/ProcedureCatalog.h"
#include "values/DataError.h"

namespace orv::fuzz {

// A whole procedure file.
void procedureHeader(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    try {
        const db::Procedure p = db::ProcedureCatalog::parse(in.rest());
        require(!p.name.isEmpty(), "a procedure without a name");
    } catch (const DataError&) {
    }
}

} // namespace orv::fuzz
