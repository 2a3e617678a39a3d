#include "TestBook.h"
#include "values/Clock.h"

namespace {

// Every test program runs on one pinned day: no result depends on the
// calendar, and a window or report that read the wall clock instead of
// today() shows a date the tests do not expect.
class PinnedToday : public ::testing::Environment {
public:
    void SetUp() override { orv::pinToday(orv::test::TestBook::pinnedToday()); }
};

[[maybe_unused]] ::testing::Environment* const g_today = ::testing::AddGlobalTestEnvironment(new PinnedToday);

} // namespace
