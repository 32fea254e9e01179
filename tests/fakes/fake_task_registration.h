#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/task_registration.h"

namespace dusk::test {

// A system scheduler in memory: prepares when `answer` is not Unavailable, answers every
// registration with `answer` and keeps the task when it answers Registered.
class FakeTaskRegistration : public TaskRegistration {
public:
    RegistrationResult answer = RegistrationResult::Unavailable;
    std::optional<ScheduledTask> registered;
    std::vector<ScheduledTask> requests;
    std::function<void()> duringPrompts;  // the user reading the scheduler's questions
    bool deleteFails = false;
    int deletions = 0;

    void Prepare(std::function<void(bool)> onPrepared) override {
        if (duringPrompts) duringPrompts();
        onPrepared(answer != RegistrationResult::Unavailable);
    }
    RegistrationResult Register(const ScheduledTask& task) override {
        requests.push_back(task);
        if (answer == RegistrationResult::Registered) registered = task;
        return answer;
    }
    std::wstring Method() const override { return L"scheduler 2.0"; }
    std::optional<ScheduledTask> ReadRegistered() override { return registered; }
    bool DeleteRegistered() override {
        ++deletions;
        if (deleteFails && registered) return false;
        registered.reset();
        return true;
    }
};

}  // namespace dusk::test
