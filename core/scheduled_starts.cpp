#include "core/scheduled_starts.h"

#include <utility>

namespace dusk {

void ScheduledStarts::Add(std::function<void()> onDone) {
    waiting_.push_back(std::move(onDone));
    if (ready_ && !counting_) Begin();
}

void ScheduledStarts::OnFirstShowDone() {
    if (ready_) return;
    ready_ = true;
    if (!waiting_.empty()) Begin();
}

void ScheduledStarts::Begin() {
    counting_ = true;
    countDown_([this] {
        counting_ = false;
        // Each served start is told once; one that arrives while they are told gets a countdown
        // of its own.
        const std::vector<std::function<void()>> served = std::exchange(waiting_, {});
        for (const auto& onDone : served) onDone();
    });
}

}  // namespace dusk
