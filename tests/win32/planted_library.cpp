// A DLL someone put beside DuskRelay.exe under a system DLL's name (the theme library):
// records that it was loaded, and offers the one call the program makes of the real one.
#include "planted_record.h"

extern "C" __declspec(dllexport) HRESULT WINAPI SetWindowTheme(HWND, LPCWSTR, LPCWSTR) {
    return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) RecordPlantedRun(module, "library");
    return TRUE;
}
