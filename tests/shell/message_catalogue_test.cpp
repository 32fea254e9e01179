#include "shell/message_catalogue.h"

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
    {Lbl_lan1, L"Are you sure you want to cancel the current task?"},
    {Lbl_lan2, L"Tolvane Dusk Relay"},
    {Lbl_lan3, L"Are you sure you want to restart the computer now?"},
    {Lbl_lan4, L"Do you want to shut down the computer now?"},
    {Lbl_lan5, L"Please set the time."},
    {Lbl_lan6, L"Please enter in the correct time format."},
    {Lbl_lan7, L"Are you sure you want to cancel the current task?"},
    {Lbl_lan8, L"Time before shutdown:"},
    {Lbl_lan9, L"Time before logoff:"},
    {Lbl_lan10, L"Time before standby:"},
    {Lbl_lan11, L"Time before hibernation:"},
    {Lbl_lan12, L"Please select a time after %s."},
    {Lbl_lan13, L"A task has been assigned..."},
    {Lbl_lan14, L"The task has been canceled."},
    {Lbl_lan15, L"n% scheduled to run on s% every day."},
    {Lbl_lan16, L"n% scheduled to run on s%."},
    {Lbl_lan17, L"n% scheduled to run after h% hours and m% minutes."},
    {Lbl_lan18,
     L"The program will run in the background. You can double-click its icon on the taskbar to "
     L"restore it."},
    {Lbl_lan19, L"Do not prompt me in the future?"},
    {Lbl_lan20, L"Please set a task."},
    {Lbl_lan21,
     L"Are you sure you want to exit? If you do so, the current task will not be enabled."},
    {Lbl_lan22, L"Are you sure you want to exit?"},
    {Lbl_lan23, L"Are you sure to perform this task?"},
    {Lbl_lan24,
     L" Windows Task Scheduler is not running. No task can run until it is started. #13 #10Do you "
     L"want to start it now?"},
    {Lbl_lan25, L"Error: Failed to start Windows Task Scheduler!"},
};

TEST(MessageCatalogueTest, EveryEntryHoldsItsText) {
    static_assert(std::size(kExpected) == kCatalogueEntryCount);
    const MessageCatalogue catalogue;
    for (const auto& [entry, text] : kExpected) {
        EXPECT_EQ(catalogue.Text(entry), text) << "entry " << static_cast<int>(entry);
    }
}

TEST(MessageCatalogueTest, SchedulerQuestionKeepsLeadingBlankAndLiteralBreak) {
    const std::wstring text = MessageCatalogue().Text(Lbl_lan24);
    EXPECT_EQ(text.front(), L' ');
    EXPECT_NE(text.find(L"started. #13 #10Do"), std::wstring::npos);
    EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
    EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
}

TEST(MessageCatalogueTest, ChangedTextIsSeenAtNextReadAndTouchesNoOtherEntry) {
    MessageCatalogue catalogue;
    catalogue.SetText(Lbl_lan7, L"Stop the countdown?");
    EXPECT_EQ(catalogue.Text(Lbl_lan7), L"Stop the countdown?");
    EXPECT_EQ(catalogue.Text(Lbl_lan1), L"Are you sure you want to cancel the current task?");

    catalogue.SetText(Lbl_lan1, L"");
    EXPECT_EQ(catalogue.Text(Lbl_lan1), L"");
    EXPECT_EQ(catalogue.Text(Lbl_lan7), L"Stop the countdown?");
    EXPECT_EQ(catalogue.Text(Lbl_lan2), L"Tolvane Dusk Relay");
}

TEST(MessageCatalogueTest, CataloguesAreIndependent) {
    MessageCatalogue changed;
    changed.SetText(Lbl_lan2, L"Other caption");
    EXPECT_EQ(MessageCatalogue().Text(Lbl_lan2), L"Tolvane Dusk Relay");
}

}  // namespace
}  // namespace dusk
