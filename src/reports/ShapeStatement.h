#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace orv::reports {

// One item of a COMPUTE list: the child rows themselves, or the sum of one
// child column under an alias.
struct ComputeItem {
    enum class Kind { Child, Sum };
    Kind kind = Kind::Child;
    QString column; // Sum: the child column summed
    QString alias;  // Sum: the group column holding the sum
};

// A parsed grouping statement. The rows come either from a procedure call
// or, in the nested form, from the group rows of an inner statement.
struct ShapeStatement {
    QString callText;                      // "{? = CALL dbo.name( ?) }"; empty when nested
    std::shared_ptr<ShapeStatement> inner; // the nested statement, or null
    QString childName;                     // the name after AS
    std::vector<ComputeItem> items;
    QStringList keys; // BY columns; empty: one group of all rows

    // The procedure call at the bottom of the statement.
    QString innermostCall() const { return inner ? inner->innermostCall() : callText; }
};

} // namespace orv::reports
