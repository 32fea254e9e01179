// The named instance block as two processes of the program see it.
#include "core/win32/instance_block.h"

#include <gtest/gtest.h>

namespace dusk::win32 {
namespace {

HWND NewWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr);
}

TEST(NamedInstanceBlock, EveryOpeningSharesTheSlotsAndOnlyALiveWindowHoldsTheFirst) {
    NamedInstanceBlock first;
    NamedInstanceBlock later;
    ASSERT_TRUE(first.Available());
    ASSERT_TRUE(later.Available());
    const HWND firstWindow = NewWindow();
    const HWND laterWindow = NewWindow();
    const InstanceWindow firstId = InstanceWindowOf(firstWindow);
    const InstanceWindow laterId = InstanceWindowOf(laterWindow);
    EXPECT_EQ(WindowOf(firstId), firstWindow);

    EXPECT_EQ(first.ClaimFirstInstance(firstId), firstId);
    EXPECT_EQ(later.ClaimFirstInstance(laterId), firstId);
    first.SetMainWindow(0x9ABC);
    EXPECT_EQ(later.MainWindow(), 0x9ABCu);

    // A first instance that ended without its block leaves a slot that the next start takes.
    ASSERT_TRUE(::DestroyWindow(firstWindow));
    ASSERT_FALSE(::IsWindow(firstWindow));
    EXPECT_EQ(later.ClaimFirstInstance(laterId), laterId);
    ::DestroyWindow(laterWindow);
}

}  // namespace
}  // namespace dusk::win32
