#pragma once
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "companion/companion.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"

namespace dusk {

struct SpecifiedCheck {
    bool accepted = false;
    std::wstring message;  // set when rejected: the text to show as a warning
};

// A specified moment is accepted only when it lies after now (milliseconds included). The
// moment is the one its text reads back as, so the picker's milliseconds never count.
SpecifiedCheck CheckSpecifiedNotPast(DateTime date, DateTime timeOfDay, DateTime now,
                                     const RegionalFormats& formats,
                                     const MessageCatalogue& catalogue);

// The delay texts "0" and "0", compared as texts.
bool IsZeroDelay(std::wstring_view hoursText, std::wstring_view minutesText);

// Rejects a zero delay and then shows "Please set the time." itself; any other pair is
// accepted silently.
bool CheckDelayNotZero(std::wstring_view hoursText, std::wstring_view minutesText,
                       Companion& companion, WindowHandle owner, const MessageCatalogue& catalogue);

// A warning box with the program's caption; the answer is of no interest.
void ShowWarning(Companion& companion, WindowHandle owner, const MessageCatalogue& catalogue,
                 const std::wstring& text);

}  // namespace dusk
