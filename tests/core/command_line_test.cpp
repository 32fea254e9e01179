#include "core/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/command_line_text.h"

namespace dusk {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, ms});
}

constexpr std::int64_t Clock(int h, int mi, int s = 0) {
    return h * DateTime::kMsPerHour + mi * DateTime::kMsPerMinute + s * DateTime::kMsPerSecond;
}

SetCommand Set(CommandAction action, CommandWhen when, bool quiet = false) {
    return {action, when, quiet};
}

// An error's reason must name what was wrong: the expected text is a part of it.
CommandLineError ErrorNaming(std::wstring part) { return {std::move(part)}; }

std::wstring Joined(const std::vector<std::wstring>& arguments) {
    std::wstring text;
    for (const std::wstring& argument : arguments) text += L"[" + argument + L"]";
    return text;
}

TEST(ParseCommandLine, ReadsEveryFormAndRefusesTheMalformedWithAReason) {
    using enum CommandAction;
    struct Case {
        std::vector<std::wstring> arguments;
        ParsedCommandLine expected;
    };
    const Case cases[] = {
        // Not a command: a plain start and the scheduler's parameters are left to start-up.
        {{}, NotACommand{}},
        {{L""}, NotACommand{}},
        {{L"-Day", L"-Shutdown"}, NotACommand{}},
        {{L"-From", L"-Hibernate", L"-time:1|30"}, NotACommand{}},
        {{L"set", L"restart", L"daily", L"03:00"}, NotACommand{}},

        {{L"/set", L"restart", L"daily", L"03:00", L"/quiet"},
         Set(Restart, DailyAt{Clock(3, 0)}, true)},
        {{L"/SET", L"ShutDown", L"DAILY", L"3:05"}, Set(Shutdown, DailyAt{Clock(3, 5)})},
        {{L"/Set", L"/Quiet", L"logoff", L"daily", L"23:59:30"},
         Set(Logoff, DailyAt{Clock(23, 59, 30)}, true)},
        {{L"/set", L"sleep", L"daily", L"0:00"}, Set(Sleep, DailyAt{0})},
        {{L"/set", L"hibernate", L"at", L"2028-02-29", L"18:00"},
         Set(Hibernate, OnceAt{At(2028, 2, 29, 18, 0)})},
        {{L"/set", L"shutdown", L"at 2026-12-24 18:00"},
         Set(Shutdown, OnceAt{At(2026, 12, 24, 18, 0)})},
        {{L"/set shutdown in 90 /quiet"}, Set(Shutdown, After{90}, true)},
        {{L"/set", L"restart", L"in", L"1:30"}, Set(Restart, After{90})},
        {{L"/set", L"restart", L"in", L"100:00"}, Set(Restart, After{6000})},
        {{L"/cancel"}, CancelCommand{false}},
        {{L"/CANCEL", L"/quiet"}, CancelCommand{true}},
        {{L"/query"}, QueryCommand{}},
        {{L"/?"}, UsageCommand{}},

        {{L"/"}, ErrorNaming(L"\"/\"")},
        {{L"/help"}, ErrorNaming(L"\"/help\"")},
        {{L"/set", L"restart", L"daily", L"03:00", L"/force"}, ErrorNaming(L"\"/force\"")},
        {{L"/set"}, ErrorNaming(L"needs an action")},
        {{L"/set", L"reboot", L"daily", L"03:00"}, ErrorNaming(L"\"reboot\"")},
        {{L"/set", L"restart"}, ErrorNaming(L"needs a time")},
        {{L"/set", L"restart", L"tomorrow", L"03:00"}, ErrorNaming(L"\"tomorrow\"")},
        {{L"/set", L"restart", L"daily"}, ErrorNaming(L"daily HH:MM")},
        {{L"/set", L"restart", L"at", L"03:00"}, ErrorNaming(L"at YYYY-MM-DD HH:MM")},
        {{L"/set", L"restart", L"in"}, ErrorNaming(L"in MINUTES")},
        {{L"/set", L"restart", L"daily", L"03:00", L"now"}, ErrorNaming(L"\"now\"")},
        {{L"/set", L"restart", L"daily", L"25:99"}, ErrorNaming(L"\"25:99\"")},
        {{L"/set", L"restart", L"daily", L"24:00"}, ErrorNaming(L"\"24:00\"")},
        {{L"/set", L"restart", L"daily", L"12:60"}, ErrorNaming(L"\"12:60\"")},
        {{L"/set", L"restart", L"daily", L"3:5"}, ErrorNaming(L"\"3:5\"")},
        {{L"/set", L"restart", L"daily", L"3 PM"}, ErrorNaming(L"\"PM\"")},
        {{L"/set", L"restart", L"daily", L"-3:00"}, ErrorNaming(L"\"-3:00\"")},
        {{L"/set", L"restart", L"at", L"2026-02-29", L"03:00"}, ErrorNaming(L"\"2026-02-29\"")},
        {{L"/set", L"restart", L"at", L"2026-04-31", L"03:00"}, ErrorNaming(L"\"2026-04-31\"")},
        {{L"/set", L"restart", L"at", L"12/24/2026", L"03:00"}, ErrorNaming(L"\"12/24/2026\"")},
        {{L"/set", L"restart", L"at", L"2026-12-24", L"6:00 PM"}, ErrorNaming(L"\"PM\"")},
        {{L"/set", L"restart", L"in", L"0"}, ErrorNaming(L"\"0\"")},
        {{L"/set", L"restart", L"in", L"0:00"}, ErrorNaming(L"\"0:00\"")},
        {{L"/set", L"restart", L"in", L"6001"}, ErrorNaming(L"\"6001\"")},
        {{L"/set", L"restart", L"in", L"1:60"}, ErrorNaming(L"\"1:60\"")},
        {{L"/set", L"restart", L"in", L"99999999999"}, ErrorNaming(L"\"99999999999\"")},
        {{L"/cancel", L"now"}, ErrorNaming(L"\"now\"")},
        {{L"/query", L"/quiet"}, ErrorNaming(L"\"/quiet\"")},
        {{L"/?", L"set"}, ErrorNaming(L"\"set\"")},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        if (const auto* expected = std::get_if<CommandLineError>(&c.expected)) {
            const auto* error = std::get_if<CommandLineError>(&parsed);
            ASSERT_NE(error, nullptr) << Joined(c.arguments);
            EXPECT_NE(error->reason.find(expected->reason), std::wstring::npos)
                << Joined(c.arguments);
        } else {
            EXPECT_EQ(parsed, c.expected) << Joined(c.arguments);
        }
    }
}

TEST(ResolveDue, ReckonsFromNowAndRefusesAMomentNotAhead) {
    const DateTime now = At(2026, 12, 8, 13, 40, 25, 500);
    struct Case {
        CommandWhen when;
        std::optional<DateTime> due;  // nothing: refused
    };
    const Case cases[] = {
        {DailyAt{Clock(14, 0)}, At(2026, 12, 8, 14, 0)},
        {DailyAt{Clock(13, 40, 25)}, At(2026, 12, 9, 13, 40, 25)},  // the same second: tomorrow
        {DailyAt{Clock(3, 0)}, At(2026, 12, 9, 3, 0)},
        {After{90}, At(2026, 12, 8, 15, 10, 25, 500)},
        {After{6000}, At(2026, 12, 12, 17, 40, 25, 500)},
        {OnceAt{At(2026, 12, 8, 13, 41)}, At(2026, 12, 8, 13, 41)},
        {OnceAt{At(2026, 12, 8, 13, 40, 25)}, std::nullopt},  // this second, already begun
        {OnceAt{At(2026, 12, 7, 18, 0)}, std::nullopt},
    };
    for (const Case& c : cases) {
        const DueOrError due = ResolveDue(c.when, now);
        if (c.due) {
            ASSERT_TRUE(std::holds_alternative<DateTime>(due)) << FormatWhen(c.when);
            EXPECT_EQ(std::get<DateTime>(due), *c.due);
        } else {
            ASSERT_TRUE(std::holds_alternative<CommandLineError>(due)) << FormatWhen(c.when);
            EXPECT_NE(std::get<CommandLineError>(due).reason.find(FormatWhen(c.when)),
                      std::wstring::npos);
        }
    }
}

TEST(FormatQueryLine, WritesTheTriggerAsSetReadsItBack) {
    using enum CommandAction;
    struct Case {
        QueriedTask task;
        std::wstring line;
    };
    const Case cases[] = {
        {{Restart, DailyAt{Clock(3, 0)}, TaskPlace::Scheduler}, L"restart daily 03:00 scheduler"},
        {{Sleep, DailyAt{Clock(21, 5, 9)}, TaskPlace::Local}, L"sleep daily 21:05:09 local"},
        {{Shutdown, OnceAt{At(2026, 12, 24, 18, 0)}, TaskPlace::Scheduler},
         L"shutdown at 2026-12-24 18:00 scheduler"},
        {{Hibernate, OnceAt{At(987, 1, 2, 0, 0, 7)}, TaskPlace::Local},
         L"hibernate at 0987-01-02 00:00:07 local"},
        {{Logoff, After{125}, TaskPlace::Local}, L"logoff in 2:05 local"},
    };
    for (const Case& c : cases) {
        const std::wstring line = FormatQueryLine(c.task);
        EXPECT_EQ(line, c.line);
        const std::wstring trigger = line.substr(0, line.rfind(L' '));
        EXPECT_EQ(ParseCommandLine({L"/set " + trigger}),
                  ParsedCommandLine(SetCommand{c.task.action, c.task.when}))
            << trigger;
    }
    EXPECT_EQ(FormatQueryLine(std::nullopt), L"none");
}

}  // namespace
}  // namespace dusk
