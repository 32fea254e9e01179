#pragma once
#include <string>
#include <string_view>

#include "system/scheduled_job.h"
#include "system/task_scheduler.h"

namespace dusk {

// The Task Scheduler 2.0 form of a job: the XML task definition registered under the job's
// name, and what the scheduler answers when the job is read back.

// Who may read, change or run the program's jobs: Administrators and the system alone, so that
// no unelevated process, the user's own included, can make the elevated job start something else.
constexpr std::wstring_view kJobSecurityDescriptor = L"D:P(A;;FA;;;BA)(A;;FA;;;SY)";

// "2016-11-05T07:30:00": the trigger's begin date and start time, local time.
std::wstring StartBoundary(const ScheduledJob& task);

// The task definition: the program with its parameters and working directory, the comment as
// description, one trigger (a calendar trigger every days-interval days, or a time trigger
// once), run with the account's interactive token at the highest level available, on battery
// too, without a time limit.
std::wstring TaskDefinitionXml(const ScheduledJob& task);

// The program's start at the user's log-on: a task with a log-on trigger for the user that starts
// the program without arguments, as the Run value does.
struct LogonTask {
    std::wstring taskName;  // the job's name followed by "Logon"
    std::wstring application;
    std::wstring workingDirectory;
    std::wstring account;  // the user whose log-on starts it and who it runs for
};

LogonTask MakeLogonTask(const TaskOwner& owner);

// The log-on task's definition: a log-on trigger for the account, run with the account's
// interactive token at the highest level available, on battery too, without a time limit.
std::wstring LogonTaskDefinitionXml(const LogonTask& task);

enum class RegisteredTrigger { None, Daily, Once, Logon, Other };

// What the scheduler reports of a registered job: its first action and its triggers.
struct RegisteredTaskView {
    std::wstring program;
    std::wstring arguments;
    std::wstring workingDirectory;
    std::wstring description;
    int triggerCount = 0;
    RegisteredTrigger trigger = RegisteredTrigger::None;  // the first trigger
    std::wstring startBoundary;
    int daysInterval = 0;   // daily triggers only
    std::wstring userId{};  // of the principal
    bool highestRunLevel = false;
};

// True when the job reads back with the program, parameters and the one trigger it was
// registered with.
bool ReadsBackAsRegistered(const ScheduledJob& task, const RegisteredTaskView& view);

// True when the log-on task reads back with its program, no arguments, its one log-on trigger,
// and its user at the highest run level.
bool ReadsBackAsRegistered(const LogonTask& task, const RegisteredTaskView& view);

// Fills the record as a 1.0 read would (program, parameters, working directory, comment, the
// principal's user as account, flags 0, and begin date and start time of the first trigger);
// false, with the record untouched,
// when the job has no program or no trigger with a readable start boundary.
bool FillFromRegisteredTask(const RegisteredTaskView& view, ScheduledJob& task);

}  // namespace dusk
