#pragma once
#include "core/task_registration.h"

namespace dusk::win32 {

// Stands in for the Task Scheduler registration until it is wired in: the scheduler is never
// available, so every task runs inside the program under its watch timer.
class UnavailableTaskRegistration : public TaskRegistration {
public:
    RegistrationResult Register(const ScheduledTask&) override {
        return RegistrationResult::Unavailable;
    }
    std::optional<ScheduledTask> ReadRegistered() override { return std::nullopt; }
    void DeleteRegistered() override {}
};

}  // namespace dusk::win32
