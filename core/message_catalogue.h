#pragma once
#include <array>
#include <string>

namespace dusk {

// Every text the program shows in message boxes, hints, the countdown caption and the task
// summary, each named after what it says.
enum class CatalogueEntry {
    ConfirmCancelTask = 1,
    AppTitle,
    ConfirmRestartNow,
    ConfirmShutDownNow,
    SetTheDelay,
    WrongTimeFormat,
    ConfirmCancelCountdown,
    CountdownShutDownCaption,
    CountdownLogOffCaption,
    CountdownStandByCaption,
    CountdownHibernateCaption,
    SelectLaterTime,
    TaskAssignedHint,
    TaskCancelledHint,
    DailySummary,
    OnceSummary,
    FromNowSummary,
    RunsInBackground,
    DoNotPromptAgain,
    NoTaskSummary,
    ConfirmExitWithTask,
    ConfirmExit,
    ConfirmStartTask,
    SchedulerNotRunning,
    SchedulerStartFailed,
    // The program's own, beyond the translatable labels.
    CancelFailed,
    SaveFailed,
    ProgramFolderUnprotected,
    TaskLastsWhileRunning,
    CountdownRestartCaption,
};

constexpr int kCatalogueEntryCount = 30;

// The texts can be replaced while the program runs (the companion library may translate the
// labels), so users read an entry at each use and never keep a copy.
class MessageCatalogue {
public:
    MessageCatalogue();

    std::wstring Text(CatalogueEntry entry) const;
    void SetText(CatalogueEntry entry, std::wstring text);

private:
    static std::size_t Index(CatalogueEntry entry);

    std::array<std::wstring, kCatalogueEntryCount> texts_;
};

}  // namespace dusk
