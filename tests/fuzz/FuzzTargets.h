#pragma once

// The functions the fuzzers feed with generated inputs and the ordinary test
// suite replays over every input that ever broke one. A target refuses
// nothing: it tries the input and checks what must hold whatever the input;
// a refusal the program gives its users (DataError) is an answer, anything
// else (a crash, an undefined operation, another exception, a broken
// property) is a finding.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace orv::fuzz {

// A property a target found broken.
class Broken : public std::logic_error {
public:
    using std::logic_error::logic_error;
};
[[noreturn]] inline void broken(const std::string& what) {
    throw Broken(what);
}
inline void require(bool holds, const std::string& what) {
    if (!holds)
        broken(what);
}

using Target = void (*)(const std::uint8_t* data, std::size_t size);

// The grouping statements of the report commands, parsed and grouped over
// rows taken from the input.
void shapeStatement(const std::uint8_t* data, std::size_t size);
// The procedure-call texts the dispatcher recognises, with their arguments
// converted to the parameter types.
void procedureCall(const std::uint8_t* data, std::size_t size);
// Amounts: parsing, formatting (format then parse gives the value back) and
// arithmetic checked against 128-bit arithmetic.
void currency(const std::uint8_t* data, std::size_t size);
// Conversions between the value types.
void variant(const std::uint8_t* data, std::size_t size);
// Number pictures applied to values.
void numberFormat(const std::uint8_t* data, std::size_t size);
// A report input box's text converted to the parameter's type.
void reportParameter(const std::uint8_t* data, std::size_t size);
// The header lines of a procedure file.
void procedureHeader(const std::uint8_t* data, std::size_t size);

struct NamedTarget {
    const char* name; // the folder of its corpus and regressions
    Target run;
};
inline constexpr NamedTarget kTargets[] = {
    {"shape_statement", shapeStatement},
    {"procedure_call", procedureCall},
    {"currency", currency},
    {"variant", variant},
    {"number_format", numberFormat},
    {"report_parameter", reportParameter},
    {"procedure_header", procedureHeader},
};

} // namespace orv::fuzz
