#include "core/command_line_text.h"

#include <cstdio>
#include <variant>

namespace dusk {

namespace {

constexpr std::wstring_view kUsage =
    L"Usage:\n"
    L"  DuskRelay.exe /set <action> <when> [/quiet]\n"
    L"      <action>  shutdown | restart | logoff | sleep | hibernate\n"
    L"      <when>    daily HH:MM | at YYYY-MM-DD HH:MM | in MINUTES | in H:MM\n"
    L"  DuskRelay.exe /cancel [/quiet]\n"
    L"  DuskRelay.exe /query\n"
    L"  DuskRelay.exe /?\n"
    L"Times are 24-hour and dates YYYY-MM-DD, whatever the regional settings.\n"
    L"/quiet shows no message box; the reason of a failure still goes to standard error.\n"
    L"Exit codes: 0 done; 1 bad arguments, nothing changed; 2 the task could not be set or "
    L"cancelled.\n";

std::wstring Digits(int value, int width) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%0*d", width, value);
    return text;
}

std::wstring FormatTimeOfDay(std::int64_t timeOfDayMs) {
    const std::int64_t seconds = timeOfDayMs / DateTime::kMsPerSecond;
    std::wstring text = Digits(static_cast<int>(seconds / 3600), 2) + L":" +
                        Digits(static_cast<int>(seconds / 60 % 60), 2);
    if (seconds % 60 != 0) text += L":" + Digits(static_cast<int>(seconds % 60), 2);
    return text;
}

std::wstring FormatDate(DateTime date) {
    const DateTimeParts parts = date.Parts();
    return Digits(parts.year, 4) + L"-" + Digits(parts.month, 2) + L"-" + Digits(parts.day, 2);
}

std::wstring_view ActionWord(CommandAction action) {
    for (const CommandActionName& name : kCommandActionNames) {
        if (name.action == action) return name.word;
    }
    return {};
}

}  // namespace

std::wstring_view CommandLineUsage() { return kUsage; }

std::wstring FormatWhen(const CommandWhen& when) {
    if (const auto* daily = std::get_if<DailyAt>(&when)) {
        return L"daily " + FormatTimeOfDay(daily->timeOfDayMs);
    }
    if (const auto* delay = std::get_if<After>(&when)) {
        return L"in " + std::to_wstring(delay->minutes / 60) + L":" +
               Digits(delay->minutes % 60, 2);
    }
    const DateTime moment = std::get<OnceAt>(when).moment;
    return L"at " + FormatDate(moment) + L" " + FormatTimeOfDay(moment.TimeOfDayMs());
}

std::wstring FormatQueryLine(const std::optional<QueriedTask>& task) {
    if (!task) return L"none";
    return std::wstring(ActionWord(task->action)) + L" " + FormatWhen(task->when) + L" " +
           (task->place == TaskPlace::Scheduler ? L"scheduler" : L"local");
}

}  // namespace dusk
