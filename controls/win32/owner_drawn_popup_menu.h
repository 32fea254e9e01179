#pragma once
#include <windows.h>

#include <vector>

#include "base/win32/unique_handle.h"
#include "base/win32/window_base.h"
#include "controls/display_scale.h"
#include "controls/popup_menu_item.h"
#include "controls/popup_menu_painter.h"
#include "controls/popup_menu_style.h"
#include "controls/win32/gdi_canvas.h"

namespace dusk::win32 {

// A popup menu whose items the program draws: the platform asks this object's hidden owner
// window to measure and draw each item, and the portable painter does both in the style's
// palette. The menu window's border is repainted in the palette while the menu is open.
class OwnerDrawnPopupMenu : public WindowBase {
public:
    OwnerDrawnPopupMenu();

    // Replaces the items; a caption of exactly "-" is a separator.
    void SetItems(std::vector<MenuItem> items);
    const std::vector<MenuItem>& Items() const { return items_; }
    // The platform's menu; the item at index i has the id i + 1.
    HMENU MenuHandle() const { return menu_.Get(); }

    // Sizes, font, palettes and the palette slot. A change shows the next time the menu opens.
    PopupMenuStyle& Style() { return style_; }
    const PopupMenuStyle& Style() const { return style_; }

    // Opens the menu at a screen point and waits until it closes. Answers the command of the item
    // chosen, 0 when the menu was dismissed or is empty.
    int ShowAt(POINT screenPoint);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MeasureItem(MEASUREITEMSTRUCT& measure);
    void DrawItem(const DRAWITEMSTRUCT& draw);
    void PaintMenuWindowBorder(HWND menuWindow);
    MenuEnvironment DesignEnvironment(DisplayScale scale) const;
    LRESULT MenuChar(wchar_t key);
    const MenuItem* ItemOf(ULONG_PTR itemData) const;

    std::vector<MenuItem> items_;
    PopupMenuStyle style_;
    MenuEnvironment environment_;
    UniqueMenu menu_;
    GdiFontCache fonts_;
};

}  // namespace dusk::win32
