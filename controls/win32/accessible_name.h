#pragma once
#include <windows.h>

#include <string>

namespace dusk::win32 {

// Gives a standard control (an edit, an up-down, a date or time picker) the name that its
// painted label shows, for assistive technology: the object the system makes for the control's
// class answers every question but the name. Kept until the window is destroyed.
bool NameForAccessibility(HWND control, const std::wstring& name);

}  // namespace dusk::win32
