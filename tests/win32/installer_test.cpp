// The setup and its uninstaller, run silently as a deployment tool would run them, against the
// real file system, registry, Start menu and Task Scheduler.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>
// windows.h first: the security headers build on it.
#include <sddl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/win32/registry_settings_store.h"
#include "companion/win32/vimbly_companion.h"
#include "resources/version.h"
#include "system/program_protection.h"
#include "system/scheduled_job.h"
#include "system/win32/program_files_security.h"
#include "system/win32/registered_task.h"
#include "system/win32/system_task_scheduler.h"
#include "system/win32/work_item.h"
#include "test_process.h"

namespace dusk::test {
namespace {

// The names the program, its companion library and Windows know; the uninstaller removes them.
constexpr std::uint32_t kRootCurrentUser = 0x80000001;  // HKEY_CURRENT_USER
constexpr wchar_t kSettingsKey[] = L"\\Software\\Tolvane\\Dusk Relay";
constexpr wchar_t kRunKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Tolvane Dusk Relay";
constexpr wchar_t kUninstallKey[] =
    L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tolvane Dusk Relay";
constexpr wchar_t kSkinKey[] = L"\\Software\\Tolvane\\Vimbly";
constexpr wchar_t kNeighbourRunValue[] = L"Dusk Relay Test Neighbour";
constexpr DWORD kUninstallTimeoutMs = 120000;
constexpr DWORD kStartTimeoutMs = 120000;  // Wine under emulation starts a process slowly
constexpr wchar_t kAppWindowClass[] = L"TolvaneDuskRelayApp";

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::optional<StoredValue> Read(std::uint32_t root, std::wstring_view key, std::wstring_view name) {
    win32::RegistrySettingsStore store;
    const auto opened = store.Open(root, key, false);
    return opened ? opened->Read(name) : std::nullopt;
}

std::wstring ReadText(std::wstring_view key, std::wstring_view name) {
    const auto value = Read(kRootLocalMachine, key, name);
    return value && value->kind == StoredValue::Kind::Text ? value->text : L"<missing>";
}

bool KeyExists(std::uint32_t root, std::wstring_view key) {
    return win32::RegistrySettingsStore().Open(root, key, false) != nullptr;
}

DWORD RunToEnd(const std::wstring& commandLine) {
    const TestProcess run = StartCommandLine(commandLine);
    if (!run.handle) return ~0u;
    run.WaitForEnd(kUninstallTimeoutMs);
    return run.ExitCode();
}

std::wstring SetupProgram() {
    std::wstring path = DUSK_WIDEN(DUSK_SETUP_PATH);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// The uninstaller hands its work to a copy of itself in the temporary folder and ends at once;
// the copy removes the uninstall entry last.
bool UninstallSilently() {
    const std::wstring command = ReadText(kUninstallKey, L"QuietUninstallString");
    if (RunToEnd(command) != 0) return false;
    for (DWORD waited = 0; waited < kUninstallTimeoutMs; waited += 200) {
        if (!KeyExists(kRootLocalMachine, kUninstallKey)) return true;
        ::Sleep(200);
    }
    return false;
}

// What a running program leaves behind: its settings, its Run value and its skin, and its job
// in both Task Scheduler generations.
ScheduledJob LeaveProgramTraces(const std::wstring& folder) {
    win32::RegistrySettingsStore store;
    const auto settings = store.Open(kRootLocalMachine, kSettingsKey, true);
    const auto run = store.Open(kRootLocalMachine, kRunKey, true);
    const auto skin = store.Open(kRootCurrentUser, kSkinKey, true);
    EXPECT_TRUE(settings && run && skin);
    if (settings && run && skin) {
        settings->WriteInteger(L"AdjustInfo", 0);
        settings->WriteText(L"Daliy_ShutDown", L"10:00:00 PM");
        run->WriteText(kRunValue, L"\"" + folder + L"\\DuskRelay.exe\"");
        run->WriteText(kNeighbourRunValue, L"neighbour.exe");
        skin->WriteInteger(L"Skin", 2);
    }

    const OsInfo os = win32::VimblyCompanion().ReadOsInfo();
    ScheduledTask task;
    task.actionKeyword = L"Shutdown";
    task.trigger = TriggerKind::Daily;
    task.start = *DateTime::FromParts({2031, 11, 5, 22, 0});
    const ScheduledJob job = MakeScheduledJob(task, {folder + L"\\", os.taskNameSuffix});
    win32::RegisterTask(job);  // Wine's 2.0 keeps it, though it reads back incomplete
    EXPECT_TRUE(win32::ReadRegisteredTask(job.taskName).has_value());
    EXPECT_EQ(win32::SaveWorkItem(job, true), SaveOutcome::Saved);
    return job;
}

// Wine maps a folder's access list to Unix permissions and keeps no more, so the descriptor the
// setup gives the install folder is checked as written in its script: converted by the system,
// it must be what the program demands before it lets the system start it elevated.
TEST(InstallFolderSecurity, IsProgramFilesProtection) {
    std::ifstream script(DUSK_INSTALLER_SCRIPT);
    const std::string text{std::istreambuf_iterator<char>(script),
                           std::istreambuf_iterator<char>()};
    const std::string define = "!define FOLDER_SECURITY \"";
    const std::size_t start = text.find(define);
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = text.find('"', start + define.size());
    const std::string sddl = text.substr(start + define.size(), end - start - define.size());
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(
        std::wstring(sddl.begin(), sddl.end()).c_str(), SDDL_REVISION_1, &descriptor, nullptr));
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(::GetSecurityDescriptorControl(descriptor, &control, &revision));
    EXPECT_TRUE(control & SE_DACL_PROTECTED) << "nothing inherited from the drive root";

    const FileSecurity security = win32::SecurityOf(descriptor, L"install folder");
    ::LocalFree(descriptor);
    EXPECT_EQ(security.owner, Trustee::Administrators);
    std::vector<std::pair<Trustee, std::uint32_t>> granted;
    for (const AccessEntry& entry : security.entries) {
        EXPECT_TRUE(entry.allows);
        EXPECT_FALSE(entry.inheritOnly) << "the folder itself is protected too";
        granted.emplace_back(entry.trustee, entry.rights);
    }
    const std::vector<std::pair<Trustee, std::uint32_t>> expected = {
        {Trustee::System, 0x1F01FF},
        {Trustee::Administrators, 0x1F01FF},
        {Trustee::Users, 0x1200A9}};
    EXPECT_EQ(granted, expected);
    EXPECT_TRUE(OnlyAdministratorsCanChange(security));
}

// A window of the program's class that answers WM_CLOSE with nothing, made by a process that is
// not the program.
class ImpostorWindow {
public:
    ImpostorWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = IgnoreClose;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kAppWindowClass;
        ::RegisterClassW(&windowClass);
        window_ = ::CreateWindowExW(0, kAppWindowClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    windowClass.hInstance, nullptr);
    }
    ~ImpostorWindow() {
        ::DestroyWindow(window_);
        ::UnregisterClassW(kAppWindowClass, ::GetModuleHandleW(nullptr));
    }
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK IgnoreClose(HWND window, UINT message, WPARAM w, LPARAM l) {
        return message == WM_CLOSE ? 0 : ::DefWindowProcW(window, message, w, l);
    }
    HWND window_ = nullptr;
};

// Runs a command while this thread answers the messages sent to its windows.
DWORD RunToEndAnswering(const std::wstring& commandLine) {
    const TestProcess run = StartCommandLine(commandLine);
    if (!run.handle) return ~0u;
    const HANDLE process = run.handle.Get();
    for (DWORD waited = 0; waited < kUninstallTimeoutMs; waited += 100) {
        if (::MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    }
    return run.ExitCode();
}

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(win32::SystemTaskScheduler(L"xp").StartScheduler());
    }
    void TearDown() override {
        if (const auto run = win32::RegistrySettingsStore().Open(kRootLocalMachine, kRunKey, false))
            run->Delete(kNeighbourRunValue);
        ::CoUninitialize();
    }
};

TEST_F(InstallerTest, InstallsRunsAndUninstallsWithoutATrace) {
    const std::wstring folder = L"C:\\Dusk Relay Test\\Tolvane Dusk Relay";
    ASSERT_EQ(RunToEnd(L"\"" + SetupProgram() + L"\" /S /D=" + folder), 0u);

    for (const wchar_t* file : {L"DuskRelay.exe", L"Vimbly.dll", L"Uninstall.exe"})
        EXPECT_TRUE(Exists(folder + L"\\" + file)) << file;
    const std::wstring shortcut = ShellFolder(CSIDL_COMMON_PROGRAMS) + L"\\Tolvane Dusk Relay.lnk";
    EXPECT_TRUE(Exists(shortcut));
    const std::wstring uninstaller = L"\"" + folder + L"\\Uninstall.exe\"";
    const struct {
        const wchar_t* name;
        std::wstring text;
    } entry[] = {
        {L"DisplayName", L"Tolvane Dusk Relay"},
        {L"DisplayVersion", DUSK_WIDEN(DUSK_VERSION_TEXT)},
        {L"Publisher", L"Tolvane"},
        {L"DisplayIcon", folder + L"\\DuskRelay.exe,0"},
        {L"UninstallString", uninstaller},
        {L"QuietUninstallString", uninstaller + L" /S"},
    };
    for (const auto& [name, text] : entry) EXPECT_EQ(ReadText(kUninstallKey, name), text) << name;
    const auto size = Read(kRootLocalMachine, kUninstallKey, L"EstimatedSize");
    ASSERT_TRUE(size && size->kind == StoredValue::Kind::Integer);
    EXPECT_GT(size->integer, 100);  // kilobytes

    const std::wstring program = folder + L"\\DuskRelay.exe";
    {
        const TestProcess started = StartProcess(program);
        const HWND appWindow = started.WaitForWindow(kAppWindowClass, kStartTimeoutMs);
        ASSERT_NE(appWindow, nullptr) << "exit code " << started.ExitCode();
        ::PostMessageW(appWindow, WM_CLOSE, 0, 0);
        ASSERT_TRUE(started.WaitForEnd(kStartTimeoutMs));
        EXPECT_EQ(started.ExitCode(), 0u);
    }

    // The uninstaller closes a running program the way the user would.
    const TestProcess running = StartProcess(program);
    ASSERT_NE(running.WaitForWindow(kAppWindowClass, kStartTimeoutMs), nullptr);
    const ScheduledJob job = LeaveProgramTraces(folder);

    // Another user's job of the program goes too.
    ScheduledJob othersJob = job;
    othersJob.taskName = L"TolvaneDuskRelayAnotherUser";
    EXPECT_EQ(win32::SaveWorkItem(othersJob, true), SaveOutcome::Saved);
    win32::RegisterTask(othersJob);

    ASSERT_TRUE(UninstallSilently());
    ASSERT_FALSE(running.Running());
    EXPECT_EQ(running.ExitCode(), 0u);
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(KeyExists(kRootLocalMachine, kSettingsKey));
    EXPECT_FALSE(Read(kRootLocalMachine, kRunKey, kRunValue));
    EXPECT_TRUE(Read(kRootLocalMachine, kRunKey, kNeighbourRunValue));
    EXPECT_FALSE(KeyExists(kRootCurrentUser, kSkinKey));
    ScheduledJob read;
    EXPECT_FALSE(win32::ReadWorkItem(job.taskName, read, true));
    EXPECT_FALSE(win32::ReadRegisteredTask(job.taskName).has_value());
    EXPECT_FALSE(win32::ReadWorkItem(othersJob.taskName, read, true));
    EXPECT_FALSE(win32::ReadRegisteredTask(othersJob.taskName).has_value());
    ::RemoveDirectoryW(L"C:\\Dusk Relay Test");
}

TEST_F(InstallerTest, InstallsUnderProgramFilesAndKeepsWhatTheUserMade) {
    ASSERT_EQ(RunToEnd(L"\"" + SetupProgram() + L"\" /S"), 0u);
    const std::wstring folder = ShellFolder(CSIDL_PROGRAM_FILES) + L"\\Tolvane\\Dusk Relay";
    ASSERT_TRUE(Exists(folder + L"\\DuskRelay.exe"));
    const std::wstring notes = folder + L"\\my notes.txt";
    ASSERT_TRUE(win32::UniqueFile(::CreateFileW(notes.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));

    ASSERT_TRUE(UninstallSilently());
    EXPECT_FALSE(Exists(folder + L"\\DuskRelay.exe"));
    EXPECT_FALSE(Exists(folder + L"\\Uninstall.exe"));
    EXPECT_TRUE(Exists(notes));
    ::DeleteFileW(notes.c_str());
    ::RemoveDirectoryW(folder.c_str());
    ::RemoveDirectoryW((ShellFolder(CSIDL_PROGRAM_FILES) + L"\\Tolvane").c_str());
}

// A window of the program's class in another process neither blocks the setup nor is closed by
// it; a folder that holds other files is refused and left as it is.
TEST_F(InstallerTest, IgnoresAnImpostorWindowAndRefusesAFolderWithOtherFiles) {
    const std::wstring folder = L"C:\\Dusk Relay Test\\Shared Tools";
    ::CreateDirectoryW(L"C:\\Dusk Relay Test", nullptr);
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring tool = folder + L"\\tool.exe";
    ASSERT_TRUE(win32::UniqueFile(::CreateFileW(tool.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    const ImpostorWindow impostor;
    ASSERT_NE(impostor.Handle(), nullptr);

    EXPECT_EQ(RunToEndAnswering(L"\"" + SetupProgram() + L"\" /S /D=" + folder), 2u);
    EXPECT_FALSE(Exists(folder + L"\\DuskRelay.exe"));
    EXPECT_TRUE(Exists(tool));

    const std::wstring fresh = L"C:\\Dusk Relay Test\\Fresh";
    EXPECT_EQ(RunToEndAnswering(L"\"" + SetupProgram() + L"\" /S /D=" + fresh), 0u);
    EXPECT_TRUE(Exists(fresh + L"\\DuskRelay.exe"));
    EXPECT_TRUE(::IsWindow(impostor.Handle()));

    ASSERT_TRUE(UninstallSilently());
    ::DeleteFileW(tool.c_str());
    ::RemoveDirectoryW(folder.c_str());
    ::RemoveDirectoryW(L"C:\\Dusk Relay Test");
}

}  // namespace
}  // namespace dusk::test
