#pragma once

#include <QString>

namespace orv::reports {

// The input types of the report commands.
enum class ParameterType {
    Integer,  // 32-bit whole number
    SmallInt, // 16-bit whole number
    VarChar,  // text of at most `size` characters
    DateTime, // the date of a date picker
    Boolean,
};

// One input of a command, in call order.
struct ReportParameter {
    QString name;
    ParameterType type = ParameterType::Integer;
    int size = 0; // VarChar: the longest text the procedure takes
};

} // namespace orv::reports
