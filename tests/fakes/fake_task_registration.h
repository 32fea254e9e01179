#pragma once
#include <optional>
#include <vector>

#include "core/task_registration.h"

namespace dusk::test {

// A system scheduler in memory: answers every registration with `answer` and keeps the task
// when it answers Registered.
class FakeTaskRegistration : public TaskRegistration {
public:
    RegistrationResult answer = RegistrationResult::Unavailable;
    std::optional<ScheduledTask> registered;
    std::vector<ScheduledTask> requests;
    int deletions = 0;

    RegistrationResult Register(const ScheduledTask& task) override {
        requests.push_back(task);
        if (answer == RegistrationResult::Registered) registered = task;
        return answer;
    }
    std::optional<ScheduledTask> ReadRegistered() override { return registered; }
    void DeleteRegistered() override {
        ++deletions;
        registered.reset();
    }
};

}  // namespace dusk::test
