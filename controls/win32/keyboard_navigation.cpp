#include "controls/win32/keyboard_navigation.h"

#include <map>
#include <optional>
#include <utility>

#include "controls/focus_cycle.h"

namespace dusk::win32 {
namespace {

std::map<HWND, std::function<std::vector<HWND>()>>& Orders() {
    static std::map<HWND, std::function<std::vector<HWND>()>> orders;
    return orders;
}

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

bool MoveFocus(HWND root, bool backwards) {
    const auto found = Orders().find(root);
    if (found == Orders().end()) return false;
    const std::vector<HWND> order = found->second();
    std::optional<std::size_t> current;
    const HWND focus = ::GetFocus();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] != nullptr && (order[i] == focus || ::IsChild(order[i], focus))) current = i;
    }
    const auto next = NextFocus(
        order.size(),
        [&order](std::size_t i) {
            return order[i] != nullptr && ::IsWindowVisible(order[i]) &&
                   ::IsWindowEnabled(order[i]);
        },
        current, backwards);
    if (next) ::SetFocus(order[*next]);
    return true;
}

}  // namespace

void SetFocusOrder(HWND window, std::function<std::vector<HWND>()> order) {
    Orders()[window] = std::move(order);
}

void ForgetFocusOrder(HWND window) { Orders().erase(window); }

bool HandleNavigationKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.hwnd == nullptr) return false;
    const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    if (!Orders().contains(root)) return false;
    switch (message.wParam) {
        case VK_TAB:
            if (KeyDown(VK_MENU)) return false;
            if (KeyDown(VK_CONTROL)) {
                const WORD command = KeyDown(VK_SHIFT) ? kPreviousPageCommand : kNextPageCommand;
                ::SendMessageW(root, WM_COMMAND, MAKEWPARAM(command, 0), 0);
                return true;
            }
            return MoveFocus(root, KeyDown(VK_SHIFT));
        case VK_ESCAPE:
            ::SendMessageW(root, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
            return true;
        default:
            return false;
    }
}

void DispatchWithNavigation(const MSG& message) {
    if (HandleNavigationKey(message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

LRESULT OwnKeysDialogCode() { return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS; }

}  // namespace dusk::win32
