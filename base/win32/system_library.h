#pragma once
#include <windows.h>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

using UniqueModule = UniqueResource<HandleTraits<HMODULE, ::FreeLibrary>>;

// Limits every later DLL load of the process, the system libraries' own included, to the system
// folder: nothing from the program's folder, the current one or the PATH. The program's load-time
// imports are found before; call it first in a program.
void RestrictDllSearchToSystemFolder();

// Loads a DLL from the system folder only, never from the program's folder or the current one.
UniqueModule LoadSystemLibrary(const wchar_t* fileName);

// The common controls of the version the program's manifest names (6, from the side-by-side
// store), which the activation context gives before any folder is searched.
UniqueModule LoadCommonControls();

// The named export of `module` as the function type F; null when missing.
template <typename F>
F ExportedFunction(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace dusk::win32
