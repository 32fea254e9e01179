#pragma once
#include "core/startup_shortcut.h"

namespace dusk::win32 {

// The program's shortcut in the current user's Startup folder.
class StartupFolderShortcut : public StartupShortcut {
public:
    void Delete() override;
};

}  // namespace dusk::win32
