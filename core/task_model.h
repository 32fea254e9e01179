#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dusk {

constexpr std::int32_t kActionNone = -1;  // no action stored: nothing is performed
constexpr std::int32_t kActionShutDown = 0;
constexpr std::int32_t kActionLogOff = 1;
constexpr std::int32_t kActionStandBy = 2;
constexpr std::int32_t kActionHibernate = 3;
constexpr std::int32_t kActionStandByAlias = 4;  // performed as stand by; never set by a task
constexpr std::int32_t kActionRestart = 5;

struct ActionInfo {
    std::int32_t code;
    std::wstring_view caption;
    std::wstring_view keyword;  // the action's name in a scheduled task's parameters
};

// In radio-button order.
constexpr std::array<ActionInfo, 5> kActions = {{
    {kActionShutDown, L"Shut down", L"Shutdown"},
    {kActionLogOff, L"Log off", L"Logoff"},
    {kActionStandBy, L"Stand by", L"Standby"},
    {kActionHibernate, L"Hibernate", L"Hibernate"},
    {kActionRestart, L"Restart", L"Restart"},
}};

// The program's file, as the Run value and the scheduler's job start it.
constexpr std::wstring_view kProgramFileName = L"DuskRelay.exe";

// The stand-by caption on Windows Vista and later.
constexpr std::wstring_view kSleepCaption = L"Sleep";

// Null for a code that no radio button stands for (-1, 4, anything else).
const ActionInfo* FindAction(std::int32_t code);
// The action's place in kActions and among the radio buttons; null for such a code.
std::optional<std::size_t> ActionIndex(std::int32_t code);
// Empty for such a code.
std::wstring_view ActionKeyword(std::int32_t code);

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

// The one task a process holds. Times are texts in the regional forms that wrote them.
struct TaskRecord {
    std::int32_t actionCode = kActionShutDown;
    TriggerKind trigger = TriggerKind::None;
    std::wstring dailyTimeText;   // long time form; daily tasks
    std::wstring dueText;         // date-time (specified) or default (from now) form
    std::wstring fromNowDueText;  // due moment of a running from-now task, as summarised
    TaskStatus status = TaskStatus::None;
};

}  // namespace dusk
