#include "core/stored_settings.h"

#include "core/task_model.h"

namespace dusk {

bool ReadStoredInteger(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                       std::wstring_view name, std::int32_t& value) {
    const auto opened = store.Open(root, key, false);
    if (!opened) return false;
    // A value of another type gives no action code, never the caller's default: an action the
    // user may not have chosen must not be performed.
    const auto stored = opened->Read(name);
    if (!stored || stored->kind != StoredValue::Kind::Integer) {
        value = -1;
        return false;
    }
    value = stored->integer;
    return true;
}

bool ReadStoredText(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                    std::wstring_view name, std::wstring& text) {
    const auto opened = store.Open(root, key, false);
    const auto stored = opened ? opened->Read(name) : std::nullopt;
    if (!stored || stored->kind != StoredValue::Kind::Text) return false;
    text = stored->text;
    return true;
}

bool ReadStoredTextPair(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                        std::wstring_view firstName, std::wstring& first, std::wstring& second,
                        std::wstring_view secondName) {
    const auto opened = store.Open(root, key, false);
    if (!opened) return false;
    const auto firstValue = opened->Read(firstName);
    if (!firstValue || firstValue->kind != StoredValue::Kind::Text) return false;
    const auto secondValue = opened->Read(secondName);
    first = firstValue->text;
    second = secondValue && secondValue->kind == StoredValue::Kind::Text ? secondValue->text
                                                                         : std::wstring();
    return true;
}

int WriteStoredInteger(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                       std::wstring_view name, std::int32_t value) {
    const auto opened = store.Open(root, key, true);
    return opened && opened->WriteInteger(name, value) && opened->Read(name) ? kWriteDone
                                                                             : kWriteFailed;
}

int WriteStoredText(SettingsStore& store, std::uint32_t root, std::wstring_view key,
                    std::wstring_view name, std::wstring_view value) {
    const auto opened = store.Open(root, key, true);
    return opened && opened->WriteText(name, value) && opened->Read(name) ? kWriteDone
                                                                          : kWriteFailed;
}

std::wstring RunValueData(std::wstring_view programFolder) {
    std::wstring data = L"\"";
    data += programFolder;
    if (!programFolder.empty() && programFolder.back() != L'\\') data += L'\\';
    data += kProgramFileName;
    data += L'"';
    return data;
}

int WriteRunValue(SettingsStore& store, std::wstring_view programFolder) {
    return WriteStoredText(store, kRootLocalMachine, kRunKeyPath, kRunValueName,
                           RunValueData(programFolder));
}

bool ClearStoredTask(SettingsStore& store) {
    bool cleared = true;
    if (const auto run = store.Open(kRootLocalMachine, kRunKeyPath, false)) {
        run->Delete(kRunValueName);
        cleared = !run->Read(kRunValueName);
    }
    if (const auto settings = store.Open(kRootLocalMachine, kSettingsKeyPath, false)) {
        for (const std::wstring_view name : {kAdjustInfoValue, kDailyTimeValue, kCountdownTimeValue,
                                             kWaitTimeReadValue, kHourAndMinuteValue}) {
            settings->Delete(name);
            cleared = cleared && !settings->Read(name);
        }
    }
    return cleared;
}

}  // namespace dusk
