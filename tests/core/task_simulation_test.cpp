// The task core over a simulated clock: the real controller, trigger arithmetic, store and
// scheduler registration, with a scheduler that starts the program as Windows does, through
// generated scenarios of starts, cancels, restarts and switched-off computers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/task_controller.h"
#include "core/trigger_arithmetic.h"
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
#include "system/scheduled_job.h"
#include "system/scheduler_registration.h"

namespace dusk {
namespace {

constexpr std::int64_t kSecond = DateTime::kMsPerSecond;
constexpr std::int64_t kMinute = DateTime::kMsPerMinute;
constexpr std::int64_t kDay = DateTime::kMsPerDay;
constexpr int kScenarios = 10000;

// A countdown for a moment starts at most this long before it (a job keeps the minute only
// and the countdown begins 30 seconds early) and at most this long after it (a from-now job
// is rounded up to the scheduler's next minute).
constexpr std::int64_t kEarliestCountdown = 61 * kSecond;
constexpr std::int64_t kLatestCountdown = 60 * kSecond;

struct Countdown {
    DateTime at;
    int task;
};

// Set tasks as the user meant them: the moments at which each must fire.
struct IntendedTask {
    int id;
    bool daily;
    DateTime moment;  // one-shot: the moment; daily: any day at the time of day
    DateTime setAt;
    std::optional<DateTime> endedAt;  // a confirmed cancel, or its one moment fired
};

class PowerCounter : public PowerAction {
public:
    std::uint32_t Perform(TaskAction) override {
        performed.push_back(clock->Now());
        return 0;
    }
    const Clock* clock = nullptr;
    std::vector<DateTime> performed;
};

// One scenario: everything a process loses when it ends lives in Process, the rest in World.
class Simulation {
public:
    explicit Simulation(std::uint64_t seed) : random_(seed) {
        power_.clock = &clock_;
        registration_.emplace(
            scheduler_, L"windows10", TaskOwner{L"C:\\D\\", L"me"},
            SchedulerPrompts{[this] { return AskToStart(); }, [] {}},
            [this](std::function<void()> onClosed) {
                Prompt();
                onClosed();
            },
            log_);
    }

    void Run();

    std::vector<std::string> failures;

private:
    struct Process {
        Process(Simulation& s)
            : view(task, s.catalogue_, s.formats_, s.clock_),
              controller(
                  task, view,
                  {s.clock_, s.formats_, s.catalogue_, s.taskStore_, s.prompts_, *s.registration_,
                   countdown, s.mainWindow_, s.shortcut_, s.power_, s.log_, L"windows10"}) {}
        TaskRecord task;
        TaskView view;
        test::FakeCountdownRunner countdown;
        TaskController controller;
    };

    std::int64_t Pick(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
    }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    DateTime Now() const { return clock_.Now(); }

    bool AskToStart() {
        Prompt();
        const bool yes = Chance(50);
        scheduler_.startSucceeds = Chance(70);
        return yes;
    }
    // The user reads a prompt for 0 to 90 seconds.
    void Prompt() { clock_.Advance(Pick(0, 90) * kSecond); }

    void StartProgram();
    void EndProgram();
    void StartTask();
    void CancelTask();
    void AdvanceTo(DateTime until);
    std::optional<DateTime> NextJobRun(DateTime after) const;
    void CheckViewIsTrue();
    void CheckCountdowns();
    void Fail(const std::string& what) { failures.push_back(what); }

    std::mt19937_64 random_;
    test::FakeClock clock_{At(2026, 12, 8, 23, 50, 0)};
    RegionalFormats formats_{test::FixedRegionSettings("en-US")};
    MessageCatalogue catalogue_;
    test::MemorySettingsStore store_;
    FakeLogonStart logonStart_;
    TaskStore taskStore_{store_, formats_, L"C:\\D\\", logonStart_};
    test::FakeCompanion companion_;
    MessageBoxUserPrompts prompts_{companion_, catalogue_, nullptr};
    test::FakeTaskScheduler scheduler_;
    RecordingActivityLog log_;
    std::optional<SchedulerTaskRegistration> registration_;
    test::FakeMainWindow mainWindow_;
    test::FakeStartupShortcut shortcut_;
    PowerCounter power_;

    std::unique_ptr<Process> process_;
    std::optional<DateTime> nextWatchTick_;
    std::optional<DateTime> countdownEnd_;
    CountdownOutcome countdownOutcome_ = CountdownOutcome::RanOut;
    bool jobProcessRunning_ = false;  // started by the scheduler, until its start is handled
    DateTime lastJobRun_;

    std::vector<IntendedTask> intended_;
    std::vector<Countdown> countdowns_;
    // Times near which the program ended or while the computer was off: nothing is owed there.
    struct Span {
        DateTime from, to;
    };
    std::vector<Span> disruptions_;

    static DateTime At(int y, int mo, int d, int h, int mi, int s) {
        return *DateTime::FromParts({y, mo, d, h, mi, s, 0});
    }
};

void Simulation::StartProgram() {
    process_ = std::make_unique<Process>(*this);
    Process& p = *process_;
    p.controller.watchTimer.onStateChanged = [this] {
        const TimerModel& timer = process_->controller.watchTimer;
        nextWatchTick_.reset();
        if (timer.Enabled()) nextWatchTick_ = Now().Plus(timer.Interval());
    };
    p.countdown.whileRunning = [this] {
        countdowns_.push_back({Now(), intended_.empty() ? -1 : intended_.back().id});
        // Cancelled after a few seconds, or left to run out.
        const bool cancel = Chance(30);
        countdownOutcome_ = cancel ? CountdownOutcome::Cancelled : CountdownOutcome::RanOut;
        countdownEnd_ = Now().Plus(cancel ? Pick(1, 30) * kSecond : 31 * kSecond);
    };
    p.controller.OnFirstShow();
    if (!intended_.empty() && !intended_.back().endedAt && !IsTaskSet(p.task.status)) {
        // A one-shot task found long past at the start: it ends without a countdown.
        intended_.back().endedAt = Now();
    }
}

void Simulation::EndProgram() {
    disruptions_.push_back({Now(), Now()});
    process_.reset();
    nextWatchTick_.reset();
    countdownEnd_.reset();
    jobProcessRunning_ = false;  // its hand-off ends with the program
}

void Simulation::StartTask() {
    Process& p = *process_;
    TaskControls& c = p.view.controls;
    p.controller.OnActionClick(kActions[static_cast<std::size_t>(Pick(0, 3))].action);
    // Times on a grid around midnight and minute boundaries.
    const std::int64_t offset = Pick(-150, 150) * 2 * kSecond + (Chance(20) ? 500 : 0);
    const DateTime gridPoint = Now().Date().Plus(kDay).Plus(offset);
    IntendedTask task{static_cast<int>(intended_.size()), false, gridPoint, Now(), std::nullopt};
    std::function<DateTime()> intendedMoment;
    switch (Pick(0, 2)) {
        case 0:
            p.controller.OnDailyClick();
            c.dailyTimePicker.SetValue(gridPoint);
            task.daily = true;
            intendedMoment = [gridPoint] { return gridPoint; };
            break;
        case 1:
            p.controller.OnSpecifiedClick();
            c.specifiedDatePicker.SetValue(gridPoint);
            c.specifiedTimePicker.SetValue(gridPoint);
            intendedMoment = [gridPoint] {
                return DateTime::FromMilliseconds(gridPoint.Milliseconds() / kSecond * kSecond);
            };
            break;
        default: {
            const int minutes = static_cast<int>(Pick(0, 12));
            p.controller.OnFromNowClick();
            c.delayHoursField.SetText(L"0");
            c.delayMinutesField.SetText(std::to_wstring(minutes));
            // The delay counts from the last answer, which the scenario notes below.
            intendedMoment = [this, minutes] { return Now().Plus(minutes * kMinute); };
            break;
        }
    }
    companion_.answers = {kAnswerYes};
    p.controller.OnStartTaskClick();
    if (!IsTaskSet(p.task.status)) return;  // refused: a past moment or a zero delay
    task.moment = intendedMoment();
    task.setAt = Now();
    intended_.push_back(task);
    // A one-shot job keeps its minute: never one that has begun before the moment of saving.
    for (const auto& [name, job] : scheduler_.jobs) {
        const auto start = DateTime::FromParts(
            {job.beginYear, job.beginMonth, job.beginDay, job.startHour, job.startMinute, 0, 0});
        if (job.triggerKind != kTriggerKindDaily && (!start || *start < Now().Plus(-kMinute))) {
            Fail("one-shot job registered in the past");
        }
    }
}

void Simulation::CancelTask() {
    Process& p = *process_;
    if (!p.view.cancelTaskButton.Visible()) return;
    companion_.answers = {kAnswerYes};
    p.controller.OnCancelTaskClick();
    if (!IsTaskSet(p.task.status) && !intended_.empty() && !intended_.back().endedAt) {
        intended_.back().endedAt = Now();
    }
}

std::optional<DateTime> Simulation::NextJobRun(DateTime after) const {
    if (scheduler_.jobs.empty()) return std::nullopt;
    const ScheduledJob& job = scheduler_.jobs.begin()->second;
    const auto first = DateTime::FromParts(
        {job.beginYear, job.beginMonth, job.beginDay, job.startHour, job.startMinute, 0, 0});
    if (!first) return std::nullopt;
    if (job.triggerKind != kTriggerKindDaily) {
        return *first >= after ? first : std::nullopt;
    }
    if (*first >= after) return first;
    const std::int64_t days = (MillisecondsBetween(after, *first) + kDay - 1) / kDay;
    return first->Plus(days * kDay);
}

void Simulation::AdvanceTo(DateTime until) {
    while (process_ && failures.empty()) {
        std::optional<DateTime> next;
        auto consider = [&next](std::optional<DateTime> at) {
            if (at && (!next || *at < *next)) next = at;
        };
        // Ticks more than ten minutes before the task's moment change nothing (a daily task's
        // only slow the watch down again): those are skipped, keeping the timer's phase.
        if (nextWatchTick_) {
            const std::int64_t interval = process_->controller.watchTimer.Interval();
            const auto moment = TaskMomentNear(process_->task, *nextWatchTick_);
            std::int64_t ahead = moment ? MillisecondsBetween(*moment, *nextWatchTick_) : 0;
            if (process_->task.trigger == TriggerKind::Daily && ahead < 0) ahead += kDay;
            const std::int64_t skip = (ahead - 10 * kMinute) / interval;
            if (skip > 0) nextWatchTick_ = nextWatchTick_->Plus(skip * interval);
        }
        consider(nextWatchTick_);
        consider(countdownEnd_);
        const auto jobRun = NextJobRun(lastJobRun_ > Now() ? lastJobRun_ : Now());
        consider(jobRun);
        if (!next || *next > until) break;
        clock_.Set(*next);
        if (countdownEnd_ && *countdownEnd_ == *next) {
            countdownEnd_.reset();
            process_->countdown.End(countdownOutcome_);
            if (countdownOutcome_ == CountdownOutcome::RanOut &&
                (power_.performed.empty() || power_.performed.back() != Now())) {
                Fail("a countdown ran out and nothing was performed");
            }
            IntendedTask* last = intended_.empty() ? nullptr : &intended_.back();
            if (last && !last->daily && !last->endedAt && !IsTaskSet(process_->task.status)) {
                last->endedAt = Now();  // its one moment has come
            }
        } else if (jobRun && *jobRun == *next) {
            lastJobRun_ = Now().Plus(1);
            // The scheduler ignores a new run while the process of the last one still runs.
            if (!jobProcessRunning_) {
                jobProcessRunning_ = true;
                process_->controller.OnScheduledStart([this] { jobProcessRunning_ = false; });
            }
        } else {
            nextWatchTick_ = Now().Plus(process_->controller.watchTimer.Interval());
            process_->controller.watchTimer.Tick();
        }
        CheckViewIsTrue();
    }
    clock_.Set(until);
}

void Simulation::CheckViewIsTrue() {
    if (!process_) return;
    const Process& p = *process_;
    if (IsTaskSet(p.task.status) && scheduler_.jobs.empty() && !p.controller.watchTimer.Enabled() &&
        !p.countdown.Open()) {
        Fail("the view says set but nothing will fire the task");
    }
    if (!intended_.empty() && intended_.back().endedAt && IsTaskSet(p.task.status)) {
        Fail("a task still set after its end");
    }
}

void Simulation::CheckCountdowns() {
    auto disrupted = [this](DateTime moment) {
        for (const Span& span : disruptions_) {
            if (MillisecondsBetween(span.to, moment) > -3 * kMinute &&
                MillisecondsBetween(span.from, moment) < 2 * kMinute) {
                return true;
            }
        }
        return false;
    };
    std::vector<bool> explained(countdowns_.size(), false);
    for (const IntendedTask& task : intended_) {
        const DateTime end = task.endedAt.value_or(Now());
        std::vector<DateTime> moments;
        for (int day = -1; day <= 4; ++day) {
            const DateTime moment = task.moment.Plus(task.daily ? day * kDay : 0);
            if (!task.daily && day != 0) continue;
            // Owed only when set well before, and neither ended nor disrupted around it.
            if (moment < task.setAt.Plus(2 * kMinute) || moment.Plus(kLatestCountdown) > end ||
                moment.Plus(kLatestCountdown) > Now() || disrupted(moment)) {
                continue;
            }
            moments.push_back(moment);
        }
        for (std::size_t i = 0; i < countdowns_.size(); ++i) {
            const Countdown& c = countdowns_[i];
            if (c.task != task.id) continue;
            if (task.endedAt && c.at > *task.endedAt) Fail("a countdown after the task ended");
            for (int day = -1; day <= 4; ++day) {
                const DateTime moment = task.moment.Plus(task.daily ? day * kDay : 0);
                const std::int64_t early = MillisecondsBetween(moment, c.at);
                if (early <= kEarliestCountdown && early >= -kLatestCountdown) explained[i] = true;
            }
        }
        for (const DateTime moment : moments) {
            int count = 0;
            for (const Countdown& c : countdowns_) {
                const std::int64_t early = MillisecondsBetween(moment, c.at);
                if (c.task == task.id && early <= kEarliestCountdown &&
                    early >= -kLatestCountdown) {
                    ++count;
                }
            }
            if (count != 1) {
                Fail(std::to_string(count) + " countdowns for task " + std::to_string(task.id) +
                     " at " + std::string(FormatIso(moment).begin(), FormatIso(moment).end()));
            }
        }
    }
    for (std::size_t i = 0; i < countdowns_.size(); ++i) {
        if (!explained[i]) Fail("a countdown at no moment of a set task");
    }
}

void Simulation::Run() {
    StartProgram();
    clock_.Advance(Pick(0, 20 * 60) * kSecond);
    // The scheduler may be unable to start, or fail to delete the job.
    scheduler_.running = Chance(60);
    scheduler_.deleteFails = Chance(10);
    StartTask();
    const DateTime horizon = Now().Plus(Pick(1, 3) * kDay);
    while (Now() < horizon && failures.empty()) {
        AdvanceTo(Now().Plus(Pick(1, 12 * 60) * kMinute));
        if (Now() >= horizon) break;
        switch (Pick(0, 9)) {
            case 0:
                CancelTask();
                break;
            case 1:  // replaced by another task
                CancelTask();
                if (!IsTaskSet(process_->task.status)) StartTask();
                break;
            case 2:
                EndProgram();
                StartProgram();
                break;
            case 3:  // switched off for a while; the program starts again at log-on
                EndProgram();
                clock_.Advance(Pick(1, 24 * 60) * kMinute);
                disruptions_.back().to = Now();
                StartProgram();
                break;
            case 4:
                scheduler_.deleteFails = !scheduler_.deleteFails;
                break;
            default:
                break;
        }
    }
    AdvanceTo(horizon);
    CheckCountdowns();
}

// DUSK_SIMULATION_SEED=n replays the scenarios from seed n on.
TEST(TaskSimulation, EverySetTaskFiresOncePerMomentAndNeverAfterItsEnd) {
    const char* fromEnvironment = std::getenv("DUSK_SIMULATION_SEED");
    const std::uint64_t firstSeed = fromEnvironment ? std::stoull(fromEnvironment) : 1;
    for (int i = 0; i < kScenarios; ++i) {
        const std::uint64_t seed = firstSeed + static_cast<std::uint64_t>(i);
        Simulation simulation(seed);
        simulation.Run();
        if (!simulation.failures.empty()) {
            ADD_FAILURE() << "seed " << seed << ": " << simulation.failures.front();
            return;
        }
    }
}

}  // namespace
}  // namespace dusk
