#include "core/scheduled_starts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dusk {
namespace {

// Countdowns that end when the test says, or at once.
struct Countdowns {
    bool endAtOnce = false;
    int started = 0;
    std::function<void()> running;

    ScheduledStarts::CountDown Runner() {
        return [this](std::function<void()> onDone) {
            ++started;
            if (endAtOnce) {
                onDone();
            } else {
                running = std::move(onDone);
            }
        };
    }
    void End() { std::exchange(running, nullptr)(); }
};

TEST(ScheduledStarts, StartsBeforeTheFirstShowingWaitForItAndShareOneCountdown) {
    Countdowns countdowns;
    ScheduledStarts starts(countdowns.Runner());
    std::vector<std::string> told;
    starts.Add([&] { told.push_back("own"); });
    starts.Add([&] { told.push_back("handed over"); });
    EXPECT_EQ(countdowns.started, 0) << "nothing counts down before the first showing";

    starts.OnFirstShowDone();
    EXPECT_EQ(countdowns.started, 1);
    starts.Add([&] { told.push_back("while counting"); });
    starts.OnFirstShowDone();  // a later showing
    EXPECT_EQ(countdowns.started, 1);
    EXPECT_TRUE(told.empty());

    countdowns.End();
    EXPECT_EQ(told, (std::vector<std::string>{"own", "handed over", "while counting"}));
    starts.Add([&] { told.push_back("next day"); });
    EXPECT_EQ(countdowns.started, 2) << "a start after the countdown gets its own";
}

TEST(ScheduledStarts, EachStartIsToldOnceWhenTheCountdownEndsWithinTheCall) {
    Countdowns countdowns;
    countdowns.endAtOnce = true;
    ScheduledStarts starts(countdowns.Runner());
    starts.OnFirstShowDone();
    EXPECT_EQ(countdowns.started, 0) << "no start, no countdown";
    int told = 0;
    starts.Add([&] { ++told; });
    starts.Add([&] { ++told; });
    EXPECT_EQ(countdowns.started, 2);
    EXPECT_EQ(told, 2);
}

}  // namespace
}  // namespace dusk
