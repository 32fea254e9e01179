#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace dusk::win32 {

// The keys the message loop gives the program's windows before dispatching: Tab and Shift+Tab
// move the focus through the active window's focus order, Ctrl+Tab and Ctrl+Shift+Tab send it
// kNextPageCommand or kPreviousPageCommand, Esc sends it IDCANCEL (all as WM_COMMAND).
inline constexpr WORD kNextPageCommand = 0x7F01;
inline constexpr WORD kPreviousPageCommand = 0x7F02;

// The focusable child windows of a top-level window in reading order, asked at each Tab; hidden
// and disabled ones are passed over. Removed with ForgetFocusOrder before the window goes.
void SetFocusOrder(HWND window, std::function<std::vector<HWND>()> order);
void ForgetFocusOrder(HWND window);

// True when the message was one of those keys and has been handled.
bool HandleNavigationKey(const MSG& message);
// The message loop's step: the navigation keys, or translate and dispatch.
void DispatchWithNavigation(const MSG& message);

// Answers WM_GETDLGCODE for the program's own focusable controls: every key but the ones above.
LRESULT OwnKeysDialogCode();

}  // namespace dusk::win32
