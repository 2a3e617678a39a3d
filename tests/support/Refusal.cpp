#include "Refusal.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace orv::test {

namespace {

// found is a reason of the reasons tables (empty for a failure none of them
// names); wanted is the whole of it or a telling part.
bool sameReason(const QString& found, const QString& wanted) {
    return !wanted.isEmpty() && found.contains(wanted);
}

} // namespace

void expectRefused(const DataClass& data, const QString& result, const QString& failureText,
                   const QString& reason, std::source_location at) {
    const ::testing::ScopedTrace trace(at.file_name(), static_cast<int>(at.line()),
                                       "refused for \"" + reason.toStdString() + "\"");
    EXPECT_EQ(result, failureText);
    const auto& refusal = DataClass::lastRefusal();
    ASSERT_TRUE(refusal.has_value()) << "the write was not refused";
    EXPECT_TRUE(sameReason(refusal->reason, reason))
        << "refused by \"" << refusal->reason.toStdString() << "\"; the database said \""
        << data.lastFailureReason().toStdString() << "\"";
    EXPECT_TRUE(data.lastFailureReason().contains(refusal->reason)) << "the refusal is another write's";
}

} // namespace orv::test
