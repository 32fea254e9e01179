#include "core/task_store.h"

#include <array>
#include <utility>

#include "core/stored_settings.h"

namespace dusk {

namespace {

struct StoredCode {
    TaskAction action;
    std::int32_t code;
};
// The first code of an action is the one written.
constexpr std::array<StoredCode, 7> kStoredCodes = {{
    {TaskAction::None, -1},
    {TaskAction::ShutDown, 0},
    {TaskAction::LogOff, 1},
    {TaskAction::StandBy, 2},
    {TaskAction::Hibernate, 3},
    {TaskAction::StandBy, 4},
    {TaskAction::Restart, 5},
}};

}  // namespace

std::int32_t StoredActionCode(TaskAction action) {
    for (const StoredCode& stored : kStoredCodes) {
        if (stored.action == action) return stored.code;
    }
    return -1;
}

TaskAction ActionOfStoredCode(std::int32_t code) {
    for (const StoredCode& stored : kStoredCodes) {
        if (stored.code == code) return stored.action;
    }
    return TaskAction::None;
}

TaskStore::TaskStore(SettingsStore& store, const RegionalFormats& formats,
                     std::wstring programFolder, LogonStart& logonStart)
    : store_(store),
      formats_(formats),
      programFolder_(std::move(programFolder)),
      logonStart_(logonStart) {}

StoredTask TaskStore::Load() const {
    StoredTask task;
    std::wstring text, delay;
    if (ReadStoredText(store_, kRootLocalMachine, kSettingsKeyPath, kDailyTimeValue, text)) {
        task.trigger = TriggerKind::Daily;
    } else if (ReadStoredText(store_, kRootLocalMachine, kSettingsKeyPath, kCountdownTimeValue,
                              text)) {
        task.trigger = TriggerKind::Specified;
    } else if (ReadStoredTextPair(store_, kRootLocalMachine, kSettingsKeyPath, kWaitTimeReadValue,
                                  text, delay, kHourAndMinuteValue)) {
        task.trigger = TriggerKind::FromNow;
    } else {
        return task;
    }
    if (task.trigger == TriggerKind::Daily) {
        const auto time = formats_.ParseLongTime(text);
        task.readable = time.has_value();
        task.dailyTime = TimeOfDay::FromMilliseconds(time.value_or(0));
    } else {
        const auto due = formats_.ParseDateTime(text);
        task.readable = due.has_value();
        task.due = due.value_or(DateTime());
    }
    const std::size_t bar = delay.find(L'|');
    task.delayHoursText = delay.substr(0, bar);
    if (bar != std::wstring::npos) task.delayMinutesText = delay.substr(bar + 1);
    std::int32_t code = StoredActionCode(task.action);
    ReadStoredInteger(store_, kRootLocalMachine, kSettingsKeyPathUpper, kAdjustInfoValue, code);
    task.action = ActionOfStoredCode(code);
    return task;
}

bool TaskStore::Save(const StoredTask& task) {
    auto text = [this](std::wstring_view name, std::wstring_view value) {
        return WriteStoredText(store_, kRootLocalMachine, kSettingsKeyPath, name, value) ==
               kWriteDone;
    };
    bool saved = WriteStoredInteger(store_, kRootLocalMachine, kSettingsKeyPathUpper,
                                    kAdjustInfoValue, StoredActionCode(task.action)) == kWriteDone;
    switch (task.trigger) {
        case TriggerKind::Daily:
            saved = saved && text(kDailyTimeValue,
                                  formats_.FormatLongTime(
                                      DateTime::FromMilliseconds(task.dailyTime.Milliseconds())));
            break;
        case TriggerKind::Specified:
            saved = saved && text(kCountdownTimeValue, formats_.FormatDateTime(task.due));
            break;
        case TriggerKind::FromNow:
            saved = saved && text(kWaitTimeWrittenValue, formats_.FormatDefault(task.due)) &&
                    text(kHourAndMinuteValue, task.delayHoursText + L"|" + task.delayMinutesText);
            break;
        case TriggerKind::None:
            saved = false;
            break;
    }
    // The Run value goes with a daily or specified task only.
    if (task.trigger == TriggerKind::Daily || task.trigger == TriggerKind::Specified) {
        saved = saved && WriteRunValue(store_, programFolder_) == kWriteDone;
    }
    // Half a task in the store would come back at the next start: none is kept.
    if (!saved) Clear();
    return saved;
}

bool TaskStore::Clear() {
    logonStart_.Remove();
    return ClearStoredTask(store_);
}

}  // namespace dusk
