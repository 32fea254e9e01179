#include "shell/win32/application.h"

// windows.h (through application.h) first: the other system headers build on it.
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/win32/system_library.h"
#include "controls/win32/keyboard_navigation.h"
#include "core/placeholder_text.h"
#include "core/win32/regional_settings_reader.h"
#include "resources/version.h"
#include "system/win32/current_user.h"

namespace dusk::win32 {

namespace {

// The command line after the program's own name.
std::vector<std::wstring> ProgramArguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (arguments == nullptr) return {};
    std::vector<std::wstring> list(arguments + std::min(count, 1), arguments + count);
    ::LocalFree(arguments);
    return list;
}

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// With its trailing separator.
std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace

Application::Application(PowerApi& power)
    : programPath_(ProgramPath()),
      programFolder_(FolderOf(programPath_)),
      arguments_(ProgramArguments()),
      startRequest_(ParseStartRequest(arguments_)),
      activityLog_(clock_, ProgramDataFolder(), L"DuskRelay"),
      formats_(ReadUserRegionalSettings()),
      notice_(settings_),
      resources_(::GetModuleHandleW(nullptr)),
      taskView_(task_, resources_.catalogue, formats_, clock_),
      mainWindow_(resources_, taskView_, MainWindowEventsFor(), skinCode_, companion_),
      countdownWindow_(resources_, skinCode_, companion_),
      noticeWindow_(resources_, notice_, skinCode_, companion_),
      powerApi_(power),
      scheduledStarts_(
          [this](std::function<void()> onDone) { CountDownScheduledStart(std::move(onDone)); }),
      elevatedStartGuard_(
          programFiles_, [this](const std::wstring& path) { ReportUnprotectedProgram(path); },
          &activityLog_),
      prompts_(companion_, resources_.catalogue,
               [this] { return WindowHandle(mainWindow_.Handle()); }),
      trayCommands_(mainWindow_, performer_, prompts_, resources_.catalogue, activityLog_),
      skins_(skinCode_, companion_, SkinTargetsFor()),
      trayIcon_(resources_.catalogue.Text(CatalogueEntry::AppTitle)) {}

MainWindowEvents Application::MainWindowEventsFor() {
    MainWindowEvents events;
    events.onFirstShow = [this] {
        // The other windows and the icon come once the main window has painted. The first
        // showing restores the task as for any start; the scheduler's start counts down once it
        // has finished.
        if (!CreateLaterWindows()) {
            activityLog_.Record(L"The program's windows could not be created");
            ::PostQuitMessage(1);
            return;
        }
        trayIcon_.Add(Handle(), resources_.trayIcons);
        controller_->OnFirstShow();
        ::PostMessageW(Handle(), kFirstShowDoneMessage, 0, 0);
    };
    events.onRefresh = [this] { controller_->OnRefreshMessage(); };
    events.onScheduledStart = [this](InstanceWindow waiter) { OnScheduledStartHandedOver(waiter); };
    events.onSkinButton = [this](std::uint8_t code) { skins_.SelectSkin(code); };
    events.countdownShowing = [this] { return countdownWindow_.IsModal(); };
    events.taskSet = [this] { return IsTaskSet(task_.status); };
    return events;
}

SkinTargets Application::SkinTargetsFor() {
    SkinTargets targets;
    targets.mainWindowColor = [this](Color window) { mainWindow_.SetFormColor(window); };
    targets.mainWindowButtons = [this](ButtonColor color) { mainWindow_.Title().SetColor(color); };
    // The task page takes its buttons' colour, box titles, outlines and the calendar's colours
    // from the skin code, which is already the new one.
    targets.taskBoxes = [this](int, Color) { mainWindow_.Page().ApplySkin(); };
    targets.menuPaletteSlot = [this](int slot) {
        trayMenu_.SetPaletteSlot(slot);
        postponeMenu_.SetPaletteSlot(slot);
        warnMinutesMenu_.SetPaletteSlot(slot);
    };
    targets.countdownWindow = [this](Color, ButtonColor, Color) { countdownWindow_.ApplySkin(); };
    targets.noticeWindow = [this](Color, ButtonColor, Color) { noticeWindow_.ApplySkin(); };
    targets.repaintMainWindow = [this] {
        ::RedrawWindow(mainWindow_.Handle(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
    };
    return targets;
}

Application::StartResult Application::Start() {
    Creation creation{L"TolvaneDuskRelayApp"};
    creation.style = WS_POPUP;
    creation.title = DUSK_WIDEN(DUSK_PRODUCT_NAME);
    if (!CreateWindowFor(creation)) return StartResult::Failed;
    if (startRequest_.IsCommand()) return StartCommand();
    const bool scheduled = startRequest_.IsScheduled();
    handOff_ =
        HandOffToFirstInstance(instanceBlock_, messenger_, InstanceWindowOf(Handle()), scheduled);
    if (scheduled) RecordStart(L"-" + startRequest_.triggerWord + L" -" + startRequest_.actionWord);
    switch (handOff_.role) {
        case StartRole::FirstInstance:
            break;
        case StartRole::AwaitingDone:
            AwaitFirstInstance(handOff_.mainWindow);
            return firstInstanceProcess_ ? StartResult::AwaitingDone : StartResult::HandedOff;
        case StartRole::HandedOver:
        case StartRole::StartNotHanded:
            return StartResult::HandedOff;
    }
    if (scheduled) scheduledStarts_.Add([this] { OnOwnScheduledStartDone(); });
    const auto os = CreateMainWindow();
    if (!os) return StartResult::Failed;
    ConnectServices(*os);
    mainWindow_.Show();
    return StartResult::Running;
}

std::optional<OsInfo> Application::CreateMainWindow() {
    const HWND owner = Handle();
    if (!mainWindow_.Create(owner)) return std::nullopt;
    noticeWindow_.SetMainWindow(mainWindow_.Handle());

    skinCode_ = companion_.StartLibrary(mainWindow_.Handle());
    const OsInfo os = companion_.ReadOsInfo();
    skins_.ApplyStartupSkin();
    companion_.RegisterWindow(L"frmMain", mainWindow_.Handle());
    PublishMainWindow(instanceBlock_, InstanceWindowOf(owner),
                      InstanceWindowOf(mainWindow_.Handle()));
    return os;
}

bool Application::CreateLaterWindows() {
    if (laterWindowsMade_) return true;
    const HWND owner = Handle();
    if (!resources_.Create(owner) || !countdownWindow_.Create(owner) ||
        !noticeWindow_.Create(owner)) {
        return false;
    }
    laterWindowsMade_ = true;
    companion_.RegisterWindow(L"frmResource", resources_.Handle());
    companion_.RegisterWindow(L"jishi_frm", countdownWindow_.Handle());
    companion_.RegisterWindow(L"tishi_frm", noticeWindow_.Handle());
    return true;
}

void Application::ConnectServices(const OsInfo& os) {
    const TaskOwner owner{programFolder_, os.taskNameSuffix, CurrentUserAccount()};
    scheduler_.emplace(os.osFamily);
    logonStart_.emplace(os.osFamily, owner, elevatedStartGuard_);
    taskStore_.emplace(settings_, formats_, programFolder_, *logonStart_);
    registration_.emplace(
        *scheduler_, os.osFamily, owner, PromptsFor(commandPrompts_, resources_.catalogue),
        [this](std::function<void()> onClosed) {
            // A command sets its task without the notice.
            if (commandPrompts_.CommandRunning()) {
                onClosed();
            } else {
                notice_.ShowNoticeIfWanted(std::move(onClosed));
            }
        },
        activityLog_, &elevatedStartGuard_);
    controller_.emplace(
        task_, taskView_,
        TaskControllerServices{clock_, formats_, resources_.catalogue, *taskStore_, commandPrompts_,
                               *registration_, countdownWindow_, mainWindow_, startupShortcut_,
                               power_, activityLog_, os.osFamily});
    controller_->readNoticePreference = [this] { notice_.ReadIgnorePreference(); };
    controller_->BindWarningLead(settings_);
    controller_->onEarlyWarning = [this](const std::wstring& text) {
        trayIcon_.ShowBalloon(resources_.catalogue.Text(CatalogueEntry::AppTitle), text);
    };
    mainWindow_.BindTimers(controller_->watchTimer, controller_->clockTimer);
    commands_.emplace(*controller_, task_, taskView_.controls, clock_, *taskStore_,
                      commandPrompts_);

    trayMenu_.SetCheckPictures(resources_.menuChecks);
    postponeMenu_.SetCheckPictures(resources_.menuChecks);
    warnMinutesMenu_.SetCheckPictures(resources_.menuChecks);
    const auto choosePostpone = [this](POINT at) { return postponeMenu_.Menu().ShowAt(at); };
    countdownWindow_.choosePostpone = choosePostpone;
    mainWindow_.Page().choosePostpone = choosePostpone;
    mainWindow_.Page().WarningLead().choose = [this](POINT at, std::int32_t current) {
        warnMinutesMenu_.Menu().SetItems(WarnMinutesMenuItems(current));
        return WarnMinutesOfCommand(warnMinutesMenu_.Menu().ShowAt(at));
    };
    trayCommands_.onExit = [this] { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); };
    trayIcon_.Model().Follow(taskView_.indicator);
    trayIcon_.SetMenu(&trayMenu_);
    trayIcon_.onRestore = [this] { mainWindow_.Restore(); };
    // The main window offers Cancel Task and Postpone for the task the balloon warned of.
    trayIcon_.onBalloonClick = [this] { mainWindow_.Restore(); };
    trayIcon_.onMenuCommand = [this](int command) { trayCommands_.Run(command); };
}

void Application::ReportUnprotectedProgram(const std::wstring& path) {
    commandPrompts_.Warn(SubstitutePlaceholders(
        resources_.catalogue.Text(CatalogueEntry::ProgramFolderUnprotected), {{L"%s", path}}));
}

int RunApplication(PowerApi& power) {
    // Neither is a load-time import: both come from the system after the DLL search was limited,
    // and stay for the run, so that a later load of the theme library by name (a system library's
    // delayed import too) finds the system's copy already there.
    const UniqueModule theme = LoadSystemLibrary(L"uxtheme.dll");
    const UniqueModule commonControls = LoadCommonControls();
    using InitCommonControlsFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
    if (const auto init =
            ExportedFunction<InitCommonControlsFn>(commonControls.Get(), "InitCommonControlsEx"))
        init(&controls);

    Application application(power);
    switch (application.Start()) {
        case Application::StartResult::Failed:
            return 1;
        case Application::StartResult::HandedOff:
            return 0;
        case Application::StartResult::CommandDone:
            return application.CommandExitCodeValue();
        case Application::StartResult::Running:
        case Application::StartResult::AwaitingDone:
            break;
    }
    return application.Run();
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (trayIcon_.HandleMessage(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_COPYDATA:
            return OnCommandMessage(wParam, lParam);
        case WM_SYSCOMMAND:
            // A later process restores the first instance: its main window comes back.
            if ((wParam & 0xFFF0) == SC_RESTORE) {
                if (mainWindow_.Handle() != nullptr) mainWindow_.Restore();
                return 0;
            }
            break;
        case kFirstShowDoneMessage:
            scheduledStarts_.OnFirstShowDone();
            return 0;
        case kScheduledStartDoneMessage:
            if (firstInstanceProcess_) {
                messenger_.Restore(handOff_.firstInstance);
                ::PostQuitMessage(0);
            }
            return 0;
        case WM_CLOSE:
            closing_ = true;
            // A graceful end (Exit, or from outside): the message loops end in order, a running
            // countdown as interrupted, and the windows are taken down with the application.
            ::PostQuitMessage(0);
            return 0;
        case WM_DESTROY:
            closing_ = true;
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
