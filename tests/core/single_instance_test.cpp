#include "core/single_instance.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace dusk {
namespace {

struct MemoryBlock : InstanceBlock {
    bool available = true;
    InstanceWindow slot1 = 0, slot2 = 0;
    bool Available() const override { return available; }
    InstanceWindow FirstInstance() const override { return slot1; }
    bool ReplaceFirstInstance(InstanceWindow expected, InstanceWindow desired) override {
        if (slot1 != expected) return false;
        slot1 = desired;
        return true;
    }
    InstanceWindow MainWindow() const override { return slot2; }
    void SetMainWindow(InstanceWindow window) override { slot2 = window; }
};

struct RecordingMessenger : FirstInstanceMessenger {
    std::set<InstanceWindow> programWindows;
    bool takesStart = true;
    std::function<void(int pause)> onPause;  // what happens elsewhere meanwhile
    int pauses = 0;
    std::vector<std::string> sent;

    bool IsProgramWindow(InstanceWindow w) override { return programWindows.count(w) != 0; }
    bool SendScheduledStart(InstanceWindow w, InstanceWindow waiter) override {
        sent.push_back("start " + std::to_string(w) + " for " + std::to_string(waiter));
        return takesStart;
    }
    void Restore(InstanceWindow w) override { sent.push_back("restore " + std::to_string(w)); }
    void Pause(std::uint32_t) override {
        if (onPause) onPause(++pauses);
    }
};

constexpr InstanceWindow kSelf = 7;
constexpr int kPausesInTheWait = kHandOffWaitMs / kHandOffPollMs;

TEST(SingleInstance, AStartClaimsTheBlockOrHandsOverToTheProgramsFirstInstance) {
    struct Case {
        const char* name;
        bool available;
        InstanceWindow slot1, slot2;
        std::set<InstanceWindow> programWindows;
        bool scheduled, takesStart;
        int publishAfterPauses;  // 0: never during the wait
        StartRole role;
        std::vector<std::string> sent;
        InstanceWindow slot1After, slot2After;
        int pauses;
    };
    const std::string start = "start 4 for 7";
    // clang-format off
    const Case cases[] = {
        {"no block", false, 0, 0, {}, true, true, 0, StartRole::FirstInstance, {}, 0, 0, 0},
        {"empty block", true, 0, 0, {}, true, true, 0, StartRole::FirstInstance, {}, kSelf, 0, 0},
        {"first instance that ended", true, 3, 4, {}, true, true, 0, StartRole::FirstInstance,
         {}, kSelf, 0, 0},
        {"impostor's window in both slots", true, 3, 4, {}, false, true, 0,
         StartRole::FirstInstance, {}, kSelf, 0, 0},
        {"plain start restores", true, 3, 4, {3, 4}, false, true, 0, StartRole::HandedOver,
         {"restore 3"}, 3, 4, 0},
        {"scheduled start goes to the main window", true, 3, 4, {3, 4}, true, true, 0,
         StartRole::AwaitingDone, {start}, 3, 4, 0},
        {"main window published while waiting", true, 3, 0, {3, 4}, true, true, 5,
         StartRole::AwaitingDone, {start}, 3, 4, 5},
        {"main window never published", true, 3, 0, {3, 4}, true, true, 0,
         StartRole::StartNotHanded, {"restore 3"}, 3, 0, kPausesInTheWait},
        {"impostor's main window is never sent to", true, 3, 9, {3, 4}, true, true, 0,
         StartRole::StartNotHanded, {"restore 3"}, 3, 9, kPausesInTheWait},
        {"a start not taken is not repeated", true, 3, 4, {3, 4}, true, false, 0,
         StartRole::StartNotHanded, {start, "restore 3"}, 3, 4, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryBlock block;
        block.available = c.available;
        block.slot1 = c.slot1;
        block.slot2 = c.slot2;
        RecordingMessenger messenger;
        messenger.programWindows = c.programWindows;
        messenger.takesStart = c.takesStart;
        messenger.onPause = [&](int pause) {
            if (pause == c.publishAfterPauses) block.slot2 = 4;
        };
        const HandOff handOff = HandOffToFirstInstance(block, messenger, kSelf, c.scheduled);
        EXPECT_EQ(handOff.role, c.role);
        EXPECT_EQ(messenger.sent, c.sent);
        EXPECT_EQ(block.slot1, c.slot1After);
        EXPECT_EQ(block.slot2, c.slot2After);
        EXPECT_EQ(messenger.pauses, c.pauses);
    }
}

TEST(SingleInstance, AScheduledStartWaitingForAFirstInstanceThatEndsBecomesTheFirst) {
    MemoryBlock block;
    block.slot1 = 3;
    RecordingMessenger messenger;
    messenger.programWindows = {3};
    messenger.onPause = [&](int pause) {
        if (pause == 2) messenger.programWindows.clear();
    };
    EXPECT_EQ(HandOffToFirstInstance(block, messenger, kSelf, true).role, StartRole::FirstInstance);
    EXPECT_EQ(block.slot1, kSelf);
    EXPECT_TRUE(messenger.sent.empty());
}

TEST(SingleInstance, OnlyTheFirstInstancePublishesAndReleasesTheBlock) {
    MemoryBlock block;
    RecordingMessenger messenger;
    ASSERT_EQ(HandOffToFirstInstance(block, messenger, kSelf, false).role,
              StartRole::FirstInstance);
    PublishMainWindow(block, 8, 10);  // a process that is not the first
    ReleaseFirstInstance(block, 8);
    EXPECT_EQ(block.slot1, kSelf);
    EXPECT_EQ(block.slot2, 0u);
    PublishMainWindow(block, kSelf, 9);
    EXPECT_EQ(block.slot2, 9u);

    ReleaseFirstInstance(block, kSelf);
    EXPECT_EQ(block.slot1, 0u);
    EXPECT_EQ(block.slot2, 0u);
    EXPECT_EQ(ClaimFirstInstance(block, messenger, 8), 8u) << "the next start is the first";
}

TEST(SingleInstance, EitherOfTheFirstTwoArgumentsMakesAScheduledStart) {
    EXPECT_FALSE(IsScheduledStart(L"", L""));
    EXPECT_TRUE(IsScheduledStart(L"x", L""));
    EXPECT_TRUE(IsScheduledStart(L"", L"-Day"));
}

}  // namespace
}  // namespace dusk
