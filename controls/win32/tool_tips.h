#pragma once
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

// The hints of a window's windowless controls: one tooltip control over the window, one tool per
// rectangle of the window's client area. The tooltip watches the window's mouse itself.
class ToolTips {
public:
    bool Create(HWND window);
    HWND Handle() const { return tips_.Get(); }

    // id names the tool for Move; text is copied. Areas are in the window's design pixels.
    void Add(UINT_PTR id, const RECT& area, const std::wstring& text);
    void Move(UINT_PTR id, const RECT& area);
    // How long the pointer rests on a tool before its hint shows.
    void SetInitialDelay(int milliseconds);

private:
    TOOLINFOW Tool(UINT_PTR id) const;

    HWND window_ = nullptr;
    UniqueWindow tips_;
};

}  // namespace dusk::win32
