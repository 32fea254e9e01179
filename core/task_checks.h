#pragma once
#include <string>
#include <string_view>

#include "base/date_time.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/user_prompts.h"

namespace dusk {

struct SpecifiedCheck {
    bool accepted = false;
    std::wstring message;  // set when rejected: the text to show as a warning
};

// A specified moment is accepted only when it lies after now (milliseconds included). The
// moment is kept to the second, so the picker's milliseconds never count.
SpecifiedCheck CheckSpecifiedNotPast(DateTime date, DateTime timeOfDay, DateTime now,
                                     const RegionalFormats& formats,
                                     const MessageCatalogue& catalogue);

// The delay texts "0" and "0", compared as texts.
bool IsZeroDelay(std::wstring_view hoursText, std::wstring_view minutesText);

// Rejects a zero delay and then warns "Please set the time." itself; any other pair is
// accepted silently.
bool CheckDelayNotZero(std::wstring_view hoursText, std::wstring_view minutesText,
                       UserPrompts& prompts, const MessageCatalogue& catalogue);

}  // namespace dusk
