#pragma once

#include "ShapeStatement.h"
#include "ShapedRows.h"

namespace orv::reports {

// Builds the group rows of a grouping statement from the procedure's rows.
// One group per distinct combination of the key columns, in the order of
// first appearance; without keys exactly one group of all rows. A group row
// holds the key columns, then one column per SUM (named by its alias), and
// its child rows. Money columns are summed exactly; blank values are skipped
// and a sum over no values is Null.
class ShapeGrouper {
public:
    static ShapedRows::Ptr group(const ShapeStatement& statement, const ShapedRows::Ptr& procedureRows);
};

} // namespace orv::reports
