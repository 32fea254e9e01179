// The stored-value readers over a store filled from the input with values of any kind, content
// and name spelling, under the settings key (either spelling) and the Run key. Each reader must
// keep its promise about what it sets and what it leaves alone, close every key it opens, and a
// written text must read back exactly.
#include <array>
#include <optional>
#include <string>

#include "core/stored_settings.h"
#include "fakes/memory_settings_store.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace dusk;
using test::MemorySettingsStore;

constexpr std::array<std::wstring_view, 3> kKeys = {kSettingsKeyPath, kSettingsKeyPathUpper,
                                                    kRunKeyPath};
constexpr std::array<std::wstring_view, 9> kNames = {
    kAdjustInfoValue,      kDailyTimeValue,    kCountdownTimeValue,
    kWaitTimeWrittenValue, kWaitTimeReadValue, kHourAndMinuteValue,
    kIgnoreValue,          kRunValueName,      L"DALIY_SHUTDOWN"};

const std::wstring kUntouched = L"untouched";
constexpr std::int32_t kUntouchedInteger = 0x5EED;

StoredValue ValueFrom(dusk::fuzz::FuzzInput& input) {
    const std::uint8_t kind = input.Byte() % 3;
    const std::uint8_t length = input.Byte();
    if (kind == 0)
        return {StoredValue::Kind::Integer, static_cast<std::int32_t>(input.Uint32()), {}};
    const auto kindOf = kind == 1 ? StoredValue::Kind::Text : StoredValue::Kind::Other;
    return {kindOf, 0, input.Text(length)};
}

std::optional<StoredValue> Stored(const MemorySettingsStore& store, std::wstring_view name) {
    return store.Peek(kRootLocalMachine, kSettingsKeyPath, name);
}

bool IsText(const std::optional<StoredValue>& value) {
    return value && value->kind == StoredValue::Kind::Text;
}

void CheckReaders(MemorySettingsStore& store, std::wstring_view name, std::wstring_view other) {
    const bool keyExists = store.KeyExists(kRootLocalMachine, kSettingsKeyPath);
    const auto stored = Stored(store, name);

    std::int32_t integer = kUntouchedInteger;
    const bool integerRead =
        ReadStoredInteger(store, kRootLocalMachine, kSettingsKeyPathUpper, name, integer);
    FUZZ_CHECK(integerRead == (stored && stored->kind == StoredValue::Kind::Integer));
    FUZZ_CHECK(integer == (integerRead ? stored->integer : keyExists ? -1 : kUntouchedInteger));

    std::wstring text = kUntouched;
    const bool textRead = ReadStoredText(store, kRootLocalMachine, kSettingsKeyPath, name, text);
    FUZZ_CHECK(textRead == IsText(stored));
    FUZZ_CHECK(text == (textRead ? stored->text : kUntouched));

    std::wstring first = kUntouched;
    std::wstring second = kUntouched;
    const bool pairRead =
        ReadStoredTextPair(store, kRootLocalMachine, kSettingsKeyPath, name, first, second, other);
    FUZZ_CHECK(pairRead == textRead);
    if (pairRead) {
        const auto otherStored = Stored(store, other);
        FUZZ_CHECK(first == stored->text);
        FUZZ_CHECK(second == (IsText(otherStored) ? otherStored->text : std::wstring()));
    } else {
        FUZZ_CHECK(first == kUntouched && second == kUntouched);
    }
    FUZZ_CHECK(store.OpenKeyCount() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dusk::fuzz::FuzzInput input(data, size);
    MemorySettingsStore store;
    const std::uint8_t count = input.Byte() % 16;
    for (std::uint8_t i = 0; i < count; ++i) {
        const std::wstring_view key = kKeys[input.Byte() % kKeys.size()];
        const std::wstring_view name = kNames[input.Byte() % kNames.size()];
        store.Put(kRootLocalMachine, key, name, ValueFrom(input));
    }
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        CheckReaders(store, kNames[i], kNames[(i + 1) % kNames.size()]);
    }

    const std::wstring written = input.Text();
    FUZZ_CHECK(WriteStoredText(store, kRootLocalMachine, kSettingsKeyPath, kDailyTimeValue,
                               written) == kWriteDone);
    std::wstring read;
    FUZZ_CHECK(
        ReadStoredText(store, kRootLocalMachine, kSettingsKeyPathUpper, L"daliy_shutdown", read));
    FUZZ_CHECK(read == written);

    const auto ignore = Stored(store, kIgnoreValue);
    ClearStoredTask(store);
    FUZZ_CHECK(!store.Peek(kRootLocalMachine, kRunKeyPath, kRunValueName));
    for (const std::wstring_view name : {kAdjustInfoValue, kDailyTimeValue, kCountdownTimeValue,
                                         kWaitTimeReadValue, kHourAndMinuteValue}) {
        FUZZ_CHECK(!Stored(store, name));
    }
    const auto ignoreAfter = Stored(store, kIgnoreValue);
    FUZZ_CHECK(ignore.has_value() == ignoreAfter.has_value());
    FUZZ_CHECK(!ignore || (ignore->kind == ignoreAfter->kind && ignore->text == ignoreAfter->text &&
                           ignore->integer == ignoreAfter->integer));
    FUZZ_CHECK(store.OpenKeyCount() == 0);
    return 0;
}
