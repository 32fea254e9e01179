#pragma once
#include <windows.h>

namespace dusk::win32 {

// A window's DC, released when it goes out of scope: the client area's, or with wholeWindow
// the whole window's, its frame included.
class WindowDc {
public:
    WindowDc(HWND window, bool wholeWindow)
        : window_(window), dc_(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
    }

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace dusk::win32
