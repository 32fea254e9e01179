// The named instance block as two processes of the program see it.
#include "core/win32/instance_block.h"

#include <gtest/gtest.h>

namespace dusk::win32 {
namespace {

TEST(NamedInstanceBlock, EveryOpeningSharesTheSlotsAndOnlyOneClaimsTheFirst) {
    NamedInstanceBlock first;
    NamedInstanceBlock later;
    ASSERT_TRUE(first.Available());
    ASSERT_TRUE(later.Available());
    EXPECT_EQ(first.ClaimFirstInstance(0x1234), 0x1234u);
    EXPECT_EQ(later.ClaimFirstInstance(0x5678), 0x1234u);
    first.SetMainWindow(0x9ABC);
    EXPECT_EQ(later.MainWindow(), 0x9ABCu);
    const HWND window = ::GetDesktopWindow();
    EXPECT_EQ(WindowOf(InstanceWindowOf(window)), window);
}

}  // namespace
}  // namespace dusk::win32
