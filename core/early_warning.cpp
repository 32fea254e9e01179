#include "core/early_warning.h"

#include <algorithm>

#include "core/stored_settings.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

// The task's next moment after now: a daily task's next showing, a one-shot task's own.
std::optional<DateTime> NextMoment(const TaskRecord& task, DateTime now) {
    if (!IsTaskSet(task.status)) return std::nullopt;
    if (task.trigger == TriggerKind::Daily) {
        return now.WholeSecond().Plus(DailyMsAhead(task.dailyTime, now));
    }
    if (IsOneShot(task.trigger)) return task.due;
    return std::nullopt;
}

}  // namespace

std::int32_t ReadWarnMinutes(SettingsStore& store) {
    std::int32_t minutes = kDefaultWarnMinutes;
    if (!ReadStoredInteger(store, kRootLocalMachine, kSettingsKeyPath, kWarnMinutesValue,
                           minutes) ||
        std::find(kWarnMinutesChoices.begin(), kWarnMinutesChoices.end(), minutes) ==
            kWarnMinutesChoices.end()) {
        return kDefaultWarnMinutes;
    }
    return minutes;
}

bool WriteWarnMinutes(SettingsStore& store, std::int32_t minutes) {
    return WriteStoredInteger(store, kRootLocalMachine, kSettingsKeyPath, kWarnMinutesValue,
                              minutes) == kWriteDone;
}

std::wstring EarlyWarningText(std::wstring_view actionCaption, const WarningDue& warning,
                              const RegionalFormats& formats) {
    const std::wstring minutes =
        warning.minutesLeft == 1 ? L"1 minute" : std::to_wstring(warning.minutesLeft) + L" minutes";
    return std::wstring(actionCaption) + L" in " + minutes + L", at " +
           formats.FormatLongTime(warning.due);
}

std::optional<WarningDue> EarlyWarning::Check(const TaskRecord& task, DateTime now,
                                              std::int32_t leadMinutes) {
    if (leadMinutes <= 0) return std::nullopt;
    if (extraMoment_) {
        if (auto warning = CheckMoment(*extraMoment_, now, leadMinutes)) return warning;
    }
    const auto moment = NextMoment(task, now);
    if (!moment) return std::nullopt;
    return CheckMoment(*moment, now, leadMinutes);
}

std::optional<WarningDue> EarlyWarning::CheckMoment(DateTime due, DateTime now,
                                                    std::int32_t leadMinutes) {
    const std::int64_t ahead = MillisecondsBetween(due, now);
    if (ahead <= kDueWindowMs || ahead > leadMinutes * DateTime::kMsPerMinute) return std::nullopt;
    if (warned_ == due) return std::nullopt;
    warned_ = due;
    const auto minutesLeft =
        static_cast<int>((ahead + DateTime::kMsPerMinute - 1) / DateTime::kMsPerMinute);
    return WarningDue{due, minutesLeft};
}

}  // namespace dusk
