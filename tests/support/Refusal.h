#pragma once

#include "data/DataClass.h"

#include <QString>
#include <source_location>

namespace orv::test {

// A write refused for the right reason: the clerk got the kind's failure text
// back, and the rule that refused it is reason: the rule's whole reason
// ("Temp_COA: account code exists") or a telling part of it. A write refused by anything else (a
// column check, a foreign key, a broken rule) has no reason of the reasons
// tables and fails here, though the clerk's text is the same.
void expectRefused(const DataClass& data, const QString& result, const QString& failureText,
                   const QString& reason, std::source_location at = std::source_location::current());

} // namespace orv::test
