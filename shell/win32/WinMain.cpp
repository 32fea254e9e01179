// DuskRelay.exe: sets up the process and runs the message loop until the program exits.
// windows.h first: the other system headers build on it.
// clang-format off
#include <windows.h>
// clang-format on
#include <commctrl.h>

#include "companion/win32/vimbly_companion.h"
#include "resources/version.h"

namespace {

constexpr wchar_t kAppWindowClass[] = L"TolvaneDuskRelayApp";

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// The hidden top-level window that owns the program's windows.
HWND CreateAppWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = AppWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kAppWindowClass;
    if (::RegisterClassExW(&windowClass) == 0) return nullptr;
    return ::CreateWindowExW(0, kAppWindowClass, DUSK_WIDEN(DUSK_PRODUCT_NAME), WS_POPUP, 0, 0, 0,
                             0, nullptr, nullptr, instance, nullptr);
}

int RunMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);

    const HWND appWindow = CreateAppWindow(instance);
    if (appWindow == nullptr) return 1;

    dusk::win32::VimblyCompanion companion;
    companion.InitDLL(appWindow);  // the skin code it reports is applied once skinned windows exist

    return RunMessageLoop();
}
