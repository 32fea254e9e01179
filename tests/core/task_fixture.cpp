#include "task_fixture.h"

#include "core/stored_settings.h"

namespace dusk::test {

namespace {

char Checked(const ImageCheckBox& box) {
    return box.Status() == CheckBoxStatus::Checked ? 'x' : '-';
}
char On(bool enabled) { return enabled ? '1' : '0'; }

}  // namespace

std::string TaskFixture::Describe() const {
    const TaskControls& c = view.controls;
    std::string text = "action ";
    for (const ImageCheckBox* radio : c.ActionRadios()) text += Checked(*radio);
    text += ' ';
    for (const ImageCheckBox* radio : c.ActionRadios()) text += On(radio->Enabled());
    text += std::string(" | trigger ") + Checked(c.dailyBox) + Checked(c.specifiedBox) +
            Checked(c.fromNowBox) + ' ' + On(c.dailyBox.Enabled()) + On(c.specifiedBox.Enabled()) +
            On(c.fromNowBox.Enabled());
    text += std::string(" | inputs ") + On(c.dailyTimePicker.Enabled()) +
            On(c.specifiedDatePicker.Enabled()) + On(c.specifiedTimePicker.Enabled()) + ' ' +
            On(c.delayHoursField.Enabled()) + On(c.delayMinutesField.Enabled()) + " |";
    if (view.startTaskButton.Visible()) text += " start";
    if (view.cancelTaskButton.Visible()) text += " cancel";
    return text;
}

std::vector<std::string> TaskFixture::PowerCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : powerApi.calls) {
        if (call.starts_with("ExitWindowsEx") || call.starts_with("SetSystemPowerState")) {
            calls.push_back(call);
        }
    }
    return calls;
}

std::vector<std::wstring> TaskFixture::StoredNames() const {
    return store.ValueNames(kRootLocalMachine, kSettingsKeyPath);
}

std::wstring TaskFixture::RunValue() const {
    const auto run = store.Peek(kRootLocalMachine, kRunKeyPath, kRunValueName);
    return run ? run->text : L"none";
}

}  // namespace dusk::test
