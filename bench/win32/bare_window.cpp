// The least a Win32 program does to show a window of the main window's size: the yardstick of
// the start-up benchmark.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWindow";
    if (::RegisterClassExW(&windowClass) == 0) return 1;
    RECT bounds{0, 0, 700, 524};
    ::AdjustWindowRect(&bounds, WS_POPUP, FALSE);
    const HWND window =
        ::CreateWindowExW(0, L"BareWindow", L"Bare Window", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                          bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                          instance, nullptr);
    if (window == nullptr) return 1;
    ::ShowWindow(window, SW_SHOW);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
