// A GUI program, as DuskRelay.exe is, that writes its argument text through CommandOutput.
#include <windows.h>

#include "core/win32/command_output.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    dusk::win32::CommandOutput output;
    output.WriteOutput(arguments);
    return 0;
}
