#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "core/countdown_runner.h"

namespace dusk::test {

// Ends each countdown as scripted; a countdown nobody scripted fails the test and counts as
// interrupted, so nothing is performed for it.
class FakeCountdownRunner : public CountdownRunner {
public:
    std::deque<CountdownOutcome> outcomes;
    std::vector<std::int32_t> runs;  // the action code of each countdown
    std::function<void()> whileRunning;

    CountdownOutcome Run(std::int32_t actionCode) override {
        runs.push_back(actionCode);
        if (whileRunning) whileRunning();
        if (outcomes.empty()) {
            ADD_FAILURE() << "unscripted countdown";
            return CountdownOutcome::Interrupted;
        }
        const CountdownOutcome outcome = outcomes.front();
        outcomes.pop_front();
        return outcome;
    }
};

}  // namespace dusk::test
