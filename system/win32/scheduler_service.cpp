#include "system/win32/scheduler_service.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/win32/unique_handle.h"
#include "system/os_family.h"
#include "system/task_scheduler.h"

namespace dusk::win32 {

namespace {

using UniqueServiceHandle = UniqueResource<HandleTraits<SC_HANDLE, ::CloseServiceHandle>>;
using UniqueServiceLock = UniqueResource<HandleTraits<SC_LOCK, ::UnlockServiceDatabase>>;

// SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS | SERVICE_START | SERVICE_PAUSE_CONTINUE
constexpr DWORD kScheduleServiceAccess = 0x55;
constexpr int kWindowLookups = 3;
constexpr int kServicePolls = 2001;
constexpr DWORD kServicePollPauseMs = 10;

// Shows the hourglass until it goes out of scope, then the default arrow.
class WaitCursor {
public:
    WaitCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW)); }
};

// Dispatches the thread's pending messages. A quit request is put back for the message loop.
void ProcessPendingMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

bool SchedulerWindowExists() {
    return ::FindWindowW(L"SAGEWINDOWCLASS", L"SYSTEM AGENT COM WINDOW") != nullptr;
}

// The manager is only needed to open the service.
UniqueServiceHandle OpenLocalService(std::wstring_view name, DWORD managerAccess,
                                     DWORD serviceAccess) {
    const UniqueServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, managerAccess));
    if (!manager) return {};
    return UniqueServiceHandle(
        ::OpenServiceW(manager.Get(), std::wstring(name).c_str(), serviceAccess));
}

UniqueServiceHandle OpenScheduleService() {
    return OpenLocalService(kSchedulerServiceName, SC_MANAGER_CONNECT, kScheduleServiceAccess);
}

bool IsServiceRunning(SC_HANDLE service) {
    SERVICE_STATUS status{};
    return ::QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING;
}

bool StartScheduleService() {
    const UniqueServiceHandle service = OpenScheduleService();
    SERVICE_STATUS status{};
    if (!service || !::QueryServiceStatus(service.Get(), &status)) return false;
    if (status.dwCurrentState == SERVICE_RUNNING) return true;
    if (status.dwCurrentState == SERVICE_PAUSED)
        ::ControlService(service.Get(), SERVICE_CONTROL_CONTINUE, &status);
    if (status.dwCurrentState == SERVICE_STOPPED) ::StartServiceW(service.Get(), 0, nullptr);
    for (int poll = 0; poll < kServicePolls; ++poll) {
        if (IsServiceRunning(service.Get())) return true;
        ProcessPendingMessages();
        ::Sleep(kServicePollPauseMs);
    }
    return false;
}

// Nothing is started by name: a relative program name would be searched for in the current
// folder and the PATH. The families with a scheduler window cannot run this program anyway.
bool StartSchedulerWindow() { return SchedulerWindowExists(); }

}  // namespace

bool IsSchedulerRunning(std::wstring_view osFamily) {
    if (HasSchedulerWindow(osFamily)) {
        for (int lookup = 0; lookup < kWindowLookups; ++lookup) {
            if (SchedulerWindowExists()) return true;
            ProcessPendingMessages();
        }
    }
    if (!IsNtFamily(osFamily)) return false;
    const UniqueServiceHandle service = OpenScheduleService();
    return service && IsServiceRunning(service.Get());
}

bool StartScheduler(std::wstring_view osFamily) {
    const WaitCursor hourglass;
    if (HasSchedulerWindow(osFamily)) return StartSchedulerWindow();
    return IsNtFamily(osFamily) && StartScheduleService();
}

bool QueryServiceStartType(std::wstring_view serviceName, std::uint32_t& startType) {
    const UniqueServiceHandle service =
        OpenLocalService(serviceName, SC_MANAGER_ALL_ACCESS, SERVICE_QUERY_CONFIG);
    if (!service) return false;
    // 4096 bytes hold every usual configuration; a larger one is asked for again in its size.
    std::vector<BYTE> buffer(4096);
    DWORD needed = 0;
    auto query = [&] {
        return ::QueryServiceConfigW(service.Get(),
                                     reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data()),
                                     static_cast<DWORD>(buffer.size()), &needed) != FALSE;
    };
    bool answered = query();
    if (!answered && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.resize(needed);
        answered = query();
    }
    if (!answered) return false;
    startType = reinterpret_cast<const QUERY_SERVICE_CONFIGW*>(buffer.data())->dwStartType;
    return true;
}

bool SetServiceStartType(std::wstring_view serviceName, std::uint32_t startType) {
    // Declared in this order so the service closes first, then the lock is released while its
    // manager is still open, on every path.
    const UniqueServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return false;
    const UniqueServiceLock lock(::LockServiceDatabase(manager.Get()));
    if (!lock) return false;
    const UniqueServiceHandle service(
        ::OpenServiceW(manager.Get(), std::wstring(serviceName).c_str(), SERVICE_CHANGE_CONFIG));
    if (!service) return false;
    return ::ChangeServiceConfigW(service.Get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE,
                                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr) != FALSE;
}

}  // namespace dusk::win32
