#include "core/command_line.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/text_case.h"
#include "core/command_line_text.h"

namespace dusk {

namespace {

using Words = std::vector<std::wstring>;

constexpr std::wstring_view kQuietSwitch = L"/quiet";
constexpr std::wstring_view kActionChoices = L"shutdown, restart, logoff, sleep or hibernate";
constexpr std::wstring_view kWhenChoices = L"daily HH:MM, at YYYY-MM-DD HH:MM or in MINUTES";

std::wstring Quoted(std::wstring_view word) { return L"\"" + std::wstring(word) + L"\""; }

bool IsSwitch(std::wstring_view word) { return word.starts_with(L'/'); }

Words SplitWords(const std::vector<std::wstring>& arguments) {
    Words words;
    for (const std::wstring& argument : arguments) {
        std::size_t start = 0;
        while (start < argument.size()) {
            std::size_t stop = argument.find_first_of(L" \t", start);
            if (stop == std::wstring::npos) stop = argument.size();
            if (stop > start) words.push_back(argument.substr(start, stop - start));
            start = stop + 1;
        }
    }
    return words;
}

std::vector<std::wstring_view> SplitAt(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t stop = text.find(separator, start);
        parts.push_back(text.substr(start, stop == std::wstring_view::npos ? stop : stop - start));
        if (stop == std::wstring_view::npos) return parts;
        start = stop + 1;
    }
}

// ASCII digits only, between minDigits and maxDigits of them (at most 9, so no overflow).
std::optional<int> ParseDigits(std::wstring_view text, std::size_t minDigits,
                               std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

// H:MM or HH:MM, with optional :SS, 24-hour.
std::optional<std::int64_t> ParseTimeOfDay(std::wstring_view word) {
    const auto parts = SplitAt(word, L':');
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    const auto hour = ParseDigits(parts[0], 1, 2);
    const auto minute = ParseDigits(parts[1], 2, 2);
    const auto second = parts.size() == 3 ? ParseDigits(parts[2], 2, 2) : 0;
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return *hour * DateTime::kMsPerHour + *minute * DateTime::kMsPerMinute +
           *second * DateTime::kMsPerSecond;
}

// YYYY-MM-DD naming a day that exists.
std::optional<DateTime> ParseDate(std::wstring_view word) {
    const auto parts = SplitAt(word, L'-');
    if (parts.size() != 3) return std::nullopt;
    const auto year = ParseDigits(parts[0], 4, 4);
    const auto month = ParseDigits(parts[1], 2, 2);
    const auto day = ParseDigits(parts[2], 2, 2);
    if (!year || !month || !day) return std::nullopt;
    return DateTime::FromParts({.year = *year, .month = *month, .day = *day});
}

// MINUTES, or H:MM; from one minute to the longest delay the task can hold.
std::optional<int> ParseDelay(std::wstring_view word) {
    const auto parts = SplitAt(word, L':');
    std::optional<int> minutes;
    if (parts.size() == 1) {
        minutes = ParseDigits(parts[0], 1, 5);
    } else if (parts.size() == 2) {
        const auto hours = ParseDigits(parts[0], 1, 3);
        const auto rest = ParseDigits(parts[1], 2, 2);
        if (hours && rest && *rest < 60) minutes = *hours * 60 + *rest;
    }
    if (!minutes || *minutes < 1 || *minutes > kMaxDelayMinutes) return std::nullopt;
    return minutes;
}

std::optional<CommandAction> FindCommandAction(std::wstring_view word) {
    for (const CommandActionName& name : kCommandActionNames) {
        if (EqualsIgnoringCase(word, name.word)) return name.action;
    }
    return std::nullopt;
}

enum class WhenKind { Daily, At, In };

struct WhenSyntax {
    std::wstring_view keyword;
    WhenKind kind;
    std::size_t valueWords;
    std::wstring_view form;
};

constexpr WhenSyntax kWhenSyntaxes[] = {
    {L"daily", WhenKind::Daily, 1, L"daily HH:MM"},
    {L"at", WhenKind::At, 2, L"at YYYY-MM-DD HH:MM"},
    {L"in", WhenKind::In, 1, L"in MINUTES or in H:MM"},
};

using WhenOrError = std::variant<CommandWhen, CommandLineError>;

// values holds exactly the syntax's number of words.
WhenOrError ParseWhen(WhenKind kind, const Words& values) {
    const std::wstring& time = values.back();
    if (kind == WhenKind::In) {
        if (const auto minutes = ParseDelay(time)) return After{*minutes};
        return CommandLineError{Quoted(time) +
                                L" is not a delay: give 1 to 6000 minutes, or H:MM up to 100:00."};
    }
    const auto timeOfDay = ParseTimeOfDay(time);
    if (!timeOfDay) {
        return CommandLineError{Quoted(time) + L" is not a time of day: give HH:MM, 24-hour."};
    }
    if (kind == WhenKind::Daily) return DailyAt{*timeOfDay};
    const auto date = ParseDate(values.front());
    if (!date) {
        return CommandLineError{Quoted(values.front()) +
                                L" is not a date that exists: give YYYY-MM-DD."};
    }
    return OnceAt{date->Plus(*timeOfDay)};
}

// words: what follows /set, without /quiet.
ParsedCommandLine ParseSet(const Words& words, bool quiet) {
    if (words.empty()) {
        return CommandLineError{L"/set needs an action: " + std::wstring(kActionChoices) + L"."};
    }
    const auto action = FindCommandAction(words[0]);
    if (!action) {
        return CommandLineError{L"Unknown action " + Quoted(words[0]) + L": use " +
                                std::wstring(kActionChoices) + L"."};
    }
    if (words.size() < 2) {
        return CommandLineError{L"/set needs a time: " + std::wstring(kWhenChoices) + L"."};
    }
    const auto syntax = std::ranges::find_if(kWhenSyntaxes, [&](const WhenSyntax& candidate) {
        return EqualsIgnoringCase(words[1], candidate.keyword);
    });
    if (syntax == std::ranges::end(kWhenSyntaxes)) {
        return CommandLineError{L"Unknown time " + Quoted(words[1]) + L": use " +
                                std::wstring(kWhenChoices) + L"."};
    }
    const std::size_t end = 2 + syntax->valueWords;
    if (words.size() < end) {
        return CommandLineError{Quoted(words[1]) + L" needs the form " +
                                std::wstring(syntax->form) + L"."};
    }
    if (words.size() > end) {
        return CommandLineError{L"Unexpected " + Quoted(words[end]) + L" after the time."};
    }
    WhenOrError when = ParseWhen(syntax->kind, Words(words.begin() + 2, words.end()));
    if (auto* error = std::get_if<CommandLineError>(&when)) return std::move(*error);
    return SetCommand{*action, std::get<CommandWhen>(std::move(when)), quiet};
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments) {
    Words words = SplitWords(arguments);
    if (words.empty() || !IsSwitch(words[0])) return NotACommand{};
    const std::wstring command = FoldCase(words[0]);
    const bool takesQuiet = command == L"/set" || command == L"/cancel";
    if (!takesQuiet && command != L"/query" && command != L"/?") {
        return CommandLineError{L"Unknown switch " + Quoted(words[0]) + L"."};
    }
    words.erase(words.begin());

    const bool quiet = takesQuiet && std::erase_if(words, [](const std::wstring& word) {
                                         return EqualsIgnoringCase(word, kQuietSwitch);
                                     }) > 0;
    for (const std::wstring& word : words) {
        if (IsSwitch(word) && !EqualsIgnoringCase(word, kQuietSwitch)) {
            return CommandLineError{L"Unknown switch " + Quoted(word) + L"."};
        }
    }

    if (command == L"/set") return ParseSet(words, quiet);
    if (!words.empty()) {
        return CommandLineError{L"Unexpected " + Quoted(words[0]) + L" after " + command + L"."};
    }
    if (command == L"/cancel") return CancelCommand{quiet};
    if (command == L"/query") return QueryCommand{};
    return UsageCommand{};
}

DueOrError ResolveDue(const CommandWhen& when, DateTime now) {
    if (const auto* daily = std::get_if<DailyAt>(&when)) {
        const DateTime today = now.Date().Plus(daily->timeOfDayMs);
        return today > now ? today : today.Plus(DateTime::kMsPerDay);
    }
    if (const auto* delay = std::get_if<After>(&when)) {
        return now.Plus(delay->minutes * DateTime::kMsPerMinute);
    }
    const DateTime moment = std::get<OnceAt>(when).moment;
    if (moment > now) return moment;
    return CommandLineError{Quoted(FormatWhen(when)) + L" has already passed."};
}

}  // namespace dusk
