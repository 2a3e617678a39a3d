#include "../FuzzTargets.h"
#include "Input.h"
#include "reports/ParameterConversion.h"
#include "values/Recordset.h"

namespace orv::fuzz {

using namespace orv::reports;

// The box's text, then (after a NUL) the parameter's type and size.
void reportParameter(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const QString text = in.text();
    ReportParameter p;
    p.name = QStringLiteral("@p");
    p.type = static_cast<ParameterType>(in.byte() % 5);
    p.size = in.byte() % 40;
    QString problem;
    const std::optional<Variant> v =
        ParameterConversion::fromText(text, p, QStringLiteral("txtBox"), &problem);
    require(v.has_value() == problem.isEmpty(), "a refusal without its message, or a message with a value");
    if (!v)
        return;
    switch (p.type) {
    case ParameterType::Integer:
        require(v->type() == DataType::Integer || v->isNull(), "a whole number that is no 32-bit number");
        break;
    case ParameterType::SmallInt:
        if (v->type() == DataType::SmallInt || v->type() == DataType::Integer)
            require(v->toInt64() >= -32768 && v->toInt64() <= 32767, "a small number out of its range");
        break;
    case ParameterType::VarChar:
        require(p.size == 0 || characterCount(v->toString()) <= p.size, "a text longer than its parameter");
        break;
    default:
        break;
    }
}

} // namespace orv::fuzz
