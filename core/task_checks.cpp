#include "core/task_checks.h"

#include "core/placeholder_text.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

SpecifiedCheck CheckSpecifiedNotPast(DateTime date, DateTime timeOfDay, DateTime now,
                                     const RegionalFormats& formats,
                                     const MessageCatalogue& catalogue) {
    // A text that does not read back names no moment to wait for: rejected like a past one.
    const auto due = formats.ParseDateTime(SpecifiedDueText(date, timeOfDay, formats));
    if (due && now < *due) return {true, {}};
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
