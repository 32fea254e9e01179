#include "system/scheduled_job.h"

#include "base/text_case.h"

namespace dusk {

namespace {

std::wstring ParameterText(const ScheduledTask& task) {
    switch (task.trigger) {
        case TriggerKind::Daily:
            return L"-Day -" + task.actionKeyword;
        case TriggerKind::Specified:
            return L"-Specified -" + task.actionKeyword;
        case TriggerKind::FromNow:
            return L"-From -" + task.actionKeyword + L" -time:" + task.delayHoursText + L"|" +
                   task.delayMinutesText;
        case TriggerKind::None:
            break;
    }
    return {};
}

std::wstring_view KindWord(TriggerKind trigger) {
    switch (trigger) {
        case TriggerKind::Daily:
            return kTriggerKindDaily;
        case TriggerKind::Specified:
            return kTriggerKindSpecified;
        default:
            return kTriggerKindFromNow;
    }
}

bool Contains(std::wstring_view text, std::wstring_view part) {
    return text.find(part) != std::wstring_view::npos;
}

std::wstring_view Unquoted(std::wstring_view path) {
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        return path.substr(1, path.size() - 2);
    return path;
}

bool IsOwnersAccount(std::wstring_view account, const TaskOwner& owner) {
    if (account.empty()) return false;  // an empty account runs as the system itself
    const std::wstring_view qualified = owner.user.qualifiedName;
    // The whole name when it has no domain part (npos + 1 is 0).
    const std::wstring_view bare = qualified.substr(qualified.find(L'\\') + 1);
    return EqualsIgnoringCase(account, qualified) || EqualsIgnoringCase(account, bare) ||
           EqualsIgnoringCase(account, owner.user.sid) ||
           (qualified.empty() && EqualsIgnoringCase(account, owner.taskNameSuffix));
}

}  // namespace

std::wstring ScheduledJobName(std::wstring_view taskNameSuffix) {
    return std::wstring(kTaskNamePrefix) + std::wstring(taskNameSuffix);
}

ScheduledJob MakeScheduledJob(const ScheduledTask& task, const TaskOwner& owner) {
    ScheduledJob job;
    job.taskName = ScheduledJobName(owner.taskNameSuffix);
    job.application = owner.programFolder + std::wstring(kProgramFileName);
    job.parameters = ParameterText(task);
    job.workingDirectory = owner.programFolder;
    job.account =
        owner.user.qualifiedName.empty() ? owner.taskNameSuffix : owner.user.qualifiedName;
    job.comment = kTaskComment;
    const DateTimeParts start = task.start.Parts();
    job.beginYear = static_cast<std::uint16_t>(start.year);
    job.beginMonth = static_cast<std::uint16_t>(start.month);
    job.beginDay = static_cast<std::uint16_t>(start.day);
    job.startHour = static_cast<std::uint16_t>(start.hour);
    job.startMinute = static_cast<std::uint16_t>(start.minute);
    job.flags = kWorkItemFlags;
    job.triggerKind = KindWord(task.trigger);
    job.daysInterval = kDaysInterval;
    return job;
}

bool IsOwnJob(const ScheduledJob& job, const TaskOwner& owner) {
    const std::wstring program = owner.programFolder + std::wstring(kProgramFileName);
    return EqualsIgnoringCase(Unquoted(job.application), program) &&
           (!job.accountKept || IsOwnersAccount(job.account, owner));
}

ScheduledTask TaskOfJob(const ScheduledJob& job) {
    const std::wstring_view p = job.parameters;
    ScheduledTask task;
    if (Contains(p, L"Day")) task.trigger = TriggerKind::Daily;
    if (Contains(p, L"Specified")) task.trigger = TriggerKind::Specified;
    if (Contains(p, L"From")) {
        task.trigger = TriggerKind::FromNow;
        const std::size_t colon = p.find(L':');
        const std::size_t bar = p.find(L'|');
        if (colon != std::wstring_view::npos && bar != std::wstring_view::npos && colon < bar) {
            task.delayHoursText = p.substr(colon + 1, bar - colon - 1);
        }
        if (bar != std::wstring_view::npos) task.delayMinutesText = p.substr(bar + 1);
    }
    for (const ActionInfo& action : kActions) {
        if (Contains(p, action.keyword)) task.actionKeyword = action.keyword;
    }
    // A damaged date leaves the start at its default, which is long past: no task is acted on.
    if (const auto start = DateTime::FromParts(
            {job.beginYear, job.beginMonth, job.beginDay, job.startHour, job.startMinute})) {
        task.start = *start;
    }
    return task;
}

}  // namespace dusk
