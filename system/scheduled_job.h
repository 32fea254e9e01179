#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/task_registration.h"
#include "system/task_scheduler.h"

namespace dusk {

// The user the program runs for, as the scheduler may name a job's account.
struct UserAccount {
    std::wstring qualifiedName;  // "DOMAIN\user"
    std::wstring sid;            // "S-1-5-21-..."
};

// Where the program lives and whose job it is.
struct TaskOwner {
    std::wstring programFolder;  // with its trailing separator
    std::wstring taskNameSuffix;
    UserAccount user{};  // without a name, the job's account is the task name suffix
};

// "TolvaneDuskRelay" followed by the suffix.
std::wstring ScheduledJobName(std::wstring_view taskNameSuffix);

// The job that starts the program again with the task's parameters ("-Day -Shutdown",
// "-Specified -Logoff", "-From -Hibernate -time:1|0") when the task falls due: daily from the
// start's date at its time of day, or once at the start, to the minute.
ScheduledJob MakeScheduledJob(const ScheduledTask& task, const TaskOwner& owner);

// True for a job the program can trust: it starts this program (the owner's folder and program
// file) and runs for the owner's user, named in any form the scheduler reports (qualified, bare,
// or as the SID). A job whose scheduler keeps no account is judged by its program alone.
bool IsOwnJob(const ScheduledJob& job, const TaskOwner& owner);

// The task a job read back from the scheduler stands for. The trigger and the action come from
// case-sensitive searches of its parameter text, each made in turn; the delay texts are those
// between the first ":" and the first "|" and after the first "|".
ScheduledTask TaskOfJob(const ScheduledJob& job);

}  // namespace dusk
