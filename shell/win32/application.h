#pragma once
#include <windows.h>

#include <cstdint>

#include "base/win32/registry_settings_store.h"
#include "base/win32/window_base.h"
#include "companion/win32/vimbly_companion.h"
#include "core/countdown.h"
#include "core/task_model.h"
#include "shell/background_notice.h"
#include "shell/win32/countdown_window.h"
#include "shell/win32/notice_window.h"
#include "shell/win32/resource_window.h"

namespace dusk::win32 {

// The composition root: the hidden top-level window that owns every window of the program, and
// the process-wide state they share. Windows are created once, hidden, in start-up order and
// live until the program ends.
class Application : public WindowBase {
public:
    Application();

    // Creates the windows and introduces them to the companion library; false when a window
    // cannot be created.
    bool Start();
    // The message loop, until the program quits; answers the exit code.
    int Run();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Process-wide state the windows read when they need it.
    TaskRecord task_;
    CountdownState countdownState_;
    std::uint8_t skinCode_ = 1;  // preset before the companion library reports the user's skin
    RegistrySettingsStore settings_;
    VimblyCompanion companion_;
    BackgroundNotice notice_;

    ResourceWindow resources_;
    CountdownWindow countdownWindow_;
    NoticeWindow noticeWindow_;
};

}  // namespace dusk::win32
