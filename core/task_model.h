#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace dusk {

// The power action a task performs. None: no action is known (the store held none); nothing
// is performed then.
enum class TaskAction { None, ShutDown, LogOff, StandBy, Hibernate, Restart };

struct ActionInfo {
    TaskAction action;
    std::wstring_view caption;
    std::wstring_view keyword;  // the action's name in a scheduled task's parameters
};

// In radio-button order.
constexpr std::array<ActionInfo, 5> kActions = {{
    {TaskAction::ShutDown, L"Shut down", L"Shutdown"},
    {TaskAction::LogOff, L"Log off", L"Logoff"},
    {TaskAction::StandBy, L"Stand by", L"Standby"},
    {TaskAction::Hibernate, L"Hibernate", L"Hibernate"},
    {TaskAction::Restart, L"Restart", L"Restart"},
}};

// The program's file, as the Run value and the scheduler's job start it.
constexpr std::wstring_view kProgramFileName = L"DuskRelay.exe";

// The stand-by caption on Windows Vista and later.
constexpr std::wstring_view kSleepCaption = L"Sleep";

// The action's place in kActions and among the radio buttons; nothing for None.
std::optional<std::size_t> ActionIndex(TaskAction action);
// Empty for None.
std::wstring_view ActionKeyword(TaskAction action);
// None for a keyword no action has.
TaskAction ActionOfKeyword(std::wstring_view keyword);

enum class TriggerKind { None, Daily, Specified, FromNow };

constexpr bool IsOneShot(TriggerKind kind) {
    return kind == TriggerKind::Specified || kind == TriggerKind::FromNow;
}

enum class TaskStatus {
    None,  // no task set since start-up
    Set,
    Ended,  // cancelled, or a one-shot task carried out
};

constexpr bool IsTaskSet(TaskStatus status) { return status == TaskStatus::Set; }

// The one task a process holds.
struct TaskRecord {
    TaskAction action = TaskAction::ShutDown;
    TriggerKind trigger = TriggerKind::None;
    TimeOfDay dailyTime;  // daily tasks
    DateTime due;         // one-shot tasks
    TaskStatus status = TaskStatus::None;
};

}  // namespace dusk
