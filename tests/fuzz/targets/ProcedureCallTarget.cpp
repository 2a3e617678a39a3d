#include "../FuzzTargets.h"
#include "Input.h"
#include "db/ProcedureCatalog.h"
#include "db/ProcedureDispatcher.h"
#include "values/DataError.h"

namespace orv::fuzz {

// The call text, then (after a NUL) how many bound values come with it and
// their texts.
void procedureCall(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const QString text = in.text();
    std::vector<Variant> params(in.byte() % 6);
    for (Variant& p : params)
        p = Variant(in.text());
    std::optional<db::ProcedureCall> call;
    try {
        call = db::ProcedureDispatcher::recognize(text, params);
    } catch (const DataError&) {
        return;
    }
    if (!call)
        return;
    require(call->procedure != nullptr, "a call without its procedure");
    require(call->args.size() <= call->procedure->params.size(), "more arguments than parameters");
    for (std::size_t i = 0; i < call->args.size(); ++i) {
        try {
            db::ProcedureDispatcher::convertArgument(call->args[i], call->procedure->params[i].type);
        } catch (const DataError&) {
        }
    }
}

} // namespace orv::fuzz
