// Reading a task back from a scheduled job. An odd first byte gives a job read back from the
// scheduler with any date and parameter text: what TaskOfJob makes of it must be one of the
// program's keywords and a valid start. An even one gives a task of the program: its own job
// must read back as the same task, to the minute.
#include <algorithm>

#include "fuzz/fuzz_input.h"
#include "system/scheduled_job.h"

namespace {

using namespace dusk;

void CheckForeignJob(dusk::fuzz::FuzzInput& input) {
    ScheduledJob job;
    job.beginYear = input.Uint16();
    job.beginMonth = input.Uint16();
    job.beginDay = input.Uint16();
    job.startHour = input.Uint16();
    job.startMinute = input.Uint16();
    job.parameters = input.Text();
    const ScheduledTask task = TaskOfJob(job);

    const bool known = std::ranges::any_of(
        kActions, [&](const ActionInfo& action) { return action.keyword == task.actionKeyword; });
    FUZZ_CHECK(task.actionKeyword.empty() || known);
    FUZZ_CHECK(job.parameters.find(task.delayHoursText) != std::wstring::npos);
    FUZZ_CHECK(job.parameters.find(task.delayMinutesText) != std::wstring::npos);
    const auto start = DateTime::FromParts(
        {job.beginYear, job.beginMonth, job.beginDay, job.startHour, job.startMinute});
    FUZZ_CHECK(task.start == (start ? *start : DateTime()));
}

std::wstring Digits(dusk::fuzz::FuzzInput& input) {
    std::wstring digits(input.Byte() % 4, L'0');
    for (wchar_t& digit : digits) digit = static_cast<wchar_t>(L'0' + input.Byte() % 10);
    return digits;
}

void CheckOwnJob(dusk::fuzz::FuzzInput& input) {
    constexpr TriggerKind kTriggers[] = {TriggerKind::Daily, TriggerKind::Specified,
                                         TriggerKind::FromNow};
    ScheduledTask task;
    task.actionKeyword = std::wstring(kActions[input.Byte() % std::size(kActions)].keyword);
    task.trigger = kTriggers[input.Byte() % std::size(kTriggers)];
    const auto start = DateTime::FromParts({1 + input.Uint16() % 9999, 1 + input.Byte() % 12,
                                            1 + input.Byte() % 28, input.Byte() % 24,
                                            input.Byte() % 60, input.Byte() % 60});
    task.start = *start;
    if (task.trigger == TriggerKind::FromNow) {
        task.delayHoursText = Digits(input);
        task.delayMinutesText = Digits(input);
    }
    const TaskOwner owner{L"C:\\Program Files\\Tolvane\\Dusk Relay\\", input.Text()};

    const ScheduledTask read = TaskOfJob(MakeScheduledJob(task, owner));
    FUZZ_CHECK(read.actionKeyword == task.actionKeyword);
    FUZZ_CHECK(read.trigger == task.trigger);
    FUZZ_CHECK(read.delayHoursText == task.delayHoursText);
    FUZZ_CHECK(read.delayMinutesText == task.delayMinutesText);
    FUZZ_CHECK(read.start ==
               task.start.Plus(-(task.start.Milliseconds() % DateTime::kMsPerMinute)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dusk::fuzz::FuzzInput input(data, size);
    if (input.Byte() % 2 == 1) {
        CheckForeignJob(input);
    } else {
        CheckOwnJob(input);
    }
    return 0;
}
