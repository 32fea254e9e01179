// A program someone put beside DuskRelay.exe (as the updater's name): records that it was
// started. With the argument "load" it then loads the theme library by name, the way a program
// does that leaves the DLL search as it is.
#include <cwchar>

#include "planted_record.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    RecordPlantedRun(nullptr, "program");
    if (std::wcsstr(arguments, L"load") != nullptr) ::FreeLibrary(::LoadLibraryW(L"uxtheme.dll"));
    return 0;
}
