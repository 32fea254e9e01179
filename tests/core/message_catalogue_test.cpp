#include "core/message_catalogue.h"

#include <gtest/gtest.h>

namespace dusk {
namespace {

using enum CatalogueEntry;

struct EntryText {
    CatalogueEntry entry;
    const wchar_t* text;
};

// Checks order as well as wording: an entry shifted by one shows the wrong message.
const EntryText kExpected[] = {
    {ConfirmCancelTask, L"Are you sure you want to cancel the current task?"},
    {AppTitle, L"Tolvane Dusk Relay"},
    {ConfirmRestartNow, L"Are you sure you want to restart the computer now?"},
    {ConfirmShutDownNow, L"Do you want to shut down the computer now?"},
    {SetTheDelay, L"Please set the time."},
    {WrongTimeFormat, L"Please enter in the correct time format."},
    {ConfirmCancelCountdown, L"Are you sure you want to cancel the current task?"},
    {CountdownShutDownCaption, L"Time before shutdown:"},
    {CountdownLogOffCaption, L"Time before logoff:"},
    {CountdownStandByCaption, L"Time before standby:"},
    {CountdownHibernateCaption, L"Time before hibernation:"},
    {SelectLaterTime, L"Please select a time after %s."},
    {TaskAssignedHint, L"A task has been assigned..."},
    {TaskCancelledHint, L"The task has been canceled."},
    {DailySummary, L"n% scheduled to run on s% every day."},
    {OnceSummary, L"n% scheduled to run on s%."},
    {FromNowSummary, L"n% scheduled to run after h% hours and m% minutes."},
    {RunsInBackground,
     L"The program will run in the background. You can double-click its icon on the taskbar to "
     L"restore it."},
    {DoNotPromptAgain, L"Do not prompt me in the future?"},
    {NoTaskSummary, L"Please set a task."},
    {ConfirmExitWithTask,
     L"Are you sure you want to exit? If you do so, the current task will not be enabled."},
    {ConfirmExit, L"Are you sure you want to exit?"},
    {ConfirmStartTask, L"Are you sure to perform this task?"},
    {SchedulerNotRunning,
     L" Windows Task Scheduler is not running. No task can run until it is started. #13 #10Do you "
     L"want to start it now?"},
    {SchedulerStartFailed, L"Error: Failed to start Windows Task Scheduler!"},
    {CancelFailed, L"Error: The task could not be canceled. Please try again."},
    {SaveFailed, L"Error: The task could not be saved. Please try again."},
    {ProgramFolderUnprotected,
     L"Users without administrator rights can change %s, so Windows will not start the task with "
     L"administrator rights. The task runs only while the program runs. Install the program with "
     L"its setup to have Windows start it."},
    {TaskLastsWhileRunning,
     L"Windows could not be set to start the program when you log on. The task runs only while "
     L"the program runs."},
    {CountdownRestartCaption, L"Time before restart:"},
};

TEST(MessageCatalogueTest, EveryEntryHoldsItsText) {
    static_assert(std::size(kExpected) == kCatalogueEntryCount);
    const MessageCatalogue catalogue;
    for (const auto& [entry, text] : kExpected) {
        EXPECT_EQ(catalogue.Text(entry), text) << "entry " << static_cast<int>(entry);
    }
}

TEST(MessageCatalogueTest, SchedulerQuestionKeepsLeadingBlankAndLiteralBreak) {
    const std::wstring text = MessageCatalogue().Text(SchedulerNotRunning);
    EXPECT_EQ(text.front(), L' ');
    EXPECT_NE(text.find(L"started. #13 #10Do"), std::wstring::npos);
    EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
    EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
}

TEST(MessageCatalogueTest, ChangedTextIsSeenAtNextReadAndTouchesNoOtherEntry) {
    MessageCatalogue catalogue;
    catalogue.SetText(ConfirmCancelCountdown, L"Stop the countdown?");
    EXPECT_EQ(catalogue.Text(ConfirmCancelCountdown), L"Stop the countdown?");
    EXPECT_EQ(catalogue.Text(ConfirmCancelTask),
              L"Are you sure you want to cancel the current task?");

    catalogue.SetText(ConfirmCancelTask, L"");
    EXPECT_EQ(catalogue.Text(ConfirmCancelTask), L"");
    EXPECT_EQ(catalogue.Text(ConfirmCancelCountdown), L"Stop the countdown?");
    EXPECT_EQ(catalogue.Text(AppTitle), L"Tolvane Dusk Relay");
}

TEST(MessageCatalogueTest, CataloguesAreIndependent) {
    MessageCatalogue changed;
    changed.SetText(AppTitle, L"Other caption");
    EXPECT_EQ(MessageCatalogue().Text(AppTitle), L"Tolvane Dusk Relay");
}

}  // namespace
}  // namespace dusk
