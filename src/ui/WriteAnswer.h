#pragma once

#include "db/RefusalReasons.h"

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace orv {

// What the books answered one write of a window: the text the clerk reads
// and, when they refused it, the refusal.
struct WriteAnswer {
    QString text;
    std::optional<db::Refusal> refusal;
    bool refused() const { return refusal.has_value(); }
};

// Runs one writer of a data class (its answer: a sentence of success or its
// failure text). On a refusal the clerk reads the failure text and, on the
// next line, the reason in the clerk's words. A failure text that names a
// cause (namedCause, such as "already Exist" for db::kCauseExists) leads only
// where the refusal has that cause; for any other the clerk reads the reason
// alone, as it would be wrong.
WriteAnswer sendToBooks(const std::function<QString()>& writer, const QString& namedCause = {});

// A staging field and the box its text comes from.
using FieldBox = std::pair<QString, QWidget*>;
// Shows the answer to the clerk, the pointer of `window` back to the arrow;
// on a refusal the focus goes to the first box the reason names. True when
// the books took the write.
bool showAnswer(QWidget* window, const WriteAnswer& answer, const std::vector<FieldBox>& boxes);
// Puts the focus on the first box of a field the refusal names; false when
// it names none of them.
bool focusNamedBox(const db::Refusal& refusal, const std::vector<FieldBox>& boxes);

} // namespace orv
