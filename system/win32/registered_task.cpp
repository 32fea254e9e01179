#include "system/win32/registered_task.h"

#include <windows.h>
// windows.h first: the scheduler headers build on it.
#include <taskschd.h>

#include <string>

#include "base/win32/unique_handle.h"
#include "system/win32/com_text.h"

namespace dusk::win32 {

namespace {

// VT_EMPTY, as VariantInit leaves it.
VARIANT EmptyVariant() { return VARIANT{}; }

// The root folder of a connected task service.
ComPtr<ITaskFolder> OpenRootFolder() {
    ComPtr<ITaskService> service;
    ComPtr<ITaskFolder> folder;
    if (FAILED(com::CreateInstance(CLSID_TaskScheduler, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                   service.PutVoid())))
        return folder;
    if (FAILED(service->Connect(EmptyVariant(), EmptyVariant(), EmptyVariant(), EmptyVariant())))
        return folder;
    service->GetFolder(MakeBstr(L"\\").Get(), folder.Put());
    return folder;
}

void ReadFirstAction(ITaskDefinition& definition, RegisteredTaskView& view) {
    ComPtr<IActionCollection> actions;
    ComPtr<IAction> action;
    ComPtr<IExecAction> exec;
    if (FAILED(definition.get_Actions(actions.Put())) ||
        FAILED(actions->get_Item(1, action.Put())) || FAILED(action.As(IID_IExecAction, exec)))
        return;
    ReadBstr([&](BSTR* text) { return exec->get_Path(text); }, view.program);
    ReadBstr([&](BSTR* text) { return exec->get_Arguments(text); }, view.arguments);
    ReadBstr([&](BSTR* text) { return exec->get_WorkingDirectory(text); }, view.workingDirectory);
}

void ReadDescription(ITaskDefinition& definition, RegisteredTaskView& view) {
    ComPtr<IRegistrationInfo> info;
    if (SUCCEEDED(definition.get_RegistrationInfo(info.Put())))
        ReadBstr([&](BSTR* text) { return info->get_Description(text); }, view.description);
}

void ReadPrincipal(ITaskDefinition& definition, RegisteredTaskView& view) {
    ComPtr<IPrincipal> principal;
    if (FAILED(definition.get_Principal(principal.Put()))) return;
    ReadBstr([&](BSTR* text) { return principal->get_UserId(text); }, view.userId);
    TASK_RUNLEVEL_TYPE level = TASK_RUNLEVEL_LUA;
    view.highestRunLevel =
        SUCCEEDED(principal->get_RunLevel(&level)) && level == TASK_RUNLEVEL_HIGHEST;
}

void ReadFirstTrigger(ITaskDefinition& definition, RegisteredTaskView& view) {
    ComPtr<ITriggerCollection> triggers;
    LONG count = 0;
    if (FAILED(definition.get_Triggers(triggers.Put())) || FAILED(triggers->get_Count(&count)))
        return;
    view.triggerCount = static_cast<int>(count);
    ComPtr<ITrigger> trigger;
    TASK_TRIGGER_TYPE2 type{};
    if (count < 1 || FAILED(triggers->get_Item(1, trigger.Put())) ||
        FAILED(trigger->get_Type(&type)))
        return;
    ReadBstr([&](BSTR* text) { return trigger->get_StartBoundary(text); }, view.startBoundary);
    view.trigger = type == TASK_TRIGGER_TIME    ? RegisteredTrigger::Once
                   : type == TASK_TRIGGER_DAILY ? RegisteredTrigger::Daily
                   : type == TASK_TRIGGER_LOGON ? RegisteredTrigger::Logon
                                                : RegisteredTrigger::Other;
    ComPtr<IDailyTrigger> daily;
    short interval = 0;
    if (view.trigger == RegisteredTrigger::Daily &&
        SUCCEEDED(trigger.As(IID_IDailyTrigger, daily)) &&
        SUCCEEDED(daily->get_DaysInterval(&interval)))
        view.daysInterval = interval;
}

std::optional<RegisteredTaskView> ReadTask(ITaskFolder& folder, std::wstring_view taskName) {
    ComPtr<IRegisteredTask> task;
    ComPtr<ITaskDefinition> definition;
    if (FAILED(folder.GetTask(MakeBstr(taskName).Get(), task.Put())) ||
        FAILED(task->get_Definition(definition.Put())))
        return std::nullopt;
    RegisteredTaskView view;
    ReadFirstAction(*definition.Get(), view);
    ReadDescription(*definition.Get(), view);
    ReadPrincipal(*definition.Get(), view);
    ReadFirstTrigger(*definition.Get(), view);
    return view;
}

}  // namespace

namespace {

// Registers a task definition for Administrators and the system only, after deleting any task of
// the name (an update would keep the security of a task someone else made); answers what the
// scheduler then holds.
std::optional<RegisteredTaskView> RegisterDefinition(std::wstring_view taskName,
                                                     const std::wstring& definition) {
    const ComPtr<ITaskFolder> folder = OpenRootFolder();
    if (!folder) return std::nullopt;
    folder->DeleteTask(MakeBstr(taskName).Get(), 0);
    ComPtr<IRegisteredTask> registered;
    const UniqueBstr security = MakeBstr(kJobSecurityDescriptor);
    VARIANT securityValue = EmptyVariant();
    securityValue.vt = VT_BSTR;
    securityValue.bstrVal = security.Get();
    if (FAILED(folder->RegisterTask(MakeBstr(taskName).Get(), MakeBstr(definition).Get(),
                                    TASK_CREATE, EmptyVariant(), EmptyVariant(),
                                    TASK_LOGON_INTERACTIVE_TOKEN, securityValue, registered.Put())))
        return std::nullopt;
    return ReadTask(*folder.Get(), taskName);
}

}  // namespace

bool RegisterTask(const ScheduledJob& task) {
    const std::optional<RegisteredTaskView> view =
        RegisterDefinition(task.taskName, TaskDefinitionXml(task));
    return view && ReadsBackAsRegistered(task, *view);
}

bool RegisterLogonTask(const LogonTask& task) {
    const std::optional<RegisteredTaskView> view =
        RegisterDefinition(task.taskName, LogonTaskDefinitionXml(task));
    return view && ReadsBackAsRegistered(task, *view);
}

std::optional<RegisteredTaskView> ReadRegisteredTask(std::wstring_view taskName) {
    const ComPtr<ITaskFolder> folder = OpenRootFolder();
    if (!folder) return std::nullopt;
    return ReadTask(*folder.Get(), taskName);
}

bool DeleteRegisteredTask(std::wstring_view taskName) {
    const ComPtr<ITaskFolder> folder = OpenRootFolder();
    return folder && SUCCEEDED(folder->DeleteTask(MakeBstr(taskName).Get(), 0));
}

}  // namespace dusk::win32
