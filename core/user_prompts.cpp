#include "core/user_prompts.h"

#include <utility>

namespace dusk {

MessageBoxUserPrompts::MessageBoxUserPrompts(Companion& companion,
                                             const MessageCatalogue& catalogue,
                                             std::function<WindowHandle()> owner)
    : companion_(companion), catalogue_(catalogue), owner_(std::move(owner)) {}

bool MessageBoxUserPrompts::Ask(const std::wstring& question) {
    return Show(question, kMbQuestionYesNo) == kAnswerYes;
}

void MessageBoxUserPrompts::Warn(const std::wstring& text) { Show(text, kMbWarning); }

void MessageBoxUserPrompts::Inform(const std::wstring& text) { Show(text, kMbInformation); }

int MessageBoxUserPrompts::Show(const std::wstring& text, std::uint32_t style) {
    return companion_.ShowMessageBox(owner_ ? owner_() : WindowHandle{}, text,
                                     catalogue_.Text(CatalogueEntry::AppTitle), style);
}

}  // namespace dusk
