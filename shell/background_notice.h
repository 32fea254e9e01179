#pragma once
#include <functional>
#include <string>

#include "controls/image_check_box.h"

namespace dusk {

class SettingsStore;

// What the notice window does on screen; filled in by the Windows window.
struct NoticeHost {
    std::function<void()> show;  // shows the window with the others disabled, and returns
    std::function<void()> hide;  // hides the window and enables the others again
};

// The background notice: tells the user, when a task goes to the system scheduler, that the
// program goes on in the notification area, and can be switched off for good.
class BackgroundNotice {
public:
    explicit BackgroundNotice(SettingsStore& store);

    NoticeHost host;
    ImageCheckBox ignoreBox;

    // Process-wide: "0" while the notice is to be shown, anything else while it is not.
    const std::wstring& IgnoreNotice() const { return ignoreNotice_; }

    // At the main window's first showing: "0", unless a stored "Ignore" text says otherwise.
    void ReadIgnorePreference();
    // Once per task start through the system scheduler: shows the notice when wanted. onClosed
    // runs once the notice has gone, or at once when it is not wanted.
    void ShowNoticeIfWanted(std::function<void()> onClosed);

    void OnOkClick();
    // Closed from the keyboard or the system: nothing is stored.
    void OnCloseRequest();
    // The window never blocks a log-off or shut-down.
    int OnQueryEndSession() const { return 1; }

private:
    void Close();

    SettingsStore& store_;
    std::function<void()> onClosed_;  // while the notice shows
    std::wstring ignoreNotice_ = L"0";
};

}  // namespace dusk
