#include "core/task_summary.h"

#include "core/placeholder_text.h"
#include "core/registry_option.h"
#include "core/trigger_arithmetic.h"

namespace dusk {

namespace {

bool IsChecked(const TXCheckBox& box) { return box.Status() == csChecked; }

// The caption of the checked action radio button (the last one, should several be checked).
std::wstring ActionName(const TaskControls& controls) {
    std::wstring name;
    for (const TXCheckBox* radio : controls.ActionRadios()) {
        if (IsChecked(*radio)) name = radio->Caption();
    }
    return name;
}

const std::wstring& FromNowDueText(const TaskControls& controls, TaskRecord& task,
                                   SettingsStore& store, DateTime now,
                                   const RegionalFormats& formats) {
    if (task.FromNowDueText.empty()) {
        ReadStoredText(store, kRootLocalMachine, kSettingsKeyPath, kWaitTimeReadValue,
                       task.FromNowDueText);
    }
    if (task.FromNowDueText.empty()) {
        task.FromNowDueText =
            FormatDelayedDue(now, DelayFieldValue(controls.waitfor_hour_E.Text()),
                             DelayFieldValue(controls.Waitfor_m_E.Text()), formats);
    }
    return task.FromNowDueText;
}

}  // namespace

std::wstring BuildTaskSummary(const TaskControls& controls, TaskRecord& task,
                              const MessageCatalogue& catalogue, const RegionalFormats& formats,
                              SettingsStore& store, DateTime now) {
    using enum CatalogueEntry;
    const std::wstring action = ActionName(controls);
    std::wstring summary;
    if (IsChecked(controls.Daily_R)) {
        summary = SubstitutePlaceholders(
            catalogue.Text(Lbl_lan15),
            {{L"n%", action}, {L"s%", formats.FormatLongTime(controls.Daily_time_P.Value())}});
    }
    if (IsChecked(controls.Do_Action_R)) {
        const std::wstring due = SpecifiedDueText(controls.Action_Date_P.Value(),
                                                  controls.Action_Time_P.Value(), formats);
        summary =
            SubstitutePlaceholders(catalogue.Text(Lbl_lan16), {{L"n%", action}, {L"s%", due}});
    }
    if (IsChecked(controls.Waite_R)) {
        if (IsTaskSet(task.TaskStatus)) {
            summary = SubstitutePlaceholders(
                catalogue.Text(Lbl_lan16),
                {{L"n%", action}, {L"s%", FromNowDueText(controls, task, store, now, formats)}});
        } else {
            summary = SubstitutePlaceholders(catalogue.Text(Lbl_lan17),
                                             {{L"n%", action},
                                              {L"h%", controls.waitfor_hour_E.Text()},
                                              {L"m%", controls.Waitfor_m_E.Text()}});
        }
    }
    return summary;
}

}  // namespace dusk
