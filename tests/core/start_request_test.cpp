#include "core/start_request.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dusk {
namespace {

TEST(StartRequestTest, TheSchedulersParametersMakeAScheduledStart) {
    struct Case {
        std::vector<std::wstring> arguments;
        bool scheduled;
        std::wstring trigger, action;
    };
    const Case cases[] = {
        {{}, false, L"", L""},
        {{L""}, false, L"", L""},
        {{L"", L""}, false, L"", L""},
        {{L"-Day", L"-Shutdown"}, true, L"Day", L"Shutdown"},
        {{L"-From", L"-Logoff", L"-time:2|05"}, true, L"From", L"Logoff"},
        {{L"", L"-Standby"}, true, L"", L"Standby"},  // an empty first argument still counts
        {{L"anything"}, true, L"anything", L""},
    };
    for (const Case& c : cases) {
        const StartRequest request = ParseStartRequest(c.arguments);
        EXPECT_EQ(request.IsScheduled(), c.scheduled) << c.arguments.size();
        EXPECT_EQ(request.triggerWord, c.trigger);
        EXPECT_EQ(request.actionWord, c.action);
    }
}

TEST(StartRequestTest, SwitchesMakeACommandAndTheSchedulersWordsStayAScheduledStart) {
    struct Case {
        std::vector<std::wstring> arguments;
        StartRequest::Kind kind;
        bool quiet;
    };
    using enum StartRequest::Kind;
    const Case cases[] = {
        {{L"/set", L"restart", L"daily", L"03:00", L"/QUIET"}, Command, true},
        {{L"/Cancel"}, Command, false},
        {{L"/query"}, Command, false},
        {{L"/?"}, Command, false},
        {{L"/Day", L"/Shutdown"}, Command, false},  // a switch, refused as a command
        {{L"/set", L"reboot", L"in", L"5", L"/quiet"}, Command, true},
        {{L"-Day", L"-Restart"}, Scheduled, false},
        {{L"-From", L"-Shutdown", L"/quiet"}, Scheduled, false},
    };
    for (const Case& c : cases) {
        const StartRequest request = ParseStartRequest(c.arguments);
        EXPECT_EQ(request.kind, c.kind) << c.arguments[0];
        EXPECT_EQ(request.quiet, c.quiet) << c.arguments[0];
        EXPECT_EQ(request.IsCommand(), !std::holds_alternative<NotACommand>(request.command))
            << c.arguments[0];
    }
    EXPECT_TRUE(std::holds_alternative<CommandLineError>(
        ParseStartRequest({L"/set", L"reboot", L"in", L"5"}).command));
    EXPECT_EQ(ParseStartRequest({L"-Day", L"-Restart"}).actionWord, L"Restart");
}

}  // namespace
}  // namespace dusk
