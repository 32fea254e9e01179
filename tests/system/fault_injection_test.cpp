// Every call through the settings store, the scheduler and its service, the companion library
// and the power seam fails in turn, over Start Task, Cancel Task, the watch-timer countdown and
// the scheduled start. Each run must end in a defined view, with no task that the program
// believes set but that exists nowhere, and with nothing performed after a cancel.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/stored_settings.h"
#include "core/task_controller.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_companion.h"
#include "fakes/fake_countdown_runner.h"
#include "fakes/fake_logon_start.h"
#include "fakes/fake_main_window.h"
#include "fakes/fake_startup_shortcut.h"
#include "fakes/fake_task_scheduler.h"
#include "fakes/fixed_regions.h"
#include "fakes/memory_settings_store.h"
#include "fakes/recording_activity_log.h"
#include "fakes/recording_power_api.h"
#include "system/power_action_performer.h"
#include "system/scheduler_registration.h"

namespace dusk {
namespace {

// Counts the calls through every seam and fails the one whose number it is given.
struct FaultPlan {
    int failAt = 0;  // 0: nothing fails
    int calls = 0;
    bool Fail() { return ++calls == failAt; }
};

class FaultyKey : public SettingsKey {
public:
    FaultyKey(std::unique_ptr<SettingsKey> key, FaultPlan& plan)
        : key_(std::move(key)), plan_(plan) {}
    std::optional<StoredValue> Read(std::wstring_view name) const override {
        if (plan_.Fail()) return std::nullopt;
        return key_->Read(name);
    }
    bool WriteInteger(std::wstring_view name, std::int32_t value) override {
        return !plan_.Fail() && key_->WriteInteger(name, value);
    }
    bool WriteText(std::wstring_view name, std::wstring_view value) override {
        return !plan_.Fail() && key_->WriteText(name, value);
    }
    void Delete(std::wstring_view name) override {
        if (!plan_.Fail()) key_->Delete(name);
    }

private:
    std::unique_ptr<SettingsKey> key_;
    FaultPlan& plan_;
};

class FaultyStore : public test::MemorySettingsStore {
public:
    explicit FaultyStore(FaultPlan& plan) : plan_(plan) {}
    std::unique_ptr<SettingsKey> Open(std::uint32_t root, std::wstring_view path,
                                      bool create) override {
        if (plan_.Fail()) return nullptr;
        auto key = MemorySettingsStore::Open(root, path, create);
        if (!key) return nullptr;
        return std::make_unique<FaultyKey>(std::move(key), plan_);
    }

private:
    FaultPlan& plan_;
};

class FaultyScheduler : public test::FakeTaskScheduler {
public:
    explicit FaultyScheduler(FaultPlan& plan) : plan_(plan) {}
    SaveOutcome SaveTask(const ScheduledJob& job) override {
        return plan_.Fail() ? SaveOutcome::SaveFailed : FakeTaskScheduler::SaveTask(job);
    }
    bool ReadTask(std::wstring_view name, ScheduledJob& job) override {
        if (plan_.Fail()) {
            job.taskName.clear();
            return false;
        }
        return FakeTaskScheduler::ReadTask(name, job);
    }
    bool DeleteTask(std::wstring_view name) override {
        return !plan_.Fail() && FakeTaskScheduler::DeleteTask(name);
    }
    bool IsSchedulerRunning() override {
        return !plan_.Fail() && FakeTaskScheduler::IsSchedulerRunning();
    }
    bool StartScheduler() override { return !plan_.Fail() && FakeTaskScheduler::StartScheduler(); }
    bool QueryServiceStartType(std::wstring_view name, std::uint32_t& type) override {
        return !plan_.Fail() && FakeTaskScheduler::QueryServiceStartType(name, type);
    }
    bool SetServiceStartType(std::wstring_view name, std::uint32_t type) override {
        return !plan_.Fail() && FakeTaskScheduler::SetServiceStartType(name, type);
    }

private:
    FaultPlan& plan_;
};

// A failed message box answers 0.
class FaultyCompanion : public test::FakeCompanion {
public:
    explicit FaultyCompanion(FaultPlan& plan) : plan_(plan) {}
    int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                       std::uint32_t style) override {
        if (plan_.Fail()) return 0;
        return FakeCompanion::ShowMessageBox(owner, text, caption, style);
    }

private:
    FaultPlan& plan_;
};

class FaultyPowerApi : public test::RecordingPowerApi {
public:
    explicit FaultyPowerApi(FaultPlan& plan) : plan_(plan) {}
    std::unique_ptr<AccessToken> OpenOwnToken(std::uint32_t access) override {
        if (plan_.Fail()) return nullptr;
        return RecordingPowerApi::OpenOwnToken(access);
    }
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override {
        return !plan_.Fail() && RecordingPowerApi::ExitSession(flags, reason);
    }

private:
    FaultPlan& plan_;
};

DateTime At(int h, int mi, int s = 0) { return *DateTime::FromParts({2016, 12, 24, h, mi, s}); }

// The task area over the real scheduler registration, every seam able to fail.
struct World {
    explicit World(int failAt) { plan.failAt = failAt; }

    FaultPlan plan;
    test::FakeClock clock{At(21, 5, 9)};
    RegionalFormats formats{test::FixedRegionSettings("en-US")};
    MessageCatalogue catalogue;
    FaultyStore store{plan};
    FaultyCompanion companion{plan};
    FaultyScheduler scheduler{plan};
    MessageBoxUserPrompts prompts{companion, catalogue, nullptr};
    RecordingActivityLog log;
    SchedulerTaskRegistration registration{scheduler,
                                           L"windows10",
                                           {L"C:\\D\\", L"me"},
                                           PromptsFor(prompts, catalogue),
                                           [](std::function<void()> onClosed) { onClosed(); },
                                           log};
    test::FakeCountdownRunner countdown;
    test::FakeMainWindow mainWindow;
    test::FakeStartupShortcut shortcut;
    FaultyPowerApi powerApi{plan};
    PowerActionPerformer power{powerApi};
    TaskRecord task;
    FakeLogonStart logonStart;
    TaskStore taskStore{store, formats, L"C:\\D\\", logonStart};
    TaskView view{task, catalogue, formats, clock};
    TaskController controller{task,
                              view,
                              {clock, formats, catalogue, taskStore, prompts, registration,
                               countdown, mainWindow, shortcut, power, log, L"windows10"}};

    void StartFromNow(const wchar_t* hours, const wchar_t* minutes) {
        controller.OnActionClick(TaskAction::LogOff);
        controller.OnFromNowClick();
        view.controls.delayHoursField.SetText(hours);
        view.controls.delayMinutesField.SetText(minutes);
        companion.answers = {kAnswerYes, kAnswerNo};  // start it; do not start the scheduler
        controller.OnStartTaskClick();
    }
    void StartDaily() {
        controller.OnActionClick(TaskAction::ShutDown);
        controller.OnDailyClick();
        view.controls.dailyTimePicker.SetValue(At(21, 6));
        companion.answers = {kAnswerYes, kAnswerNo};
        controller.OnStartTaskClick();
    }
    void WatchUntil(DateTime until) {
        while (controller.watchTimer.Enabled() && clock.Now() < until) {
            clock.Advance(controller.watchTimer.Interval());
            controller.watchTimer.Tick();
        }
    }
    std::size_t PowerActions() const {
        std::size_t actions = 0;
        for (const std::string& call : powerApi.calls) {
            if (call.starts_with("ExitWindowsEx") || call.starts_with("SetSystemPowerState")) {
                ++actions;
            }
        }
        return actions;
    }
};

struct Scenario {
    const char* name;
    bool cancelled;  // nothing may be performed
    std::function<void(World&)> run;
};

const Scenario kScenarios[] = {
    {"scheduled start task", false, [](World& w) { w.StartDaily(); }},
    {"local start task", false,
     [](World& w) {
         w.scheduler.running = false;
         w.StartFromNow(L"0", L"1");
     }},
    {"cancel task", true,
     [](World& w) {
         w.StartDaily();
         w.companion.answers = {kAnswerYes};
         w.controller.OnCancelTaskClick();
     }},
    {"watch countdown runs out", false,
     [](World& w) {
         w.scheduler.running = false;
         w.StartFromNow(L"0", L"1");
         w.countdown.outcomes = {CountdownOutcome::RanOut};
         w.WatchUntil(At(21, 8));
     }},
    {"watch countdown cancelled", true,
     [](World& w) {
         w.scheduler.running = false;
         w.StartFromNow(L"0", L"1");
         w.countdown.outcomes = {CountdownOutcome::Cancelled};
         w.WatchUntil(At(21, 8));
     }},
    {"scheduled start cancelled", true,
     [](World& w) {
         w.StartFromNow(L"0", L"1");
         w.countdown.outcomes = {CountdownOutcome::Cancelled};
         w.clock.Set(At(21, 7));
         w.controller.OnScheduledStart(nullptr);
     }},
};

TEST(FaultInjection, EveryFailingCallEndsInADefinedView) {
    for (const Scenario& scenario : kScenarios) {
        int total = 0;
        {
            World clean(0);
            clean.controller.OnFirstShow();
            scenario.run(clean);
            total = clean.plan.calls;
        }
        for (int failAt = 1; failAt <= total; ++failAt) {
            SCOPED_TRACE(std::string(scenario.name) + ", call " + std::to_string(failAt));
            World w(failAt);
            // A failure may leave a question or a countdown unasked; that is no fault.
            w.controller.OnFirstShow();
            scenario.run(w);
            const bool set = IsTaskSet(w.task.status);
            EXPECT_EQ(w.view.cancelTaskButton.Visible(), set);
            EXPECT_EQ(w.view.startTaskButton.Visible(), !set);
            if (set) {
                EXPECT_TRUE(!w.scheduler.jobs.empty() || w.controller.watchTimer.Enabled())
                    << "a task the program believes set exists nowhere";
            }
            if (scenario.cancelled) {
                EXPECT_EQ(w.PowerActions(), 0u);
            }
        }
    }
}

}  // namespace
}  // namespace dusk
