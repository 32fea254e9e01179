#include "core/task_summary.h"

#include "core/placeholder_text.h"

namespace dusk {

namespace {

bool IsChecked(const ImageCheckBox& box) { return box.Status() == CheckBoxStatus::Checked; }

// The caption of the checked action radio button (the last one, should several be checked).
std::wstring CheckedActionName(const TaskControls& controls) {
    std::wstring name;
    for (const ImageCheckBox* radio : controls.ActionRadios()) {
        if (IsChecked(*radio)) name = radio->Caption();
    }
    return name;
}

std::wstring SetTaskSummary(const TaskControls& controls, const TaskRecord& task,
                            const MessageCatalogue& catalogue, const RegionalFormats& formats) {
    using enum CatalogueEntry;
    const ImageCheckBox* radio = controls.ActionRadio(task.action);
    const std::wstring action = radio ? radio->Caption() : std::wstring();
    switch (task.trigger) {
        case TriggerKind::Daily:
            return SubstitutePlaceholders(
                catalogue.Text(DailySummary),
                {{L"n%", action}, {L"s%", formats.FormatLongTime(task.dailyTime.On(DateTime()))}});
        case TriggerKind::Specified:
            return SubstitutePlaceholders(
                catalogue.Text(OnceSummary),
                {{L"n%", action}, {L"s%", formats.FormatDateTime(task.due)}});
        case TriggerKind::FromNow:
            return SubstitutePlaceholders(
                catalogue.Text(OnceSummary),
                {{L"n%", action}, {L"s%", formats.FormatDefault(task.due)}});
        case TriggerKind::None:
            break;
    }
    return {};
}

}  // namespace

std::wstring BuildTaskSummary(const TaskControls& controls, const TaskRecord& task,
                              const MessageCatalogue& catalogue, const RegionalFormats& formats) {
    using enum CatalogueEntry;
    if (IsTaskSet(task.status) && task.trigger != TriggerKind::None) {
        return SetTaskSummary(controls, task, catalogue, formats);
    }
    const std::wstring action = CheckedActionName(controls);
    std::wstring summary;
    if (IsChecked(controls.dailyBox)) {
        summary = SubstitutePlaceholders(
            catalogue.Text(DailySummary),
            {{L"n%", action}, {L"s%", formats.FormatLongTime(controls.dailyTimePicker.Value())}});
    }
    if (IsChecked(controls.specifiedBox)) {
        const DateTime due = WithTimeOfDay(controls.specifiedDatePicker.Value(),
                                           controls.specifiedTimePicker.Value().TimeOfDayMs());
        summary = SubstitutePlaceholders(catalogue.Text(OnceSummary),
                                         {{L"n%", action}, {L"s%", formats.FormatDateTime(due)}});
    }
    if (IsChecked(controls.fromNowBox)) {
        summary = SubstitutePlaceholders(catalogue.Text(FromNowSummary),
                                         {{L"n%", action},
                                          {L"h%", controls.delayHoursField.Text()},
                                          {L"m%", controls.delayMinutesField.Text()}});
    }
    return summary;
}

}  // namespace dusk
