#include "controls/win32/focus_proxy.h"

#include "controls/win32/keyboard_navigation.h"

namespace dusk::win32 {

bool FocusProxy::Create(HWND parent, const std::wstring& caption) {
    Creation creation{L"DuskFocusProxy"};
    creation.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    creation.title = caption.c_str();
    creation.parent = parent;
    return CreateWindowFor(creation);
}

void FocusProxy::Follow(bool visible, bool enabled) {
    if (Handle() == nullptr) return;
    if (!enabled && Focused()) ::SetFocus(::GetParent(Handle()));
    ::EnableWindow(Handle(), enabled);
    ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

LRESULT FocusProxy::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return OwnKeysDialogCode();
        case WM_KEYDOWN:
            if ((wParam == VK_RETURN || wParam == VK_SPACE) && onPress) {
                onPress();
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (onFocusChanged) onFocusChanged();
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
