#pragma once
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "core/countdown_runner.h"

namespace dusk::test {

// Ends each countdown as scripted, at once; without a script the countdown stays open until
// the test ends it.
class FakeCountdownRunner : public CountdownRunner {
public:
    std::deque<CountdownOutcome> outcomes;
    std::vector<TaskAction> runs;  // the action of each countdown
    std::function<void()> whileRunning;
    int postponedMinutes = 10;  // told when an outcome is Postponed

    int PostponedMinutes() const override { return postponedMinutes; }

    void Start(TaskAction action, std::function<void(CountdownOutcome)> onDone) override {
        if (open_) {
            onDone(CountdownOutcome::Interrupted);
            return;
        }
        runs.push_back(action);
        open_ = std::move(onDone);
        if (whileRunning) whileRunning();
        if (outcomes.empty()) return;
        const CountdownOutcome outcome = outcomes.front();
        outcomes.pop_front();
        End(outcome);
    }

    bool Open() const { return static_cast<bool>(open_); }
    void End(CountdownOutcome outcome) {
        if (open_) std::exchange(open_, nullptr)(outcome);
    }

private:
    std::function<void(CountdownOutcome)> open_;
};

}  // namespace dusk::test
