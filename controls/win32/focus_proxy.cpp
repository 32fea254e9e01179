#include "controls/win32/focus_proxy.h"

#include <utility>

#include "controls/win32/keyboard_navigation.h"

namespace dusk::win32 {

bool FocusProxy::Create(HWND parent, const std::wstring& caption, AccessibleRole role,
                        std::function<RECT()> screenBounds) {
    role_ = role;
    Creation creation{L"DuskFocusProxy"};
    const bool takesFocus = role == AccessibleRole::PushButton;
    creation.style = WS_CHILD | WS_VISIBLE | (takesFocus ? WS_TABSTOP : 0);
    creation.title = caption.c_str();
    creation.parent = parent;
    if (!CreateWindowFor(creation)) return false;
    AccessibleControl control;
    control.role = role;
    control.name = [this] {
        wchar_t text[256]{};
        ::GetWindowTextW(Handle(), text, int(std::size(text)));
        return std::wstring(text);
    };
    control.facts = [this, takesFocus] {
        AccessibleFacts facts;
        facts.checked = isChecked && isChecked();
        facts.enabled = ::IsWindowEnabled(Handle()) != FALSE;
        facts.visible = ::IsWindowVisible(Handle()) != FALSE;
        facts.focusable = takesFocus;
        facts.focused = Focused();
        return facts;
    };
    control.screenBounds = std::move(screenBounds);
    if (role != AccessibleRole::StaticText) {
        control.doDefault = [this] {
            if (onPress && ::IsWindowEnabled(Handle())) onPress();
        };
    }
    accessible_.emplace(Handle(), std::move(control));
    return true;
}

void FocusProxy::Follow(bool visible, bool enabled) {
    if (Handle() == nullptr) return;
    if (!enabled && Focused()) ::SetFocus(::GetParent(Handle()));
    ::EnableWindow(Handle(), enabled);
    ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
    StateChanged();
}

void FocusProxy::SetCaption(const std::wstring& caption) {
    if (Handle() == nullptr) return;
    ::SetWindowTextW(Handle(), caption.c_str());
    accessible_->NameChanged();
}

void FocusProxy::StateChanged() const {
    if (accessible_) accessible_->StateChanged();
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
            if (message == WM_SETFOCUS && accessible_) accessible_->FocusChanged();
            if (onFocusChanged) onFocusChanged();
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_GETOBJECT: {
            LRESULT result = 0;
            if (accessible_ && accessible_->Answer(wParam, lParam, result)) return result;
            break;
        }
        case WM_NCDESTROY:
            accessible_.reset();
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
