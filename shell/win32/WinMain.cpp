// DuskRelay.exe: sets up the process and runs the application until the program exits.
// windows.h first: the other system headers build on it.
// clang-format off
#include <windows.h>
// clang-format on
#include <commctrl.h>

#include "shell/win32/application.h"
#include "system/win32/system_power_api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);

    dusk::win32::SystemPowerApi power;
    dusk::win32::Application application(power);
    switch (application.Start()) {
        case dusk::win32::Application::StartResult::Failed:
            return 1;
        case dusk::win32::Application::StartResult::HandedOff:
            return 0;
        case dusk::win32::Application::StartResult::Running:
            break;
    }
    return application.Run();
}
