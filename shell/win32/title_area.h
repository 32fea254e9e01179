#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "controls/color_image_button.h"
#include "controls/control_host.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/image_button_host.h"
#include "controls/win32/tool_tips.h"
#include "shell/win32/resource_window.h"

namespace dusk::win32 {

// The main window's title area: the caption, the web address, the five skin buttons, the
// minimize, maximize, restore and close buttons and the three tabs, with their hints. The
// right-hand group keeps its distance to the window's right edge.
class TitleArea {
    GdiTextRenderer text_;  // first: the buttons compose their faces with it

public:
    static constexpr int kTabCount = 3;
    static constexpr std::size_t kButtonCount = 4 + kTabCount + 5;

    explicit TitleArea(const ResourceWindow& resources);
    TitleArea(const TitleArea&) = delete;
    TitleArea& operator=(const TitleArea&) = delete;

    // Hosts the buttons on the window; addButton registers each host with the window's mouse
    // routing, in the order they take the pointer.
    bool Create(HWND window, const std::function<void(ImageButtonHost&)>& addButton);
    // The hints' tooltip, made when the pointer first moves over the window.
    bool MakeHints();
    // The window's client width changed.
    void Layout(int clientWidth);
    void Paint(Canvas& canvas) const;
    void SetColor(ButtonColor color);

    // The active tab lies on top, disabled; the others overlap in the order 1 over 2 over 3.
    // Answers the host of the active tab, to be hit first.
    ImageButtonHost& ShowTabActive(int tab);

    // The web address: underlined while the pointer is over it; a click is a press and a
    // release on it. Each answers whether the point is on it.
    bool LinkMouseMove(POINT point);
    void LinkMouseLeft();
    bool LinkPress(POINT point, bool doubleClick);
    bool LinkRelease(POINT point);  // true: clicked
    bool OnLink(POINT point) const;
    bool LinkUnderlined() const { return linkHover_; }
    HWND HintsHandle() const { return hints_.Handle(); }

    std::function<void(std::uint8_t)> onSkinButton;  // the skin code of the button

    ColorImageButton minimize, maximize, restore, close;
    std::array<ColorImageButton, kTabCount> tabs;
    std::array<ImageButton, 5> skinButtons;  // Green, Red, Yellow, Blue, Black from the left

private:
    // In the order they take the pointer.
    std::array<ImageButton*, kButtonCount> Buttons();
    Rect LinkBox() const;
    void InvalidateLink() const;

    const ResourceWindow& resources_;
    HWND window_ = nullptr;
    int shift_ = 0;  // of the right-hand group, from its design place
    std::array<std::optional<ImageButtonHost>, kButtonCount> hosts_;
    std::array<int, kTabCount> paintOrder_{2, 1, 0};  // the last one lies on top
    ToolTips hints_;
    bool linkHover_ = false;
    ClickTracker linkClicks_;
};

}  // namespace dusk::win32
