#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"
#include "base/settings_store.h"
#include "core/regional_formats.h"
#include "core/task_model.h"

namespace dusk {

// The lead times the main window offers, in minutes; 0 is Off.
constexpr std::array<std::int32_t, 5> kWarnMinutesChoices = {0, 1, 5, 10, 15};
constexpr std::int32_t kDefaultWarnMinutes = 5;
inline constexpr std::wstring_view kWarnMinutesValue = L"WarnMinutes";

// The stored lead time; the default when missing or not one of the choices.
std::int32_t ReadWarnMinutes(SettingsStore& store);
bool WriteWarnMinutes(SettingsStore& store, std::int32_t minutes);
// How the main window names a lead time: "Off", "1 minute", "5 minutes".
std::wstring WarnMinutesText(std::int32_t minutes);

// The task's next moment after now: a daily task's next showing, a one-shot task's own; nothing
// while no task is set.
std::optional<DateTime> NextTaskMoment(const TaskRecord& task, DateTime now);

struct WarningDue {
    DateTime due;         // the task's moment warned of
    int minutesLeft = 0;  // whole minutes until it, rounded up
};

// The balloon's text: "Shut down in 5 minutes, at 9:30:00 PM"; "1 minute" for one. The caption
// is the action's own (Sleep where the system calls stand-by so).
std::wstring EarlyWarningText(std::wstring_view actionCaption, const WarningDue& warning,
                              const RegionalFormats& formats);

// Decides when the balloon shows: once per moment, from the lead time before it until the
// countdown's own window begins (30 seconds before). A program started within the lead time
// warns at once with the minutes that are left.
class EarlyWarning {
public:
    // The warning to show now, if any; each moment is warned of once.
    std::optional<WarningDue> Check(const TaskRecord& task, DateTime now, std::int32_t leadMinutes);
    // Another moment (a postponed occurrence) is watched for besides the task's own.
    void SetExtraMoment(std::optional<DateTime> moment) { extraMoment_ = moment; }
    // A moment the user has just chosen is not warned of again when it is already that near.
    void NoteChosenMoment(DateTime due, DateTime now, std::int32_t leadMinutes) {
        CheckMoment(due, now, leadMinutes);
    }
    bool Warned(DateTime due) const;

private:
    std::optional<WarningDue> CheckMoment(DateTime due, DateTime now, std::int32_t leadMinutes);

    // The moments warned of that are not yet past: a postponed daily occurrence and the one it
    // replaced may both be ahead.
    std::vector<DateTime> warned_;
    std::optional<DateTime> extraMoment_;
};

}  // namespace dusk
