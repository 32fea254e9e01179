#include "core/task_store.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

// Stored code 4 is read as stand by and written back as 2; an unknown code is no action.
TEST(TaskStoreTest, ActionCodesMapBothWays) {
    const struct {
        std::int32_t code;
        TaskAction action;
        std::int32_t written;
    } cases[] = {
        {0, TaskAction::ShutDown, 0},  {1, TaskAction::LogOff, 1},  {2, TaskAction::StandBy, 2},
        {3, TaskAction::Hibernate, 3}, {4, TaskAction::StandBy, 2}, {5, TaskAction::Restart, 5},
        {-1, TaskAction::None, -1},    {6, TaskAction::None, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ActionOfStoredCode(c.code), c.action) << c.code;
        EXPECT_EQ(StoredActionCode(ActionOfStoredCode(c.code)), c.written) << c.code;
    }
}

}  // namespace
}  // namespace dusk
