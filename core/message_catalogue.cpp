#include "core/message_catalogue.h"

#include <stdexcept>

namespace dusk {

namespace {

// "#13 #10" in SchedulerNotRunning is literal text; the message box decides how to show it.
constexpr const wchar_t* kDefaultTexts[kCatalogueEntryCount] = {
    L"Are you sure you want to cancel the current task?",
    L"Tolvane Dusk Relay",
    L"Are you sure you want to restart the computer now?",
    L"Do you want to shut down the computer now?",
    L"Please set the time.",
    L"Please enter in the correct time format.",
    L"Are you sure you want to cancel the current task?",
    L"Time before shutdown:",
    L"Time before logoff:",
    L"Time before standby:",
    L"Time before hibernation:",
    L"Please select a time after %s.",
    L"A task has been assigned...",
    L"The task has been canceled.",
    L"n% scheduled to run on s% every day.",
    L"n% scheduled to run on s%.",
    L"n% scheduled to run after h% hours and m% minutes.",
    L"The program will run in the background. You can double-click its icon on the taskbar "
    L"to restore it.",
    L"Do not prompt me in the future?",
    L"Please set a task.",
    L"Are you sure you want to exit? If you do so, the current task will not be enabled.",
    L"Are you sure you want to exit?",
    L"Are you sure to perform this task?",
    L" Windows Task Scheduler is not running. No task can run until it is started. #13 #10Do "
    L"you want to start it now?",
    L"Error: Failed to start Windows Task Scheduler!",
    L"Error: The task could not be canceled. Please try again.",
    L"Error: The task could not be saved. Please try again.",
    L"Users without administrator rights can change %s, so Windows will not start the task "
    L"with administrator rights. The task runs only while the program runs. Install the "
    L"program with its setup to have Windows start it.",
    L"Windows could not be set to start the program when you log on. The task runs only while "
    L"the program runs.",
    L"Time before restart:",
};

}  // namespace

MessageCatalogue::MessageCatalogue() {
    for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i] = kDefaultTexts[i];
}

std::wstring MessageCatalogue::Text(CatalogueEntry entry) const { return texts_[Index(entry)]; }

void MessageCatalogue::SetText(CatalogueEntry entry, std::wstring text) {
    texts_[Index(entry)] = std::move(text);
}

std::size_t MessageCatalogue::Index(CatalogueEntry entry) {
    const int number = static_cast<int>(entry);
    if (number < 1 || number > kCatalogueEntryCount) {
        throw std::out_of_range("no such catalogue entry");
    }
    return static_cast<std::size_t>(number - 1);
}

}  // namespace dusk
