#include "core/task_summary.h"

#include "core/placeholder_text.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

bool IsChecked(const ImageCheckBox& box) { return box.Status() == CheckBoxStatus::Checked; }

// The caption of the checked action radio button (the last one, should several be checked).
std::wstring ActionName(const TaskControls& controls) {
    std::wstring name;
    for (const ImageCheckBox* radio : controls.ActionRadios()) {
        if (IsChecked(*radio)) name = radio->Caption();
    }
    return name;
}

const std::wstring& FromNowDueText(const TaskControls& controls, TaskRecord& task, DateTime now,
                                   const RegionalFormats& formats) {
    if (task.fromNowDueText.empty()) task.fromNowDueText = task.dueText;
    if (task.fromNowDueText.empty()) {
        task.fromNowDueText =
            FormatDelayedDue(now, DelayFieldValue(controls.delayHoursField.Text()),
                             DelayFieldValue(controls.delayMinutesField.Text()), formats);
    }
    return task.fromNowDueText;
}

}  // namespace

std::wstring BuildTaskSummary(const TaskControls& controls, TaskRecord& task,
                              const MessageCatalogue& catalogue, const RegionalFormats& formats,
                              DateTime now) {
    using enum CatalogueEntry;
    const std::wstring action = ActionName(controls);
    std::wstring summary;
    if (IsChecked(controls.dailyBox)) {
        summary = SubstitutePlaceholders(
            catalogue.Text(DailySummary),
            {{L"n%", action}, {L"s%", formats.FormatLongTime(controls.dailyTimePicker.Value())}});
    }
    if (IsChecked(controls.specifiedBox)) {
        const std::wstring due = SpecifiedDueText(controls.specifiedDatePicker.Value(),
                                                  controls.specifiedTimePicker.Value(), formats);
        summary =
            SubstitutePlaceholders(catalogue.Text(OnceSummary), {{L"n%", action}, {L"s%", due}});
    }
    if (IsChecked(controls.fromNowBox)) {
        if (IsTaskSet(task.status)) {
            summary = SubstitutePlaceholders(
                catalogue.Text(OnceSummary),
                {{L"n%", action}, {L"s%", FromNowDueText(controls, task, now, formats)}});
        } else {
            summary = SubstitutePlaceholders(catalogue.Text(FromNowSummary),
                                             {{L"n%", action},
                                              {L"h%", controls.delayHoursField.Text()},
                                              {L"m%", controls.delayMinutesField.Text()}});
        }
    }
    return summary;
}

}  // namespace dusk
