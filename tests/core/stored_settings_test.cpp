#include "core/stored_settings.h"

#include <gtest/gtest.h>

#include "fakes/memory_settings_store.h"

namespace dusk {
namespace {

using Kind = StoredValue::Kind;
using test::MemorySettingsStore;

constexpr std::uint32_t kRoot = kRootLocalMachine;

StoredValue Integer(std::int32_t value) { return {Kind::Integer, value, {}}; }
StoredValue Text(std::wstring text) { return {Kind::Text, 0, std::move(text)}; }
StoredValue Other() { return {Kind::Other, 0, L"\x01\x02"}; }

// What a read finds in the settings key.
enum class Stored { NoKey, NoValue, Integer, Text, EmptyText, Other };

void Prepare(MemorySettingsStore& store, Stored stored, std::wstring_view name) {
    switch (stored) {
        case Stored::NoKey:
            break;
        case Stored::NoValue:
            store.Put(kRoot, kSettingsKeyPath, L"Unrelated", Integer(1));
            break;
        case Stored::Integer:
            store.Put(kRoot, kSettingsKeyPath, name, Integer(3));
            break;
        case Stored::Text:
            store.Put(kRoot, kSettingsKeyPath, name, Text(L"9:30:00 PM"));
            break;
        case Stored::EmptyText:
            store.Put(kRoot, kSettingsKeyPath, name, Text(L""));
            break;
        case Stored::Other:
            store.Put(kRoot, kSettingsKeyPath, name, Other());
            break;
    }
}

TEST(RegistryOptionTest, ReadStoredIntegerAnswersByWhatIsStored) {
    struct Case {
        Stored stored;
        bool answer;
        std::int32_t value;
    };
    const Case cases[] = {
        {Stored::NoKey, false, 7}, {Stored::NoValue, false, -1}, {Stored::Integer, true, 3},
        {Stored::Text, false, -1}, {Stored::Other, false, -1},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        Prepare(store, c.stored, L"AdjustInfo");
        std::int32_t value = 7;
        // Written under one spelling of the key, read under the other.
        EXPECT_EQ(ReadStoredInteger(store, kRoot, kSettingsKeyPathUpper, L"adjustinfo", value),
                  c.answer)
            << static_cast<int>(c.stored);
        EXPECT_EQ(value, c.value) << static_cast<int>(c.stored);
        EXPECT_EQ(store.OpenKeyCount(), 0);
    }
}

TEST(RegistryOptionTest, ReadStoredTextAnswersByWhatIsStored) {
    struct Case {
        Stored stored;
        bool answer;
        const wchar_t* text;
    };
    const Case cases[] = {
        {Stored::NoKey, false, L"before"},   {Stored::NoValue, false, L"before"},
        {Stored::Text, true, L"9:30:00 PM"}, {Stored::EmptyText, true, L""},
        {Stored::Integer, false, L"before"}, {Stored::Other, false, L"before"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        Prepare(store, c.stored, L"WaitTime");
        std::wstring text = L"before";
        EXPECT_EQ(ReadStoredText(store, kRoot, kSettingsKeyPath, kWaitTimeReadValue, text),
                  c.answer)
            << static_cast<int>(c.stored);
        EXPECT_EQ(text, c.text) << static_cast<int>(c.stored);
        EXPECT_EQ(store.OpenKeyCount(), 0);
    }
}

TEST(RegistryOptionTest, ReadStoredTextPairNeedsOnlyTheFirstValue) {
    struct Case {
        Stored first, second;
        bool answer;
        const wchar_t* firstText;
        const wchar_t* secondText;
    };
    const Case cases[] = {
        {Stored::Text, Stored::Text, true, L"9:30:00 PM", L"9:30:00 PM"},
        {Stored::Text, Stored::NoValue, true, L"9:30:00 PM", L""},
        {Stored::Text, Stored::Other, true, L"9:30:00 PM", L""},
        {Stored::NoValue, Stored::Text, false, L"a", L"b"},
        {Stored::Other, Stored::Text, false, L"a", L"b"},
        {Stored::NoKey, Stored::NoKey, false, L"a", L"b"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        Prepare(store, c.first, L"WaitTime");
        Prepare(store, c.second, L"HourandMinute");
        std::wstring first = L"a";
        std::wstring second = L"b";
        EXPECT_EQ(ReadStoredTextPair(store, kRoot, kSettingsKeyPath, kWaitTimeReadValue, first,
                                     second, kHourAndMinuteValue),
                  c.answer);
        EXPECT_EQ(first, c.firstText);
        EXPECT_EQ(second, c.secondText);
        EXPECT_EQ(store.OpenKeyCount(), 0);
    }
}

TEST(RegistryOptionTest, WritesCreateTheKeyPathAndReplaceEarlierValues) {
    MemorySettingsStore store;
    EXPECT_EQ(WriteStoredText(store, kRoot, kSettingsKeyPath, kWaitTimeWrittenValue, L"1/1/2017"),
              kWriteDone);
    EXPECT_TRUE(store.KeyExists(kRoot, L"\\software\\TOLVANE"));
    EXPECT_EQ(WriteStoredInteger(store, kRoot, kSettingsKeyPathUpper, kAdjustInfoValue, 2),
              kWriteDone);
    // Replaces the text with an integer under the other spelling of the name.
    EXPECT_EQ(WriteStoredInteger(store, kRoot, kSettingsKeyPath, L"WAITTIME", 5), kWriteDone);
    EXPECT_EQ(store.ValueNames(kRoot, kSettingsKeyPath),
              (std::vector<std::wstring>{L"AdjustInfo", L"WaitTime"}));
    EXPECT_EQ(store.Peek(kRoot, kSettingsKeyPath, L"waittime")->kind, Kind::Integer);
    EXPECT_EQ(store.OpenKeyCount(), 0);

    store.failWrites = true;
    EXPECT_EQ(WriteStoredText(store, kRoot, kSettingsKeyPath, kIgnoreValue, L"1"), kWriteFailed);
    EXPECT_EQ(WriteStoredInteger(store, kRoot, kSettingsKeyPath, kAdjustInfoValue, 3),
              kWriteFailed);
    EXPECT_EQ(store.Peek(kRoot, kSettingsKeyPath, kAdjustInfoValue)->integer, 2);
    store.failWrites = false;
    store.failOpen = true;
    EXPECT_EQ(WriteStoredText(store, kRoot, kSettingsKeyPath, kIgnoreValue, L"1"), kWriteFailed);
    EXPECT_FALSE(store.Peek(kRoot, kSettingsKeyPath, kIgnoreValue));
}

TEST(RegistryOptionTest, RunValueQuotesTheProgramPath) {
    EXPECT_EQ(RunValueData(L"C:\\Program Files\\Tolvane\\Dusk Relay\\"),
              L"\"C:\\Program Files\\Tolvane\\Dusk Relay\\DuskRelay.exe\"");
    EXPECT_EQ(RunValueData(L"D:\\Tools"), L"\"D:\\Tools\\DuskRelay.exe\"");

    MemorySettingsStore store;
    EXPECT_EQ(WriteRunValue(store, L"C:\\A B\\"), kWriteDone);
    EXPECT_EQ(store
                  .Peek(kRoot, L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                        L"tolvane dusk relay")
                  ->text,
              L"\"C:\\A B\\DuskRelay.exe\"");
}

TEST(RegistryOptionTest, ClearStoredTaskKeepsOnlyIgnoreAndOtherPrograms) {
    MemorySettingsStore store;
    store.Put(kRoot, kSettingsKeyPath, L"AdjustInfo", Integer(0));
    store.Put(kRoot, kSettingsKeyPath, L"Daliy_ShutDown", Text(L"10:00:00 PM"));
    store.Put(kRoot, kSettingsKeyPath, L"CountdownTime", Other());
    store.Put(kRoot, kSettingsKeyPath, L"WaitTime", Text(L"1/1/2017"));
    store.Put(kRoot, kSettingsKeyPath, L"HourandMinute", Text(L"1|30"));
    store.Put(kRoot, kSettingsKeyPath, L"Ignore", Text(L"1"));
    store.Put(kRoot, kRunKeyPath, L"Tolvane Dusk Relay", Text(L"\"C:\\DuskRelay.exe\""));
    store.Put(kRoot, kRunKeyPath, L"Other Program", Text(L"C:\\other.exe"));

    ClearStoredTask(store);
    EXPECT_EQ(store.ValueNames(kRoot, kSettingsKeyPath), std::vector<std::wstring>{L"Ignore"});
    EXPECT_EQ(store.ValueNames(kRoot, kRunKeyPath), std::vector<std::wstring>{L"Other Program"});
    EXPECT_EQ(store.OpenKeyCount(), 0);

    // Nothing to delete, no key at all: nothing happens and nothing is created.
    ClearStoredTask(store);
    MemorySettingsStore empty;
    ClearStoredTask(empty);
    EXPECT_FALSE(empty.KeyExists(kRoot, kSettingsKeyPath));
    EXPECT_FALSE(empty.KeyExists(kRoot, kRunKeyPath));
}

TEST(RegistryOptionTest, StoreFollowsTheRegistryPathRules) {
    MemorySettingsStore store;
    EXPECT_EQ(store.Open(kRoot, L"\\Software\\Tolvane", false), nullptr);
    ASSERT_NE(store.Open(kRoot, L"Software\\Tolvane\\Dusk Relay", true), nullptr);
    EXPECT_NE(store.Open(kRoot, L"\\SOFTWARE\\tolvane", false), nullptr);
    EXPECT_EQ(store.Open(kRoot + 1, kSettingsKeyPath, false), nullptr);  // another root
    EXPECT_EQ(store.Open(kRoot, L"\\Software\\\\Tolvane", true), nullptr);
    EXPECT_EQ(store.Open(kRoot, L"\\Software\\Tolvane\\", true), nullptr);
    EXPECT_EQ(store.OpenKeyCount(), 0);
}

}  // namespace
}  // namespace dusk
