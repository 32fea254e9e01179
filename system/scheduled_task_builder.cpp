#include "system/scheduled_task_builder.h"

#include "core/task_checks.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

ScheduledTask CommonFields(const TaskOwner& owner) {
    ScheduledTask task;
    task.taskName = ScheduledTaskName(owner.taskNameSuffix);
    task.application = owner.programFolder + std::wstring(kProgramFileName);
    task.workingDirectory = owner.programFolder;
    task.account = owner.taskNameSuffix;
    task.comment = kTaskComment;
    task.flags = kWorkItemFlags;
    task.daysInterval = kDaysInterval;
    return task;
}

void SetBeginDate(ScheduledTask& task, DateTime date) {
    const DateTimeParts parts = date.Parts();
    task.beginYear = static_cast<std::uint16_t>(parts.year);
    task.beginMonth = static_cast<std::uint16_t>(parts.month);
    task.beginDay = static_cast<std::uint16_t>(parts.day);
}

void SetStartTime(ScheduledTask& task, DateTime timeOfDay) {
    const DateTimeParts parts = timeOfDay.Parts();
    task.startHour = static_cast<std::uint16_t>(parts.hour);
    task.startMinute = static_cast<std::uint16_t>(parts.minute);
}

TaskBuild Rejected(TaskRejection rejection, std::wstring warning) {
    TaskBuild build;
    build.rejection = rejection;
    build.warning = std::move(warning);
    return build;
}

}  // namespace

std::wstring ScheduledTaskName(std::wstring_view taskNameSuffix) {
    return std::wstring(kTaskNamePrefix) + std::wstring(taskNameSuffix);
}

TaskBuild BuildScheduledTask(const TriggerChoice& choice, std::wstring_view actionKeyword,
                             DateTime now, const RegionalFormats& formats, const TaskOwner& owner,
                             const MessageCatalogue& catalogue) {
    TaskBuild build;
    build.task = CommonFields(owner);
    ScheduledTask& task = build.task;
    const std::wstring keyword(actionKeyword);
    switch (choice.kind) {
        case TriggerKind::Daily:
            build.dailyTimeText = formats.FormatLongTime(choice.dailyTime);
            task.parameters = L"-Day -" + keyword;
            SetBeginDate(task, now);
            SetStartTime(task, choice.dailyTime);
            task.triggerKind = kTriggerKindDaily;
            return build;
        case TriggerKind::Specified: {
            SpecifiedCheck check = CheckSpecifiedNotPast(choice.specifiedDate, choice.specifiedTime,
                                                         now, formats, catalogue);
            if (!check.accepted)
                return Rejected(TaskRejection::NotInFuture, std::move(check.message));
            build.dueText = SpecifiedDueText(choice.specifiedDate, choice.specifiedTime, formats);
            task.parameters = L"-Specified -" + keyword;
            SetBeginDate(task, choice.specifiedDate);
            SetStartTime(task, choice.specifiedTime);
            task.triggerKind = kTriggerKindSpecified;
            return build;
        }
        case TriggerKind::FromNow: {
            if (IsZeroDelay(choice.delayHours, choice.delayMinutes))
                return Rejected(TaskRejection::ZeroDelay,
                                catalogue.Text(CatalogueEntry::SetTheDelay));
            const DateTime due = DelayedDue(now, DelayFieldValue(choice.delayHours),
                                            DelayFieldValue(choice.delayMinutes));
            build.dueText = formats.FormatDefault(due);
            task.parameters =
                L"-From -" + keyword + L" -time:" + choice.delayHours + L"|" + choice.delayMinutes;
            SetBeginDate(task, due);
            SetStartTime(task, due);
            task.triggerKind = kTriggerKindFromNow;
            return build;
        }
        case TriggerKind::None:
            break;
    }
    return Rejected(TaskRejection::NoTrigger, {});
}

}  // namespace dusk
