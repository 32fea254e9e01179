#pragma once
#include <windows.h>

#include <string>

namespace dusk::vimbly {

// Shows text as a page inside panel: one static child (made once, then updated) at the
// given place and size.
void ShowInformationPage(HWND panel, int childId, const std::wstring& text, RECT place);

// Gives a top-level borderless window the system's drop shadow. Windows with a caption or
// child windows are left as they are.
void StyleBorderlessWindow(HWND window);

}  // namespace dusk::vimbly
