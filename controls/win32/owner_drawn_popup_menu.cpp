#include "controls/win32/owner_drawn_popup_menu.h"

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <string_view>

#include "controls/scaled_canvas.h"
#include "controls/win32/menu_environment.h"
#include "controls/win32/window_dc.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

namespace {
constexpr wchar_t kOwnerClass[] = L"DuskPopupMenuOwner";
constexpr wchar_t kMenuWindowClass[] = L"#32768";

// Item ids start at 1: TrackPopupMenuEx answers 0 when nothing was chosen.
UINT IdOfIndex(std::size_t index) { return UINT(index + 1); }
}  // namespace

OwnerDrawnPopupMenu::OwnerDrawnPopupMenu() {
    // A hidden pop-up, not a message-only window: it must be able to become the foreground
    // window so that the menu closes when the user clicks elsewhere.
    Creation creation{kOwnerClass};
    creation.style = WS_POPUP;
    CreateWindowFor(creation);
}

void OwnerDrawnPopupMenu::SetItems(std::vector<MenuItem> items) {
    items_ = std::move(items);
    menu_.Reset(::CreatePopupMenu());
    if (!menu_) return;
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const MenuItem& item = items_[index];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        // Separators stay owner-drawn; the separator type keeps keyboard selection off them.
        info.fType = MFT_OWNERDRAW | (IsSeparator(item) ? MFT_SEPARATOR : 0);
        info.fState = (item.enabled ? MFS_ENABLED : MFS_DISABLED) |
                      (item.isDefault ? MFS_DEFAULT : 0) | (item.checked ? MFS_CHECKED : 0);
        info.wID = IdOfIndex(index);
        info.dwItemData = ULONG_PTR(index);
        ::InsertMenuItemW(menu_.Get(), UINT(index), TRUE, &info);
    }
}

int OwnerDrawnPopupMenu::ShowAt(POINT screenPoint) {
    if (!menu_ || Handle() == nullptr) return 0;
    environment_ = ReadMenuEnvironment();
    // The owner must be the foreground window, or the menu does not close when the user clicks
    // outside it; the message posted afterwards lets the foreground switch complete.
    ::SetForegroundWindow(Handle());
    const UINT flags =
        TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NOANIMATION;
    const int chosen = int(
        ::TrackPopupMenuEx(menu_.Get(), flags, screenPoint.x, screenPoint.y, Handle(), nullptr));
    ::PostMessageW(Handle(), WM_NULL, 0, 0);
    if (chosen <= 0 || std::size_t(chosen) > items_.size()) return 0;
    return items_[std::size_t(chosen) - 1].command;
}

LRESULT OwnerDrawnPopupMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure.CtlType != ODT_MENU) break;
            MeasureItem(measure);
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw.CtlType != ODT_MENU) break;
            DrawItem(draw);
            return TRUE;
        }
        case WM_ENTERIDLE:
            // The menu window is up and its border painted by the platform: paint it over.
            if (wParam == MSGF_MENU) PaintMenuWindowBorder(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_MENUCHAR:
            if (HMENU(lParam) == menu_.Get()) return MenuChar(wchar_t(LOWORD(wParam)));
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

const MenuItem* OwnerDrawnPopupMenu::ItemOf(ULONG_PTR itemData) const {
    return itemData < items_.size() ? &items_[itemData] : nullptr;
}

MenuEnvironment OwnerDrawnPopupMenu::DesignEnvironment(DisplayScale scale) const {
    // The system's menu font comes at the system's scale; the menu is laid out in design pixels.
    MenuEnvironment environment = environment_;
    environment.menuFont.height = scale.ToDesign(environment_.menuFont.height);
    return environment;
}

void OwnerDrawnPopupMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
    const MenuItem* item = ItemOf(measure.itemData);
    if (item == nullptr) return;
    const WindowDc dc(Handle(), false);
    GdiCanvas device(dc.Get(), &fonts_);
    const DisplayScale scale = ScaleOf(Handle());
    ScaledCanvas canvas(device, scale, nullptr);
    const Size size =
        scale.Of(MeasureMenuItem(style_, *item, canvas, DesignEnvironment(scale).menuFont));
    measure.itemWidth = UINT(std::max(size.width, 0));
    measure.itemHeight = UINT(std::max(size.height, 0));
}

void OwnerDrawnPopupMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
    const MenuItem* item = ItemOf(draw.itemData);
    if (item == nullptr) return;
    const DisplayScale scale = ScaleOf(Handle());
    const Rect r = {scale.ToDesign(int(draw.rcItem.left)), scale.ToDesign(int(draw.rcItem.top)),
                    scale.ToDesign(int(draw.rcItem.right)),
                    scale.ToDesign(int(draw.rcItem.bottom))};
    GdiCanvas device(draw.hDC, &fonts_);
    ScaledCanvas canvas(device, scale, DetailedPicturesFor(scale));
    canvas.SaveState();
    PaintMenuItem(style_, *item, canvas, r, (draw.itemState & ODS_SELECTED) != 0,
                  DesignEnvironment(scale));
    canvas.RestoreState();
    // The first item repaints the border each time, as the platform may have drawn over it.
    if (draw.itemData == 0) PaintMenuWindowBorder(::WindowFromDC(draw.hDC));
}

void OwnerDrawnPopupMenu::PaintMenuWindowBorder(HWND menuWindow) {
    if (menuWindow == nullptr) return;
    wchar_t className[16]{};
    ::GetClassNameW(menuWindow, className, int(std::size(className)));
    if (std::wstring_view(className) != kMenuWindowClass) return;
    RECT bounds{};
    ::GetWindowRect(menuWindow, &bounds);
    const WindowDc dc(menuWindow, true);
    if (dc.Get() == nullptr) return;
    GdiCanvas device(dc.Get(), &fonts_);
    const DisplayScale scale = ScaleOf(Handle());
    ScaledCanvas canvas(device, scale, DetailedPicturesFor(scale));
    PaintMenuWindowFrame(
        style_, canvas,
        scale.ToDesign(Size{bounds.right - bounds.left, bounds.bottom - bounds.top}),
        scale.ToDesign(::GetSystemMetrics(SM_CXEDGE)));
}

LRESULT OwnerDrawnPopupMenu::MenuChar(wchar_t key) {
    const wchar_t wanted = wchar_t(std::towupper(key));
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const MenuItem& item = items_[index];
        if (item.enabled && AcceleratorKey(item.caption) == wanted) {
            return MAKELRESULT(index, MNC_EXECUTE);
        }
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

}  // namespace dusk::win32
