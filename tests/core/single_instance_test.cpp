#include "core/single_instance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dusk {
namespace {

struct MemoryBlock : InstanceBlock {
    bool available = true;
    InstanceWindow slot1 = 0, slot2 = 0;
    bool Available() const override { return available; }
    InstanceWindow ClaimFirstInstance(InstanceWindow window) override {
        if (slot1 == 0) slot1 = window;
        return slot1;
    }
    InstanceWindow MainWindow() const override { return slot2; }
    void SetMainWindow(InstanceWindow window) override { slot2 = window; }
};

struct RecordingMessenger : FirstInstanceMessenger {
    std::vector<std::string> sent;
    void SendScheduledStart(InstanceWindow w) override {
        sent.push_back("start " + std::to_string(w));
    }
    void Restore(InstanceWindow w) override { sent.push_back("restore " + std::to_string(w)); }
};

TEST(SingleInstance, TheFirstClaimsTheBlockAndLaterStartsHandOver) {
    struct Case {
        const char* name;
        bool available;
        InstanceWindow slot1, slot2;
        bool scheduled;
        bool handedOff;
        std::vector<std::string> sent;
        InstanceWindow slot1After;
    };
    const Case cases[] = {
        {"first instance", true, 0, 0, false, false, {}, 7},
        {"first instance started by the scheduler", true, 0, 0, true, false, {}, 7},
        {"no block", false, 0, 0, true, false, {}, 0},
        {"second start restores the first", true, 3, 4, false, true, {"restore 3"}, 3},
        {"scheduled start goes to the main window first",
         true,
         3,
         4,
         true,
         true,
         {"start 4", "restore 3"},
         3},
        {"first instance without a main window yet", true, 3, 0, true, true, {"restore 3"}, 3},
    };
    for (const Case& c : cases) {
        MemoryBlock block;
        block.available = c.available;
        block.slot1 = c.slot1;
        block.slot2 = c.slot2;
        RecordingMessenger messenger;
        EXPECT_EQ(HandOffToFirstInstance(block, messenger, 7, c.scheduled), c.handedOff) << c.name;
        EXPECT_EQ(messenger.sent, c.sent) << c.name;
        EXPECT_EQ(block.slot1, c.slot1After) << c.name;
    }
}

TEST(SingleInstance, OnlyTheFirstInstancePublishesItsMainWindow) {
    MemoryBlock block;
    RecordingMessenger messenger;
    ASSERT_FALSE(HandOffToFirstInstance(block, messenger, 7, false));
    PublishMainWindow(block, 7, 9);
    EXPECT_EQ(block.slot2, 9u);
    PublishMainWindow(block, 8, 10);  // a process that is not the first
    EXPECT_EQ(block.slot2, 9u);
}

TEST(SingleInstance, EitherOfTheFirstTwoArgumentsMakesAScheduledStart) {
    EXPECT_FALSE(IsScheduledStart(L"", L""));
    EXPECT_TRUE(IsScheduledStart(L"x", L""));
    EXPECT_TRUE(IsScheduledStart(L"", L"-Day"));
}

}  // namespace
}  // namespace dusk
