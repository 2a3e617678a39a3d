#pragma once

#include "uicore/Check.h"
#include "uicore/TextTable.h"
#include "values/Currency.h"
#include "values/Recordset.h"

#include <QString>
#include <vector>

namespace orv {

// The lines of an invoice that bills what another document delivered or
// received (the sales invoice, the purchase invoice): each names, by its
// fields, the quantity delivered, the quantity earlier invoices billed, the
// quantity this invoice bills, the unit price and the description. The
// warnings while the lines are added up and the checks of a post are the
// same for both invoices.
struct BillingLines {
    static constexpr auto kText = makeTextTable({
        {"ExceedsUnbilled", "Qty to bill exceed Qty unbilled"},
        {"Negative", "Cannot specify a negative number"},
        {"FullyBilled", "Qty has been fully billed"},
        {"SomeFullyBilled", "Some of the stock item was fully billed"},
        {"SpecifyPrice", "Specify Selling Price to bill to customer"},
        {"SpecifyQty", "Specify Qty to bill to customer"},
        {"EnterDescription", "Please enter description for this item"},
    });

    QString delivered;
    QString billed;
    QString toBill;
    QString price;
    QString description = QStringLiteral("Description");

    // The warnings of one line, each reading the line afresh: a quantity
    // beyond what is still unbilled, or a negative quantity or price, is
    // put back to 1; a line with nothing left to bill is only named. A
    // blank cell counts as nothing.
    void warn(const RowView& line) const;
    // The checks of one line at a post, in order: nothing left to bill, a
    // price that is blank or below the lowest a line may bill, a quantity
    // that is blank or below 1, no description.
    std::vector<Check> lineChecks(Currency lowestPrice) const;
};

} // namespace orv
