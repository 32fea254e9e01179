#include "shell/background_notice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/settings_store.h"
#include "fakes/memory_settings_store.h"

namespace dusk {
namespace {

using test::MemorySettingsStore;

constexpr std::wstring_view kKey = L"\\Software\\Tolvane\\Dusk Relay";

StoredValue Text(std::wstring text) { return {StoredValue::Kind::Text, 0, std::move(text)}; }

class NoticeTest : public ::testing::Test {
protected:
    NoticeTest() { Bind(notice); }

    void Bind(BackgroundNotice& form) {
        form.host.show = [this] { ++showings; };
        form.host.hide = [this] { ++closings; };
    }

    // A task start through the system scheduler; answers whether the notice came up.
    bool StartTask(BackgroundNotice& form) {
        const int before = showings;
        const int endedBefore = ended;
        form.ShowNoticeIfWanted([this] { ++ended; });
        const bool shown = showings > before;
        EXPECT_EQ(ended - endedBefore, shown ? 0 : 1);  // one that is not shown is over at once
        return shown;
    }

    std::optional<std::wstring> StoredIgnore() const {
        const auto value = store.Peek(kRootLocalMachine, kKey, L"ignore");
        if (!value) return std::nullopt;
        return value->text;
    }

    MemorySettingsStore store;
    BackgroundNotice notice{store};
    int showings = 0;
    int closings = 0;
    int ended = 0;  // notices over, as the start of a task learns it
};

TEST_F(NoticeTest, OnlyAStoredZeroOrNoStoredTextShowsTheNotice) {
    struct Case {
        const char* name;
        std::optional<StoredValue> stored;
        bool shows;
    };
    const Case cases[] = {
        {"missing", std::nullopt, true},
        {"zero", Text(L"0"), true},
        {"one", Text(L"1"), false},
        {"empty", Text(L""), false},
        {"other text", Text(L"00"), false},
        {"zero with blank", Text(L"0 "), false},
        {"integer, not a text", StoredValue{StoredValue::Kind::Integer, 1, L""}, true},
    };
    for (const Case& c : cases) {
        MemorySettingsStore caseStore;
        if (c.stored) caseStore.Put(kRootLocalMachine, kKey, L"Ignore", *c.stored);
        BackgroundNotice form(caseStore);
        Bind(form);
        form.ReadIgnorePreference();
        EXPECT_EQ(StartTask(form), c.shows) << c.name;
        EXPECT_EQ(caseStore.OpenKeyCount(), 0) << c.name;
    }
}

TEST_F(NoticeTest, ReadingStartsFromZeroAndANewerStoredTextWins) {
    notice.ReadIgnorePreference();
    EXPECT_EQ(notice.IgnoreNotice(), L"0");
    store.Put(kRootLocalMachine, L"\\SOFTWARE\\TOLVANE\\DUSK RELAY", L"IGNORE", Text(L"1"));
    notice.ReadIgnorePreference();
    EXPECT_EQ(notice.IgnoreNotice(), L"1");

    store.failOpen = true;  // an unreadable key counts as no stored text
    notice.ReadIgnorePreference();
    EXPECT_EQ(notice.IgnoreNotice(), L"0");
}

TEST_F(NoticeTest, TickedOkStoresTheChoiceAndKeepsTheNoticeOff) {
    notice.ReadIgnorePreference();
    ASSERT_TRUE(StartTask(notice));
    notice.ignoreBox.SetStatus(CheckBoxStatus::Checked);
    notice.OnOkClick();

    EXPECT_EQ(closings, 1);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(StoredIgnore(), L"1");
    EXPECT_EQ(store.Peek(kRootLocalMachine, kKey, L"Ignore")->kind, StoredValue::Kind::Text);
    EXPECT_FALSE(StartTask(notice));  // later in the same run

    BackgroundNotice nextRun(store);
    Bind(nextRun);
    nextRun.ReadIgnorePreference();
    EXPECT_FALSE(StartTask(nextRun));
}

TEST_F(NoticeTest, OkWithoutATickWritesNothingAndTheNoticeReturns) {
    for (CheckBoxStatus status : {CheckBoxStatus::Unchecked, CheckBoxStatus::Grayed}) {
        notice.ReadIgnorePreference();
        notice.ignoreBox.SetStatus(status);
        notice.OnOkClick();
        EXPECT_FALSE(store.KeyExists(kRootLocalMachine, kKey)) << int(status);
        EXPECT_EQ(notice.IgnoreNotice(), L"0") << int(status);
        EXPECT_TRUE(StartTask(notice)) << int(status);
    }
    EXPECT_EQ(closings, 2);
}

TEST_F(NoticeTest, AFailedWriteStillKeepsTheNoticeOffForThisRunOnly) {
    for (bool failOpen : {true, false}) {
        MemorySettingsStore failing;
        failing.failOpen = failOpen;
        failing.failWrites = !failOpen;
        BackgroundNotice form(failing);
        Bind(form);
        form.ReadIgnorePreference();
        form.ignoreBox.SetStatus(CheckBoxStatus::Checked);
        form.OnOkClick();
        EXPECT_FALSE(StartTask(form)) << failOpen;

        failing.failOpen = failing.failWrites = false;
        BackgroundNotice nextRun(failing);
        Bind(nextRun);
        nextRun.ReadIgnorePreference();
        EXPECT_TRUE(StartTask(nextRun)) << failOpen;
    }
}

}  // namespace
}  // namespace dusk
