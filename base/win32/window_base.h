#pragma once
#include <windows.h>

namespace dusk::win32 {

// One C++ object per window. The static WndProc binds `this` on WM_NCCREATE (from the create
// parameter), keeps it in GWLP_USERDATA and forwards every message to HandleMessage; the binding
// is dropped on WM_NCDESTROY. The window is destroyed with the object.
class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND Handle() const { return window_; }

protected:
    struct Creation {
        const wchar_t* className;
        UINT classStyle = 0;
        DWORD style = 0;
        DWORD exStyle = 0;
        const wchar_t* title = L"";
        RECT bounds{};  // left, top, right, bottom in the parent's or the screen's coordinates
        HWND parent = nullptr;
    };
    // Registers the class on first use and creates the window; false when either fails.
    bool CreateWindowFor(const Creation& creation);

    // Every message of the window; unhandled ones go to DefWindowProcW, and so does a message
    // whose handling throws.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

// Client coordinates of a mouse message's lParam.
POINT MousePoint(LPARAM lParam);

}  // namespace dusk::win32
