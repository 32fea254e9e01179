#include "shell/win32/application.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>

#include "core/win32/regional_settings_reader.h"
#include "resources/version.h"

namespace dusk::win32 {

namespace {

// A start with a non-empty first argument is a start by the system scheduler.
bool StartedWithArgument() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (arguments == nullptr) return false;
    const bool started = count > 1 && arguments[1][0] != L'\0';
    ::LocalFree(arguments);
    return started;
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/"));
}

}  // namespace

Application::Application()
    : formats_(ReadUserRegionalSettings()),
      notice_(settings_),
      resources_(::GetModuleHandleW(nullptr)),
      taskView_(task_, countdownState_, resources_.catalogue, formats_, settings_, clock_),
      mainWindow_(resources_, taskView_, MainWindowEventsFor(), skinCode_, companion_),
      countdownWindow_(resources_, countdownState_, task_.ActionCode, skinCode_, companion_),
      noticeWindow_(resources_, notice_, skinCode_, companion_) {}

MainWindowEvents Application::MainWindowEventsFor() {
    MainWindowEvents events;
    events.onStartTask = [this] { controller_->OnStartTaskClick(); };
    events.onCancelTask = [this] { controller_->OnCancelTaskClick(); };
    events.onFirstShow = [this] { controller_->OnFirstShow(StartedWithArgument()); };
    events.onRefresh = [this] { controller_->OnRefreshMessage(); };
    events.countdownShowing = [this] { return countdownWindow_.IsModal(); };
    events.taskSet = [this] { return IsTaskSet(task_.TaskStatus); };
    return events;
}

TaskControllerServices Application::ControllerServices(const OsInfo& os) {
    return {clock_,           formats_,      resources_.catalogue, settings_,
            companion_,       registration_, countdownRunner_,     mainWindow_,
            startupShortcut_, power_,        mainWindow_.Handle(), os.osFamily,
            ProgramFolder()};
}

bool Application::Start() {
    Creation creation{L"TolvaneDuskRelayApp"};
    creation.style = WS_POPUP;
    creation.title = DUSK_WIDEN(DUSK_PRODUCT_NAME);
    if (!CreateWindowFor(creation)) return false;
    const HWND owner = Handle();
    if (!mainWindow_.Create(owner) || !resources_.Create(owner) ||
        !countdownWindow_.Create(owner) || !noticeWindow_.Create(owner)) {
        return false;
    }
    noticeWindow_.SetMainWindow(mainWindow_.Handle());

    skinCode_ = companion_.InitDLL(mainWindow_.Handle());
    const OsInfo os = companion_.GetOSInfo();
    mainWindow_.ShowCompanionPages();
    mainWindow_.ApplySkin();
    countdownWindow_.ApplySkin();
    noticeWindow_.ApplySkin();
    companion_.AddForm(L"frmMain", mainWindow_.Handle());
    companion_.AddForm(L"frmResource", resources_.Handle());
    companion_.AddForm(L"jishi_frm", countdownWindow_.Handle());
    companion_.AddForm(L"tishi_frm", noticeWindow_.Handle());

    controller_.emplace(task_, countdownState_, taskView_, ControllerServices(os));
    controller_->readNoticePreference = [this] { notice_.ReadIgnorePreference(); };
    mainWindow_.BindTimers(controller_->watchTimer, controller_->clockTimer);
    mainWindow_.Show();
    return true;
}

int Application::Run() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
