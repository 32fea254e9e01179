// DuskRelay.exe: sets up the process and runs the message loop until the program exits.
// windows.h first: the other system headers build on it.
// clang-format off
#include <windows.h>
// clang-format on
#include <commctrl.h>

#include "companion/win32/vimbly_companion.h"
#include "core/jishi.h"
#include "core/task_model.h"
#include "core/win32/registry_settings_store.h"
#include "resources/version.h"
#include "shell/tishi.h"
#include "shell/win32/frmRes.h"
#include "shell/win32/jishi_frm.h"
#include "shell/win32/tishi_frm.h"

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

    // Process-wide state the windows read when they need it.
    dusk::TaskRecord task;
    dusk::CountdownState countdownState;
    std::uint8_t skinCode = 1;  // preset before the companion library reports the user's skin
    dusk::win32::RegistrySettingsStore settings;
    dusk::win32::VimblyCompanion companion;

    // The windows, created hidden in their start-up order; they live until the program ends.
    dusk::win32::TfrmResource frmResource;
    if (!frmResource.Create(appWindow)) return 1;
    dusk::win32::CountdownWindow jishi_frm(frmResource, countdownState, task.ActionCode, skinCode,
                                           companion);
    if (!jishi_frm.Create(appWindow)) return 1;
    dusk::Ttishi_frm notice(settings);
    dusk::win32::NoticeWindow tishi_frm(frmResource, notice, skinCode, companion);
    if (!tishi_frm.Create(appWindow)) return 1;

    skinCode = companion.InitDLL(appWindow);
    jishi_frm.ApplySkin();
    tishi_frm.ApplySkin();
    companion.AddForm(L"frmResource", frmResource.Handle());
    companion.AddForm(L"jishi_frm", jishi_frm.Handle());
    companion.AddForm(L"tishi_frm", tishi_frm.Handle());

    return RunMessageLoop();
}
