#include "system/win32/work_item.h"

#include <windows.h>
// windows.h first: the scheduler headers build on it.
#include <aclapi.h>
#include <mstask.h>
#include <objidl.h>
#include <sddl.h>

#include <optional>
#include <string>

#include "base/win32/unique_handle.h"
#include "system/scheduled_trigger.h"
#include "system/task_definition.h"
#include "system/token_privilege.h"
#include "system/win32/com_text.h"
#include "system/win32/system_power_api.h"

namespace dusk::win32 {

// The trigger record the program fills must keep the size the scheduler expects.
static_assert(sizeof(TASK_TRIGGER) == 48);

namespace {

// The scheduler object, with the security privilege enabled on the NT family while it lives.
struct Scheduler {
    SystemPowerApi api;
    std::optional<ScopedPrivilege> privilege;
    ComPtr<ITaskScheduler> object;
    SaveOutcome failure = SaveOutcome::Saved;
};

// In place: the privilege it holds is given back where it was asked for.
void OpenScheduler(Scheduler& scheduler, bool ntFamily) {
    if (FAILED(com::CreateInstance(CLSID_CTaskScheduler, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                   scheduler.object.PutVoid()))) {
        scheduler.failure = SaveOutcome::NoScheduler;
    } else if (ntFamily) {
        scheduler.privilege.emplace(scheduler.api, kSecurityPrivilegeName);
        if (!scheduler.privilege->Requested()) scheduler.failure = SaveOutcome::NoPrivilege;
    }
}

// A 1.0 job is a file in the Tasks folder, where every user may create files: its own file is
// given the job's Administrators-only security, so no one else can change what it starts.
// Systems that keep 1.0 jobs as 2.0 tasks have no such file.
bool ProtectJobFile(const std::wstring& taskName) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::wstring path = std::wstring(windows) + L"\\Tasks\\" + taskName + L".job";
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    UniqueLocalMemory<PSECURITY_DESCRIPTOR> descriptor;
    PACL list = nullptr;
    BOOL present = FALSE, defaulted = FALSE;
    return ::ConvertStringSecurityDescriptorToSecurityDescriptorW(
               std::wstring(kJobSecurityDescriptor).c_str(), SDDL_REVISION_1, descriptor.Put(),
               nullptr) &&
           ::GetSecurityDescriptorDacl(descriptor.Get(), &present, &list, &defaulted) &&
           ::SetNamedSecurityInfoW(const_cast<LPWSTR>(path.c_str()), SE_FILE_OBJECT,
                                   DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                   nullptr, nullptr, list, nullptr) == ERROR_SUCCESS;
}

TASK_TRIGGER TriggerRecord(const ScheduledJob& task) {
    const TriggerFields fields = TriggerFieldsFor(task);
    TASK_TRIGGER trigger{};
    trigger.cbTriggerSize = sizeof(TASK_TRIGGER);
    trigger.wBeginYear = fields.beginYear;
    trigger.wBeginMonth = fields.beginMonth;
    trigger.wBeginDay = fields.beginDay;
    trigger.wStartHour = fields.startHour;
    trigger.wStartMinute = fields.startMinute;
    trigger.TriggerType = fields.schedule == TriggerSchedule::Daily ? TASK_TIME_TRIGGER_DAILY
                                                                    : TASK_TIME_TRIGGER_ONCE;
    trigger.Type.Daily.DaysInterval = fields.daysInterval;
    return trigger;
}

// Everything but the task name, which the caller keeps or clears.
bool ReadFields(ITask& item, ScheduledJob& task) {
    DWORD flags = 0;
    const bool texts =
        ReadTaskMemText([&](LPWSTR* text) { return item.GetApplicationName(text); },
                        task.application) &&
        ReadTaskMemText([&](LPWSTR* text) { return item.GetWorkingDirectory(text); },
                        task.workingDirectory) &&
        ReadTaskMemText([&](LPWSTR* text) { return item.GetParameters(text); }, task.parameters) &&
        ReadTaskMemText([&](LPWSTR* text) { return item.GetComment(text); }, task.comment);
    if (!texts || FAILED(item.GetFlags(&flags))) return false;
    task.flags = flags;
    // A job kept without an account (XP before one is set; Wine keeps none in its job files) reads
    // as such; any other failure leaves the job unread.
    UniqueTaskMemText account;
    const HRESULT accountRead = item.GetAccountInformation(account.Put());
    task.accountKept = SUCCEEDED(accountRead);
    if (task.accountKept) {
        task.account = account ? account.Get() : L"";
    } else if (accountRead == SCHED_E_ACCOUNT_INFORMATION_NOT_SET ||
               accountRead == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)) {
        task.account.clear();
    } else {
        return false;
    }
    ComPtr<ITaskTrigger> trigger;
    if (FAILED(item.GetTrigger(0, trigger.Put()))) return false;
    TASK_TRIGGER record{};
    record.cbTriggerSize = sizeof(TASK_TRIGGER);
    if (FAILED(trigger->GetTrigger(&record))) return false;
    task.beginYear = record.wBeginYear;
    task.beginMonth = record.wBeginMonth;
    task.beginDay = record.wBeginDay;
    task.startHour = record.wStartHour;
    task.startMinute = record.wStartMinute;
    return true;
}

}  // namespace

SaveOutcome SaveWorkItem(const ScheduledJob& task, bool ntFamily) {
    Scheduler scheduler;
    OpenScheduler(scheduler, ntFamily);
    if (scheduler.failure != SaveOutcome::Saved) return scheduler.failure;
    scheduler.object->Delete(task.taskName.c_str());

    ComPtr<ITask> item;
    if (FAILED(scheduler.object->NewWorkItem(task.taskName.c_str(), CLSID_CTask, IID_ITask,
                                             reinterpret_cast<IUnknown**>(item.Put()))))
        return SaveOutcome::NoWorkItem;
    item->SetApplicationName(task.application.c_str());
    item->SetParameters(task.parameters.c_str());
    item->SetWorkingDirectory(task.workingDirectory.c_str());
    item->SetComment(task.comment.c_str());
    item->SetAccountInformation(task.account.c_str(), nullptr);
    item->SetFlags(task.flags);

    WORD index = 0;
    ComPtr<ITaskTrigger> trigger;
    if (FAILED(item->CreateTrigger(&index, trigger.Put()))) return SaveOutcome::NoTrigger;
    TASK_TRIGGER record = TriggerRecord(task);
    if (FAILED(trigger->SetTrigger(&record))) return SaveOutcome::TriggerNotSet;

    ComPtr<IPersistFile> file;
    if (FAILED(item.As(IID_IPersistFile, file))) return SaveOutcome::NoPersistence;
    if (FAILED(file->Save(nullptr, TRUE))) return SaveOutcome::SaveFailed;
    if (ProtectJobFile(task.taskName)) return SaveOutcome::Saved;
    scheduler.object->Delete(task.taskName.c_str());
    return SaveOutcome::SaveFailed;
}

bool ReadWorkItem(std::wstring_view taskName, ScheduledJob& task, bool ntFamily) {
    const std::wstring name(taskName);
    Scheduler scheduler;
    OpenScheduler(scheduler, ntFamily);
    ComPtr<ITask> item;
    if (scheduler.failure == SaveOutcome::Saved &&
        SUCCEEDED(scheduler.object->Activate(name.c_str(), IID_ITask,
                                             reinterpret_cast<IUnknown**>(item.Put()))) &&
        ReadFields(*item.Get(), task)) {
        task.taskName = name;
        return true;
    }
    task.taskName.clear();
    return false;
}

bool DeleteWorkItem(std::wstring_view taskName, bool ntFamily) {
    Scheduler scheduler;
    OpenScheduler(scheduler, ntFamily);
    return scheduler.failure == SaveOutcome::Saved &&
           SUCCEEDED(scheduler.object->Delete(std::wstring(taskName).c_str()));
}

}  // namespace dusk::win32
