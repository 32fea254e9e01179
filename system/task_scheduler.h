#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace dusk {

// What the system scheduler knows of the program's job.
constexpr std::wstring_view kTaskNamePrefix = L"TolvaneDuskRelay";  // + the task name suffix
constexpr std::wstring_view kTaskComment = L"Tolvane Dusk Relay";
// TASK_FLAG_INTERACTIVE | TASK_FLAG_RUN_ONLY_IF_LOGGED_ON
constexpr std::uint32_t kWorkItemFlags = 0x2001;
constexpr std::uint32_t kDaysInterval = 1;

// The trigger kind words, compared without regard to letter case.
constexpr std::wstring_view kTriggerKindDaily = L"Day";
constexpr std::wstring_view kTriggerKindSpecified = L"Specified";
constexpr std::wstring_view kTriggerKindFromNow = L"From";

constexpr std::wstring_view kSchedulerServiceName = L"Schedule";
constexpr std::uint32_t kServiceAutoStart = 2;  // SERVICE_AUTO_START
constexpr std::wstring_view kSecurityPrivilegeName = L"SeSecurityPrivilege";

// One job of the system scheduler: an executable with its parameter text, started by one
// trigger (daily from a date at an hour and minute, or once at a date, hour and minute).
struct ScheduledJob {
    std::wstring taskName;
    std::wstring application;  // full path of the executable
    std::wstring parameters;   // "-Day -Shutdown", "-From -Logoff -time:2|05" ...
    std::wstring workingDirectory;
    std::wstring account;  // run as this user, without a password
    // Read back: false when the scheduler keeps no account for the job (Wine's 1.0 keeps none).
    bool accountKept = true;
    std::wstring comment;
    std::uint16_t beginYear = 0;
    std::uint16_t beginMonth = 0;
    std::uint16_t beginDay = 0;
    std::uint16_t startHour = 0;
    std::uint16_t startMinute = 0;
    std::uint32_t flags = 0;
    std::wstring triggerKind;  // kTriggerKindDaily, kTriggerKindSpecified or kTriggerKindFromNow
    std::uint32_t daysInterval = 0;

    friend bool operator==(const ScheduledJob&, const ScheduledJob&) = default;
};

// The outcome of saving a job; 3 is never produced.
enum class SaveOutcome : int {
    Saved = 0,
    NoScheduler = 1,    // the scheduler object is not available
    NoPrivilege = 2,    // the security privilege could not be enabled
    NoWorkItem = 4,     // the job could not be created
    SaveFailed = 5,     // the job could not be written
    NoPersistence = 6,  // the job offers no way to be written
    NoTrigger = 7,      // the trigger could not be created
    TriggerNotSet = 8,  // the trigger was refused
};

// The system scheduler and its service. Every call runs on the GUI thread; the Windows
// implementation knows the operating-system family it runs on.
class TaskScheduler {
public:
    virtual ~TaskScheduler() = default;

    // Replaces any job of the same name.
    virtual SaveOutcome SaveTask(const ScheduledJob& task) = 0;
    // On success sets task.taskName and fills application, parameters, working directory,
    // comment, account, flags (0 for a Task Scheduler 2.0 job), and the begin date and start
    // time of the first trigger. On failure clears task.taskName.
    virtual bool ReadTask(std::wstring_view taskName, ScheduledJob& task) = 0;
    // True when the scheduler reports the job deleted; false also when there was none.
    virtual bool DeleteTask(std::wstring_view taskName) = 0;

    virtual bool IsSchedulerRunning() = 0;
    // Keeps the window responsive while it waits for the scheduler.
    virtual bool StartScheduler() = 0;

    virtual bool QueryServiceStartType(std::wstring_view serviceName, std::uint32_t& startType) = 0;
    virtual bool SetServiceStartType(std::wstring_view serviceName, std::uint32_t startType) = 0;
};

}  // namespace dusk
