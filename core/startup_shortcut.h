#pragma once
#include <string_view>

namespace dusk {

// A shortcut of that name in the user's Startup folder would start the program at log-on;
// nothing of the program creates it, but Cancel Task removes it.
inline constexpr std::wstring_view kStartupShortcutName = L"DuskRelay.Lnk";

class StartupShortcut {
public:
    virtual ~StartupShortcut() = default;
    // A missing file or folder is not an error.
    virtual void Delete() = 0;
};

}  // namespace dusk
