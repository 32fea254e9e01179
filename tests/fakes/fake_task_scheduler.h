#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "system/task_scheduler.h"

namespace dusk::test {

// Keeps jobs in memory and records every call by name. Each call can be told to fail.
class FakeTaskScheduler : public TaskScheduler {
public:
    std::map<std::wstring, ScheduledJob, std::less<>> jobs;
    bool running = true;
    bool startSucceeds = true;  // a successful start sets running
    bool queryFails = false;
    bool setFails = false;
    std::uint32_t startType = 3;                   // SERVICE_DEMAND_START
    SaveOutcome saveOutcome = SaveOutcome::Saved;  // anything else stores nothing
    bool readFails = false;
    bool deleteFails = false;  // the job stays, as when access is denied
    std::vector<std::string> calls;

    SaveOutcome SaveTask(const ScheduledJob& task) override {
        calls.push_back("SaveTask");
        if (saveOutcome == SaveOutcome::Saved) jobs[task.taskName] = task;
        return saveOutcome;
    }

    bool ReadTask(std::wstring_view taskName, ScheduledJob& task) override {
        calls.push_back("ReadTask");
        const auto job = jobs.find(taskName);
        if (readFails || job == jobs.end()) {
            task.taskName.clear();
            return false;
        }
        task = job->second;
        return true;
    }

    bool DeleteTask(std::wstring_view taskName) override {
        calls.push_back("DeleteTask");
        const auto job = jobs.find(taskName);
        if (deleteFails || job == jobs.end()) return false;
        jobs.erase(job);
        return true;
    }

    bool IsSchedulerRunning() override {
        calls.push_back("IsSchedulerRunning");
        return running;
    }

    bool StartScheduler() override {
        calls.push_back("StartScheduler");
        if (startSucceeds) running = true;
        return startSucceeds;
    }

    bool QueryServiceStartType(std::wstring_view serviceName, std::uint32_t& type) override {
        calls.push_back("QueryServiceStartType " + Narrow(serviceName));
        if (queryFails) return false;
        type = startType;
        return true;
    }

    bool SetServiceStartType(std::wstring_view serviceName, std::uint32_t type) override {
        calls.push_back("SetServiceStartType " + Narrow(serviceName) + " " + std::to_string(type));
        if (setFails) return false;
        startType = type;
        return true;
    }

private:
    static std::string Narrow(std::wstring_view text) { return {text.begin(), text.end()}; }
};

}  // namespace dusk::test
