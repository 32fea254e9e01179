#include "shell/win32/tray_icon.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "controls/win32/picture_icon.h"
#include "controls/win32/window_scale.h"
#include "resources/resource_ids.h"

namespace dusk::win32 {

namespace {

// The record's size up to the balloon flags, as the oldest supported shells expect it.
constexpr DWORD kRecordSize = NOTIFYICONDATAW_V2_SIZE;
#if defined(_WIN32) && !defined(_WIN64)
static_assert(kRecordSize == 936, "the 32-bit notification record is 936 bytes");
#endif
constexpr UINT kRecordFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
static_assert(kTrayTipMaxLength < sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t),
              "the tip and its terminator fit the record");

// The program runs elevated: without this the task bar's broadcast does not reach it.
void AllowMessageFromLowerIntegrity(HWND window, UINT message) {
    using FilterCall = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
    // Only from Windows 7 on; older systems do not filter messages or filter them otherwise.
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return;
    const auto filter = reinterpret_cast<FilterCall>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
    if (filter != nullptr) filter(window, message, MSGFLT_ALLOW, nullptr);
}

}  // namespace

TrayIcon::TrayIcon(std::wstring hint, NotifyIconCall notify)
    : notify_(notify), model_(int(kIconCount), std::move(hint)) {
    model_.onChanged = [this] {
        if (active_) Notify(NIM_MODIFY);
    };
}

TrayIcon::~TrayIcon() {
    if (active_) Notify(NIM_DELETE);
}

bool TrayIcon::Add(HWND window, const IconPictures& pictures) {
    window_ = window;
    const DisplayScale scale = ScaleOf(window);
    const int size = SmallIconSize(scale);
    for (std::size_t i = 0; i < kIconCount; ++i) {
        icons_[i] = IconFromPicture(PictureAtSize(pictures[i], scale, size));
    }
    programIcon_.Reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                       MAKEINTRESOURCEW(DUSK_APP_ICON_ID),
                                                       IMAGE_ICON, size, size, 0)));
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    if (taskbarCreated_ != 0) AllowMessageFromLowerIntegrity(window_, taskbarCreated_);
    active_ = true;  // also when refused: a recreated task bar is asked again
    return Notify(NIM_ADD);
}

NOTIFYICONDATAW TrayIcon::Record() const {
    NOTIFYICONDATAW record{};
    record.cbSize = kRecordSize;
    record.hWnd = window_;
    record.uID = kIconId;
    record.uFlags = kRecordFlags;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = CurrentIcon();
    const std::wstring tip = model_.Tip();
    std::wmemcpy(record.szTip, tip.c_str(), tip.size() + 1);
    return record;
}

bool TrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text) {
    if (window_ == nullptr || !active_) return false;
    NOTIFYICONDATAW record = Record();
    record.uFlags |= NIF_INFO;
    record.dwInfoFlags = NIIF_USER;  // the record's icon, the program's
    const auto copyCut = [](wchar_t* to, std::size_t capacity, const std::wstring& from) {
        const std::size_t length = std::min(from.size(), capacity - 1);
        std::wmemcpy(to, from.c_str(), length);
        to[length] = L'\0';
    };
    copyCut(record.szInfoTitle, std::size(record.szInfoTitle), title);
    copyCut(record.szInfo, std::size(record.szInfo), text);
    return notify_(NIM_MODIFY, &record) != FALSE;
}

HICON TrayIcon::CurrentIcon() const {
    const HICON icon = icons_[std::size_t(model_.IconIndex())].Get();
    return icon != nullptr ? icon : programIcon_.Get();
}

bool TrayIcon::Notify(DWORD message) {
    if (window_ == nullptr) return false;
    NOTIFYICONDATAW record = Record();
    return notify_(message, &record) != FALSE;
}

bool TrayIcon::HandleMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    if (window_ == nullptr) return false;
    if (message == kTrayCallbackMessage) {
        if (UINT(lParam) == NIN_BALLOONUSERCLICK) {
            if (onBalloonClick) onBalloonClick();
            return true;
        }
        MouseEvent(UINT(lParam));
        return true;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (active_) Notify(NIM_ADD);
        return true;
    }
    return false;
}

void TrayIcon::MouseEvent(UINT mouseEvent) {
    switch (TrayMouseActionFor(mouseEvent, menu_ != nullptr)) {
        case TrayMouseAction::TakeForeground:
            ::SetForegroundWindow(window_);
            break;
        case TrayMouseAction::RestoreMainWindow:
            Notify(NIM_MODIFY);
            if (onRestore) onRestore();
            break;
        case TrayMouseAction::OpenMenu:
            OpenMenu();
            break;
        case TrayMouseAction::None:
            break;
    }
}

void TrayIcon::OpenMenu() {
    // A second right-click while the menu is open must not open another.
    if (menuOpen_) return;
    menuOpen_ = true;
    ::SetForegroundWindow(window_);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const int command = menu_->Menu().ShowAt(cursor);
    menuOpen_ = false;
    if (command != 0 && onMenuCommand) onMenuCommand(command);
}

}  // namespace dusk::win32
