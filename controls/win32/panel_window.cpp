#include "controls/win32/panel_window.h"

#include "controls/win32/window_scale.h"

namespace dusk::win32 {

bool PanelWindow::Create(HWND parent, const Rect& bounds, bool visible) {
    brush_.Reset(::CreateSolidBrush(COLORREF(color_)));
    Creation creation{L"DuskPanel"};
    creation.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    creation.bounds = DeviceRect(parent, bounds);
    creation.parent = parent;
    return CreateWindowFor(creation);
}

LRESULT PanelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(Handle(), &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.Get());
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            ::SetBkColor(reinterpret_cast<HDC>(wParam), COLORREF(color_));
            return reinterpret_cast<LRESULT>(brush_.Get());
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace dusk::win32
