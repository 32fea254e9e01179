#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <array>
#include <functional>
#include <string>

#include "base/win32/unique_handle.h"
#include "controls/picture.h"
#include "shell/tray_icon_model.h"
#include "shell/win32/tray_popup_menu.h"

namespace dusk::win32 {

// The platform's notification-icon call; tests record it instead.
using NotifyIconCall = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAW data);

// The program's icon in the notification area. It lives on a hidden top-level pop-up window of
// the program (not a message-only window, which misses the broadcast that the task bar was
// recreated); that window's procedure forwards every message to HandleMessage first. The icon is
// removed when this object goes, so it must go before the window.
class TrayIcon {
public:
    static constexpr UINT kIconId = 1;
    static constexpr std::size_t kIconCount = 3;  // no task, task set, task cancelled
    using IconPictures = std::array<Picture, kIconCount>;

    explicit TrayIcon(std::wstring hint, NotifyIconCall notify = ::Shell_NotifyIconW);
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // Icon index and hint; a change is shown at once while the icon is in the notification area.
    // The model's onChanged belongs to the icon; Follow a task indicator through it.
    TrayIconModel& Model() { return model_; }

    // Makes icons of the pictures (one that cannot become an icon shows the program's icon) and
    // puts the icon into the notification area with the current picture and hint. Again when
    // the task bar is recreated. False when the platform refused; the program runs on without.
    bool Add(HWND window, const IconPictures& pictures);

    // The menu a right-click opens; none: a right-click does nothing. Not owned.
    void SetMenu(TrayPopupMenu* menu) { menu_ = menu; }

    // A double-click: bring the main window back.
    std::function<void()> onRestore;
    // A click on the balloon.
    std::function<void()> onBalloonClick;

    // A balloon over the icon with the program's icon, the title and the text (each cut to what
    // the record holds). False when the icon is not in the notification area.
    bool ShowBalloon(const std::wstring& title, const std::wstring& text);
    // The command of the menu item chosen.
    std::function<void(int command)> onMenuCommand;

    // True when the message was the icon's; the window procedure then answers 0.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The record sent with every call: the 936-byte form the program has always used.
    NOTIFYICONDATAW Record() const;

private:
    HICON CurrentIcon() const;
    bool Notify(DWORD message);
    void MouseEvent(UINT mouseEvent);
    void OpenMenu();

    NotifyIconCall notify_;
    TrayIconModel model_;
    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
    bool active_ = false;  // meant to be in the notification area: from Add on
    bool menuOpen_ = false;
    std::array<UniqueIcon, kIconCount> icons_;
    UniqueIcon programIcon_;
    TrayPopupMenu* menu_ = nullptr;
};

}  // namespace dusk::win32
