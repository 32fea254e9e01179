// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include "shell/win32/startup_folder_shortcut.h"

#include <string>

namespace dusk::win32 {

void StartupFolderShortcut::Delete() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return;
    }
    const std::wstring path = std::wstring(folder) + L"\\" + std::wstring(kStartupShortcutName);
    ::DeleteFileW(path.c_str());  // a missing file is not an error
}

}  // namespace dusk::win32
