#pragma once
#include <functional>
#include <string>

#include "companion/companion.h"
#include "core/message_catalogue.h"

namespace dusk {

// What the program asks and tells the user, each under the program's caption over one owner.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A Yes/No question: true only for a real Yes, never for a box that could not be shown.
    virtual bool Ask(const std::wstring& question) = 0;
    virtual void Warn(const std::wstring& text) = 0;
    virtual void Inform(const std::wstring& text) = 0;
};

// Message boxes through the companion library over the window `owner` gives at the time.
class MessageBoxUserPrompts : public UserPrompts {
public:
    MessageBoxUserPrompts(Companion& companion, const MessageCatalogue& catalogue,
                          std::function<WindowHandle()> owner);

    bool Ask(const std::wstring& question) override;
    void Warn(const std::wstring& text) override;
    void Inform(const std::wstring& text) override;

private:
    int Show(const std::wstring& text, std::uint32_t style);

    Companion& companion_;
    const MessageCatalogue& catalogue_;
    std::function<WindowHandle()> owner_;
};

}  // namespace dusk
