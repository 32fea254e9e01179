#include "system/task_definition.h"

#include <cwchar>
#include <iterator>
#include <optional>

#include "base/date_time.h"
#include "base/text_case.h"
#include "system/scheduled_trigger.h"

namespace dusk {

namespace {

std::wstring EscapeXml(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        switch (c) {
            case L'&':
                out += L"&amp;";
                break;
            case L'<':
                out += L"&lt;";
                break;
            case L'>':
                out += L"&gt;";
                break;
            case L'"':
                out += L"&quot;";
                break;
            case L'\'':
                out += L"&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::wstring Element(std::wstring_view name, std::wstring_view escapedContent) {
    const std::wstring tag(name);
    return L"<" + tag + L">" + std::wstring(escapedContent) + L"</" + tag + L">";
}

std::wstring TriggerXml(const ScheduledJob& task) {
    const std::wstring common =
        Element(L"StartBoundary", StartBoundary(task)) + Element(L"Enabled", L"true");
    if (!IsDailyTrigger(task)) return Element(L"TimeTrigger", common);
    const std::wstring interval = std::to_wstring(TriggerFieldsFor(task).daysInterval);
    return Element(L"CalendarTrigger",
                   common + Element(L"ScheduleByDay", Element(L"DaysInterval", interval)));
}

// Reads exactly `digits` decimal digits at pos.
std::optional<int> ReadDigits(std::wstring_view text, std::size_t pos, std::size_t digits) {
    if (pos + digits > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + digits; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
        value = value * 10 + (text[i] - L'0');
    }
    return value;
}

// "YYYY-MM-DDTHH:MM", followed by anything (seconds, a fraction, a time zone).
std::optional<DateTimeParts> ParseStartBoundary(std::wstring_view text) {
    constexpr std::wstring_view kShape = L"0000-00-00T00:00";
    if (text.size() < kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] != L'0' && text[i] != kShape[i]) return std::nullopt;
    }
    const auto year = ReadDigits(text, 0, 4), month = ReadDigits(text, 5, 2),
               day = ReadDigits(text, 8, 2), hour = ReadDigits(text, 11, 2),
               minute = ReadDigits(text, 14, 2);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    const DateTimeParts parts{
        .year = *year, .month = *month, .day = *day, .hour = *hour, .minute = *minute};
    if (!DateTime::FromParts(parts)) return std::nullopt;
    return parts;
}

}  // namespace

std::wstring StartBoundary(const ScheduledJob& task) {
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"%04u-%02u-%02uT%02u:%02u:00", unsigned{task.beginYear},
                  unsigned{task.beginMonth}, unsigned{task.beginDay}, unsigned{task.startHour},
                  unsigned{task.startMinute});
    return text;
}

namespace {

struct DefinitionParts {
    std::wstring_view triggerXml;
    std::wstring_view description, account, application, parameters, workingDirectory;
};

std::wstring DefinitionXml(const DefinitionParts& parts) {
    const std::wstring registration =
        Element(L"RegistrationInfo", Element(L"Description", EscapeXml(parts.description)));
    const std::wstring principal =
        L"<Principals><Principal id=\"Author\">" + Element(L"UserId", EscapeXml(parts.account)) +
        Element(L"LogonType", L"InteractiveToken") + Element(L"RunLevel", L"HighestAvailable") +
        L"</Principal></Principals>";
    // A run that finds the program's earlier process still running must start all the same.
    const std::wstring settings = Element(
        L"Settings", Element(L"MultipleInstancesPolicy", L"Parallel") +
                         Element(L"DisallowStartIfOnBatteries", L"false") +
                         Element(L"StopIfGoingOnBatteries", L"false") +
                         Element(L"ExecutionTimeLimit", L"PT0S") + Element(L"Enabled", L"true"));
    const std::wstring arguments = parts.parameters.empty()
                                       ? std::wstring()
                                       : Element(L"Arguments", EscapeXml(parts.parameters));
    const std::wstring actions =
        L"<Actions Context=\"Author\">" +
        Element(L"Exec", Element(L"Command", EscapeXml(parts.application)) + arguments +
                             Element(L"WorkingDirectory", EscapeXml(parts.workingDirectory))) +
        L"</Actions>";
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
           L"<Task version=\"1.2\" "
           L"xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">" +
           registration + Element(L"Triggers", parts.triggerXml) + principal + settings + actions +
           L"</Task>";
}

}  // namespace

std::wstring TaskDefinitionXml(const ScheduledJob& task) {
    return DefinitionXml({TriggerXml(task), task.comment, task.account, task.application,
                          task.parameters, task.workingDirectory});
}

LogonTask MakeLogonTask(const TaskOwner& owner) {
    const ScheduledJob job = MakeScheduledJob({}, owner);
    return {job.taskName + L"Logon", job.application, job.workingDirectory, job.account};
}

std::wstring LogonTaskDefinitionXml(const LogonTask& task) {
    const std::wstring trigger =
        Element(L"LogonTrigger",
                Element(L"Enabled", L"true") + Element(L"UserId", EscapeXml(task.account)));
    return DefinitionXml(
        {trigger, kTaskComment, task.account, task.application, L"", task.workingDirectory});
}

bool ReadsBackAsRegistered(const LogonTask& task, const RegisteredTaskView& view) {
    return view.triggerCount == 1 && view.trigger == RegisteredTrigger::Logon &&
           view.program == task.application && view.arguments.empty() &&
           EqualsIgnoringCase(view.userId, task.account) && view.highestRunLevel;
}

bool ReadsBackAsRegistered(const ScheduledJob& task, const RegisteredTaskView& view) {
    const bool daily = IsDailyTrigger(task);
    const bool triggerMatches =
        view.triggerCount == 1 &&
        view.trigger == (daily ? RegisteredTrigger::Daily : RegisteredTrigger::Once) &&
        view.startBoundary == StartBoundary(task) &&
        (!daily || view.daysInterval == TriggerFieldsFor(task).daysInterval);
    return triggerMatches && view.program == task.application && view.arguments == task.parameters;
}

bool FillFromRegisteredTask(const RegisteredTaskView& view, ScheduledJob& task) {
    if (view.program.empty() || view.triggerCount < 1) return false;
    const std::optional<DateTimeParts> start = ParseStartBoundary(view.startBoundary);
    if (!start) return false;
    task.application = view.program;
    task.parameters = view.arguments;
    task.workingDirectory = view.workingDirectory;
    task.comment = view.description;
    task.account = view.userId;
    task.accountKept = true;  // a 2.0 job always has a principal, if only a group
    task.flags = 0;           // 2.0 jobs have no work item flags
    task.beginYear = static_cast<std::uint16_t>(start->year);
    task.beginMonth = static_cast<std::uint16_t>(start->month);
    task.beginDay = static_cast<std::uint16_t>(start->day);
    task.startHour = static_cast<std::uint16_t>(start->hour);
    task.startMinute = static_cast<std::uint16_t>(start->minute);
    return true;
}

}  // namespace dusk
