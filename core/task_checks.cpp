#include "core/task_checks.h"

#include "core/placeholder_text.h"
#include "core/task_controls.h"

namespace dusk {

SpecifiedCheck CheckSpecifiedNotPast(DateTime date, DateTime timeOfDay, DateTime now,
                                     const RegionalFormats& formats,
                                     const MessageCatalogue& catalogue) {
    // Kept to the second, as the task keeps it.
    const DateTime due = WithTimeOfDay(date, timeOfDay.TimeOfDayMs()).WholeSecond();
    if (now < due) return {true, {}};
    return {false, SubstitutePlaceholders(catalogue.Text(CatalogueEntry::SelectLaterTime),
                                          {{L"%s", formats.FormatDefault(now)}})};
}

bool IsZeroDelay(std::wstring_view hoursText, std::wstring_view minutesText) {
    return hoursText == L"0" && minutesText == L"0";
}

bool CheckDelayNotZero(std::wstring_view hoursText, std::wstring_view minutesText,
                       UserPrompts& prompts, const MessageCatalogue& catalogue) {
    if (!IsZeroDelay(hoursText, minutesText)) return true;
    prompts.Warn(catalogue.Text(CatalogueEntry::SetTheDelay));
    return false;
}

}  // namespace dusk
