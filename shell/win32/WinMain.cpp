// DuskRelay.exe: the application over the system's power calls.
#include <windows.h>

#include "base/win32/system_library.h"
#include "shell/win32/application.h"
#include "system/win32/system_power_api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    dusk::win32::RestrictDllSearchToSystemFolder();
    dusk::win32::SystemPowerApi power;
    return dusk::win32::RunApplication(power);
}
