#include "BillingLines.h"

#include "uicore/UiServices.h"

namespace orv {

namespace {

bool isBlankCell(const Variant& v) {
    return v.isBlank() || v.toString().trimmed().isEmpty();
}

std::int64_t quantity(const RowView& line, const QString& field) {
    return isBlankCell(line.value(field)) ? 0 : line.integer(field);
}

} // namespace

void BillingLines::warn(const RowView& line) const {
    UiServices& ui = UiServices::current();
    const auto unbilled = [&] { return quantity(line, delivered) - quantity(line, billed); };
    if (quantity(line, toBill) - unbilled() > 0) {
        ui.message(qtext(kText["ExceedsUnbilled"]));
        line.set(toBill, Variant(std::int32_t{1}));
    }
    if (quantity(line, toBill) < 0 || line.currency(price).raw() < 0) {
        ui.message(qtext(kText["Negative"]));
        line.set(toBill, Variant(std::int32_t{1}));
    }
    if (unbilled() == 0)
        ui.message(qtext(kText["FullyBilled"]));
}

std::vector<Check> BillingLines::lineChecks(Currency lowestPrice) const {
    const BillingLines f = *this;
    return {
        Check::onLine([f](const RowView& line) { return line.text(f.delivered) == line.text(f.billed); },
                      qtext(kText["SomeFullyBilled"])),
        Check::onLine(
            [f, lowestPrice](const RowView& line) {
                return isBlankCell(line.value(f.price)) || line.currency(f.price) < lowestPrice;
            },
            qtext(kText["SpecifyPrice"])),
        Check::onLine(
            [f](const RowView& line) {
                return isBlankCell(line.value(f.toBill)) || line.integer(f.toBill) < 1;
            },
            qtext(kText["SpecifyQty"])),
        Check::onLine([f](const RowView& line) { return isBlankCell(line.value(f.description)); },
                      qtext(kText["EnterDescription"])),
    };
}

} // namespace orv
