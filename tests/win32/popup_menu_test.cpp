// The owner-drawn popup menu for real: opened, driven with the keyboard inside the platform's
// menu loop, captured with an item selected, and closed with a choice.
#include <gtest/gtest.h>

#include "controls/win32/owner_drawn_popup_menu.h"
#include "gui_test_support.h"

namespace dusk::win32 {
namespace {

using test::CaptureWholeWindow;
using test::CountDiffering;

enum Command { kShow = 1, kRestart, kShutDown, kExit };
constexpr int kBlueSlot = 4;

HWND VisibleMenuWindow() {
    const HWND window = ::FindWindowW(L"#32768", nullptr);
    return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

void PressKey(HWND window, UINT key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// An item's rectangle in the menu window's coordinates (without a window the platform finds
// the menu's own).
Rect ItemRect(const OwnerDrawnPopupMenu& menu, HWND menuWindow, int index) {
    RECT item{}, window{};
    ::GetMenuItemRect(nullptr, menu.MenuHandle(), UINT(index), &item);
    ::GetWindowRect(menuWindow, &window);
    return {item.left - window.left, item.top - window.top, item.right - window.left,
            item.bottom - window.top};
}

TEST(PopupMenuTest, SkinnedItemsSelectionFrameAndChosenCommand) {
    const PopupMenuPaletteList palettes = SkinMenuPalettes();
    const PopupMenuPalette& blue = *palettes.Slot(kBlueSlot);
    OwnerDrawnPopupMenu menu;
    ASSERT_NE(menu.Handle(), nullptr);
    menu.SetItems({{.caption = L"Show", .command = kShow},
                   {L"-"},
                   {.caption = L"Restart Computer Now", .command = kRestart},
                   {L"-"},
                   {.caption = L"ShutDown Computer Now", .command = kShutDown},
                   {L"-"},
                   {.caption = L"Exit", .command = kExit},
                   {L"-"}});
    PopupMenuStyle& style = menu.Style();
    style.separatorHeight = 10;
    style.barWidth = 20;
    style.palettes = &palettes;
    style.SetPaletteSlot(kBlueSlot);

    // Down selects "Show"; three more skip the separators to "Exit"; Return chooses it.
    Picture unselected, selected;
    Rect showRect, separatorRect;
    int ticks = 0;
    HWND menuWindow = nullptr;
    const auto onTick = [&] {
        ++ticks;
        if (ticks > 100) {
            ::EndMenu();  // never hang, whatever went wrong
            return;
        }
        if (menuWindow == nullptr) {
            menuWindow = VisibleMenuWindow();
            if (menuWindow == nullptr) return;
            showRect = ItemRect(menu, menuWindow, 0);
            separatorRect = ItemRect(menu, menuWindow, 1);
            unselected = CaptureWholeWindow(menuWindow);
            PressKey(menuWindow, VK_DOWN);
        } else if (selected.Empty()) {
            selected = CaptureWholeWindow(menuWindow);
            for (int i = 0; i < 3; ++i) PressKey(menuWindow, VK_DOWN);
            PressKey(menuWindow, VK_RETURN);
        }
    };
    int chosen = 0;
    {
        const test::ThreadTicker ticker(onTick);
        chosen = menu.ShowAt({100, 100});
    }

    EXPECT_EQ(chosen, kExit);
    ASSERT_FALSE(unselected.Empty()) << "the menu window never showed";
    ASSERT_FALSE(selected.Empty());
    EXPECT_TRUE(test::SaveArtifact(selected, "popup_menu_blue.png"));

    // The window's border: one pixel in the palette's border colour, then the edge in white.
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    const int w = unselected.Width(), h = unselected.Height();
    EXPECT_EQ(CountDiffering(unselected, {0, 0, w, 1}, blue.border, 0), 0);
    EXPECT_EQ(CountDiffering(unselected, {0, 0, 1, h}, blue.border, 0), 0);
    EXPECT_EQ(CountDiffering(unselected, {w - 1, 0, w, h}, blue.border, 0), 0);
    EXPECT_EQ(CountDiffering(unselected, {1, 1, w - 1, 1 + edge}, blue.background, 0), 0);

    // Unselected: the bar at the left of "Show", white to its right of the caption.
    const Rect bar{showRect.left, showRect.top, showRect.left + 20, showRect.bottom};
    EXPECT_EQ(CountDiffering(unselected, bar, blue.bar, 0), 0);
    EXPECT_EQ(CountDiffering(unselected,
                             {showRect.right - 20, showRect.top, showRect.right, showRect.bottom},
                             blue.background, 0),
              0);
    // The separator: 10 high, its line at top + 2 from the bar's edge + 4 to right - 2.
    EXPECT_EQ(separatorRect.Height(), 10);
    EXPECT_EQ(CountDiffering(unselected,
                             {separatorRect.left + 24, separatorRect.top + 2,
                              separatorRect.right - 2, separatorRect.top + 3},
                             blue.separator, 0),
              0);

    // Selected "Show": filled and outlined in the selected colour, bar included; the caption
    // in the selected font colour somewhere in it.
    EXPECT_EQ(CountDiffering(selected, bar, blue.selected, 0), 0);
    EXPECT_EQ(CountDiffering(selected,
                             {showRect.right - 20, showRect.top, showRect.right, showRect.bottom},
                             blue.selected, 0),
              0);
    const Rect caption{showRect.left + 24, showRect.top, showRect.left + 60, showRect.bottom};
    EXPECT_GT(caption.Width() * caption.Height() -
                  CountDiffering(selected, caption, blue.selectedFont, 64),
              10);
}

}  // namespace
}  // namespace dusk::win32
