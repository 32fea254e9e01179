#include "core/early_warning.h"

#include <algorithm>

#include "core/stored_settings.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

std::optional<DateTime> NextTaskMoment(const TaskRecord& task, DateTime now) {
    if (!IsTaskSet(task.status)) return std::nullopt;
    if (task.trigger == TriggerKind::Daily) {
        return now.WholeSecond().Plus(DailyMsAhead(task.dailyTime, now));
    }
    if (IsOneShot(task.trigger)) return task.due;
    return std::nullopt;
}

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

std::wstring WarnMinutesText(std::int32_t minutes) {
    if (minutes <= 0) return L"Off";
    return minutes == 1 ? L"1 minute" : std::to_wstring(minutes) + L" minutes";
}

std::wstring EarlyWarningText(std::wstring_view actionCaption, const WarningDue& warning,
                              const RegionalFormats& formats) {
    return std::wstring(actionCaption) + L" in " + WarnMinutesText(warning.minutesLeft) + L", at " +
           formats.FormatLongTime(warning.due);
}

std::optional<WarningDue> EarlyWarning::Check(const TaskRecord& task, DateTime now,
                                              std::int32_t leadMinutes) {
    if (leadMinutes <= 0) return std::nullopt;
    if (extraMoment_) {
        if (auto warning = CheckMoment(*extraMoment_, now, leadMinutes)) return warning;
    }
    const auto moment = NextTaskMoment(task, now);
    if (!moment) return std::nullopt;
    return CheckMoment(*moment, now, leadMinutes);
}

std::optional<WarningDue> EarlyWarning::CheckMoment(DateTime due, DateTime now,
                                                    std::int32_t leadMinutes) {
    const std::int64_t ahead = MillisecondsBetween(due, now);
    std::erase_if(warned_, [now](DateTime moment) { return moment < now; });
    if (ahead <= kDueWindowMs || ahead > leadMinutes * DateTime::kMsPerMinute) return std::nullopt;
    if (Warned(due)) return std::nullopt;
    warned_.push_back(due);
    const auto minutesLeft =
        static_cast<int>((ahead + DateTime::kMsPerMinute - 1) / DateTime::kMsPerMinute);
    return WarningDue{due, minutesLeft};
}

bool EarlyWarning::Warned(DateTime due) const {
    return std::find(warned_.begin(), warned_.end(), due) != warned_.end();
}

}  // namespace dusk
