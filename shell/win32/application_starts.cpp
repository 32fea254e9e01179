// The application's side of scheduled starts: handing one over to the first instance and
// waiting for it, counting one down as the first instance, and ending a process that the
// scheduler started.
#include <string>

#include "controls/win32/keyboard_navigation.h"
#include "shell/win32/application.h"

namespace dusk::win32 {

std::uint32_t SessionWatchingAction::Perform(TaskAction action) {
    const std::uint32_t answer = action_.Perform(action);
    // A refused log-off or shut-down leaves the session as it is.
    sessionEnding_ =
        answer == 0 && (action == TaskAction::ShutDown || action == TaskAction::LogOff);
    return answer;
}

void Application::RecordStart(const std::wstring& arguments) {
    activityLog_.Record(L"Scheduled start received: " + arguments);
    if (instanceBlock_.HowOpened() == NamedInstanceBlock::Opening::RefusedOwner) {
        activityLog_.Record(
            L"Instance block refused: another account made it; running without the "
            L"single-instance check");
    }
    switch (handOff_.role) {
        case StartRole::FirstInstance:
            activityLog_.Record(L"Scheduled start counted down by this process");
            break;
        case StartRole::AwaitingDone:
            activityLog_.Record(L"Scheduled start handed over to the running instance");
            break;
        case StartRole::HandedOver:
        case StartRole::StartNotHanded:
            activityLog_.Record(L"Scheduled start lost: the running instance did not take it");
            break;
    }
}

void Application::CountDownScheduledStart(std::function<void()> onDone) {
    controller_->OnScheduledStart(std::move(onDone));
}

void Application::OnScheduledStartHandedOver(InstanceWindow waiter) {
    // Only a process of this program is told; any window would otherwise get the message.
    const bool toldWhenDone = messenger_.IsProgramWindow(waiter);
    activityLog_.Record(L"Scheduled start taken over from another process");
    scheduledStarts_.Add([waiter, toldWhenDone] {
        if (toldWhenDone) ::PostMessageW(WindowOf(waiter), kScheduledStartDoneMessage, 0, 0);
    });
}

void Application::OnOwnScheduledStartDone() {
    if (closing_) return;
    // The scheduler must never see this process still running, or it skips the next run.
    if (!power_.SessionEnding()) StartOrdinaryInstance();
    ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Application::StartOrdinaryInstance() {
    ReleaseFirstInstance(instanceBlock_, InstanceWindowOf(Handle()));
    std::wstring commandLine = L"\"" + programPath_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(programPath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, programFolder_.c_str(), &startup, &started)) {
        activityLog_.Record(L"The ordinary instance could not be started: error " +
                            std::to_wstring(::GetLastError()));
        return;
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
}

void Application::AwaitFirstInstance(InstanceWindow mainWindow) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(WindowOf(mainWindow), &processId);
    firstInstanceProcess_.Reset(::OpenProcess(SYNCHRONIZE, FALSE, processId));
}

int Application::Run() {
    for (;;) {
        // Messages first, so a done message posted just before the first instance ended counts.
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            DispatchWithNavigation(message);
        }
        const HANDLE firstInstance = firstInstanceProcess_.Get();
        const DWORD watched = firstInstance != nullptr ? 1 : 0;
        const DWORD woke = ::MsgWaitForMultipleObjectsEx(watched, &firstInstance, INFINITE,
                                                         QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (watched != 0 && woke == WAIT_OBJECT_0) {
            activityLog_.Record(L"Scheduled start: the running instance ended before it was done");
            return 0;
        }
    }
}

}  // namespace dusk::win32
