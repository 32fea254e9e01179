// The named instance block and the messenger against the real system.
#include "core/win32/instance_block.h"

#include <gtest/gtest.h>

namespace dusk::win32 {
namespace {

HWND NewWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr);
}

TEST(NamedInstanceBlock, EveryOpeningSharesTheSlotsAndOnlyAProgramWindowHoldsTheFirst) {
    NamedInstanceBlock first;
    NamedInstanceBlock later;
    ASSERT_TRUE(first.Available());
    // Wine has no private namespaces: the block is then made for administrators only.
    EXPECT_NE(first.HowOpened(), NamedInstanceBlock::Opening::RefusedOwner);
    const HWND firstWindow = NewWindow();
    const HWND laterWindow = NewWindow();
    const InstanceWindow firstId = InstanceWindowOf(firstWindow);
    const InstanceWindow laterId = InstanceWindowOf(laterWindow);
    EXPECT_EQ(WindowOf(firstId), firstWindow);

    WindowMessenger messenger;
    EXPECT_TRUE(messenger.IsProgramWindow(firstId)) << "a window of this image";
    EXPECT_FALSE(messenger.IsProgramWindow(InstanceWindowOf(::GetDesktopWindow())))
        << "a window of another image";
    EXPECT_EQ(ClaimFirstInstance(first, messenger, firstId), firstId);
    EXPECT_EQ(ClaimFirstInstance(later, messenger, laterId), firstId);
    first.SetMainWindow(0x9ABC);
    EXPECT_EQ(later.MainWindow(), 0x9ABCu);

    // A first instance that ended without its block leaves a slot that the next start takes.
    ASSERT_TRUE(::DestroyWindow(firstWindow));
    EXPECT_FALSE(messenger.IsProgramWindow(firstId));
    EXPECT_EQ(ClaimFirstInstance(later, messenger, laterId), laterId);
    EXPECT_EQ(first.MainWindow(), 0u);
    ReleaseFirstInstance(later, laterId);
    EXPECT_EQ(first.FirstInstance(), 0u);
    ::DestroyWindow(laterWindow);
}

}  // namespace
}  // namespace dusk::win32
