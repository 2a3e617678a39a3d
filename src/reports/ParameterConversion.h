#pragma once

#include "ReportParameter.h"
#include "values/Variant.h"

#include <QString>
#include <optional>

class QWidget;

namespace orv::reports {

// Converts what an input box holds to a command's parameter type. A box's
// text that is not a whole number in the parameter's range, or a text longer
// than the parameter takes, is refused with a message naming the box.
class ParameterConversion {
public:
    // `boxName` is how the message names the box. On failure returns nothing
    // and sets `problem`.
    static std::optional<Variant> fromBox(const QWidget* box, const ReportParameter& parameter,
                                          const QString& boxName, QString* problem);
    static std::optional<Variant> fromText(const QString& text, const ReportParameter& parameter,
                                           const QString& boxName, QString* problem);
    // The text a box shows: a text box's text, a picker's displayed value.
    static QString boxText(const QWidget* box);
};

} // namespace orv::reports
