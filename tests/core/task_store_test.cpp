#include "core/task_store.h"

#include <gtest/gtest.h>

#include "core/stored_settings.h"
#include "fakes/fake_logon_start.h"
#include "fakes/fixed_regions.h"
#include "fakes/memory_settings_store.h"

namespace dusk {
namespace {

using test::FixedRegions;
using test::MemorySettingsStore;

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s});
}

std::wstring StoredText(const MemorySettingsStore& store, std::wstring_view name) {
    const auto value = store.Peek(kRootLocalMachine, kSettingsKeyPath, name);
    return value && value->kind == StoredValue::Kind::Text ? value->text : L"<none>";
}

void PutText(MemorySettingsStore& store, std::wstring_view name, std::wstring text) {
    store.Put(kRootLocalMachine, kSettingsKeyPath, name, {StoredValue::Kind::Text, 0, text});
}

// Each trigger's times go to the store in its regional form and come back as they went.
TEST(TaskStoreTest, TimesAreStoredInTheRegionalFormsAndReadBack) {
    const DateTime moment = At(2024, 2, 29, 0, 0, 0);  // midnight: the default form drops the time
    const DateTime evening = At(2016, 12, 24, 21, 30, 15);
    for (const auto& region : FixedRegions()) {
        const RegionalFormats formats(region.settings);
        for (const DateTime due : {moment, evening}) {
            MemorySettingsStore store;
            FakeLogonStart logonStart;
            TaskStore taskStore(store, formats, L"C:\\D\\", logonStart);

            StoredTask daily;
            daily.trigger = TriggerKind::Daily;
            daily.action = TaskAction::Hibernate;
            daily.dailyTime = TimeOfDay::Of(due);
            ASSERT_TRUE(taskStore.Save(daily)) << region.name;
            EXPECT_EQ(StoredText(store, kDailyTimeValue), formats.FormatLongTime(due));
            StoredTask loaded = taskStore.Load();
            EXPECT_EQ(loaded.trigger, TriggerKind::Daily);
            EXPECT_EQ(loaded.dailyTime, TimeOfDay::Of(due)) << region.name;
            EXPECT_EQ(loaded.action, TaskAction::Hibernate);
            EXPECT_TRUE(loaded.readable);
            ASSERT_TRUE(taskStore.Clear());

            StoredTask specified{TriggerKind::Specified, TaskAction::LogOff, {}, due, {}, {}, true};
            ASSERT_TRUE(taskStore.Save(specified));
            EXPECT_EQ(StoredText(store, kCountdownTimeValue), formats.FormatDateTime(due));
            EXPECT_EQ(taskStore.Load().due, due) << region.name;
            ASSERT_TRUE(taskStore.Clear());

            StoredTask fromNow{
                TriggerKind::FromNow, TaskAction::Restart, {}, due, L"2", L"05", true};
            ASSERT_TRUE(taskStore.Save(fromNow));
            EXPECT_EQ(StoredText(store, kWaitTimeWrittenValue), formats.FormatDefault(due));
            EXPECT_EQ(StoredText(store, kHourAndMinuteValue), L"2|05");
            loaded = taskStore.Load();
            EXPECT_EQ(loaded.due, due) << region.name;
            EXPECT_EQ(loaded.delayHoursText, L"2");
            EXPECT_EQ(loaded.delayMinutesText, L"05");
            EXPECT_EQ(loaded.action, TaskAction::Restart);
        }
    }
}

// Written under one region and read under another, or edited by hand: the task cannot fall due.
TEST(TaskStoreTest, TimesThatDoNotReadBackAreMarkedUnreadable) {
    const RegionalFormats us(test::FixedRegionSettings("en-US"));
    const RegionalFormats germany(test::FixedRegionSettings("de-DE"));
    const DateTime now = At(2016, 12, 24, 21, 59, 45);
    const struct {
        std::wstring_view name;
        std::wstring text;
    } cases[] = {
        {kDailyTimeValue, germany.FormatLongTime(now).append(L"x")},
        {kDailyTimeValue, L""},
        {kDailyTimeValue, L"22 Uhr"},
        {kCountdownTimeValue, germany.FormatDateTime(now)},
        {kCountdownTimeValue, L"yesterday"},
        {kWaitTimeWrittenValue, L""},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        FakeLogonStart logonStart;
        PutText(store, c.name, c.text);
        PutText(store, kHourAndMinuteValue, L"1|0");
        const StoredTask loaded = TaskStore(store, us, L"C:\\D\\", logonStart).Load();
        EXPECT_NE(loaded.trigger, TriggerKind::None) << c.text;
        EXPECT_FALSE(loaded.readable) << c.text;
    }
}

TEST(TaskStoreTest, ActionCodesMapBothWays) {
    const struct {
        std::int32_t code;
        TaskAction action;
        std::int32_t written;
    } cases[] = {
        {0, TaskAction::ShutDown, 0},  {1, TaskAction::LogOff, 1},  {2, TaskAction::StandBy, 2},
        {3, TaskAction::Hibernate, 3}, {4, TaskAction::StandBy, 2}, {5, TaskAction::Restart, 5},
        {-1, TaskAction::None, -1},    {6, TaskAction::None, -1},   {-7, TaskAction::None, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ActionOfStoredCode(c.code), c.action) << c.code;
        EXPECT_EQ(StoredActionCode(ActionOfStoredCode(c.code)), c.written) << c.code;
    }
}

}  // namespace
}  // namespace dusk
