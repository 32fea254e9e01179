#include "core/task_store.h"

#include <utility>

#include "core/stored_settings.h"

namespace dusk {

TaskStore::TaskStore(SettingsStore& store, std::wstring programFolder, LogonStart& logonStart)
    : store_(store), programFolder_(std::move(programFolder)), logonStart_(logonStart) {}

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
    task.timeText = std::move(text);
    task.delayText = std::move(delay);
    ReadStoredInteger(store_, kRootLocalMachine, kSettingsKeyPathUpper, kAdjustInfoValue,
                      task.actionCode);
    return task;
}

bool TaskStore::Save(const StoredTask& task) {
    auto text = [this](std::wstring_view name, std::wstring_view value) {
        return WriteStoredText(store_, kRootLocalMachine, kSettingsKeyPath, name, value) ==
               kWriteDone;
    };
    bool saved = WriteStoredInteger(store_, kRootLocalMachine, kSettingsKeyPathUpper,
                                    kAdjustInfoValue, task.actionCode) == kWriteDone;
    switch (task.trigger) {
        case TriggerKind::Daily:
            saved = saved && text(kDailyTimeValue, task.timeText);
            break;
        case TriggerKind::Specified:
            saved = saved && text(kCountdownTimeValue, task.timeText);
            break;
        case TriggerKind::FromNow:
            saved = saved && text(kWaitTimeWrittenValue, task.timeText) &&
                    text(kHourAndMinuteValue, task.delayText);
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
