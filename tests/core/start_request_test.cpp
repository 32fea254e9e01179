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

}  // namespace
}  // namespace dusk
