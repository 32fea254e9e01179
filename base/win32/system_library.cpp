#include "base/win32/system_library.h"

#include <string>

namespace dusk::win32 {

void RestrictDllSearchToSystemFolder() {
    // The program's own folder stays out too: it is searched before the system folder, so a
    // system library loading a DLL of its own later would take a copy planted beside a portable
    // program. Missing on systems without the DLL-search update (XP, Vista, early 7): there at
    // least the current folder leaves the search.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = ExportedFunction<SetDefaultDllDirectoriesFn>(
        ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    ::SetDllDirectoryW(L"");
}

UniqueModule LoadSystemLibrary(const wchar_t* fileName) {
    UniqueModule module(::LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (module || ::GetLastError() != ERROR_INVALID_PARAMETER) return module;
    // A system without the search flags: the full path names the system folder's file.
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return module;
    const std::wstring path = std::wstring(folder) + L"\\" + fileName;
    module.Reset(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    return module;
}

UniqueModule LoadCommonControls() {
    UniqueModule module(::LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (module || ::GetLastError() != ERROR_INVALID_PARAMETER) return module;
    // By name: version 6 comes through the manifest's side-by-side binding, which the loader
    // resolves before any folder search (a full path would give the system's version 5).
    module.Reset(::LoadLibraryW(L"comctl32.dll"));
    return module;
}

}  // namespace dusk::win32
