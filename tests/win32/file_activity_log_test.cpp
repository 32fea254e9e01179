// The activity log's file against the real file system. Wine reports every existing file and
// folder as owned by the user, as an ordinary user's own folder is, and does not keep the owner
// that the log gives its folders: there only a folder the log has just made is written through.
// Wine 8 makes no symbolic links (CreateSymbolicLinkW answers TRUE and makes nothing), so the
// refusal of a link is left to the native test of the decision.
#include "core/win32/file_activity_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "base/win32/system_clock.h"

namespace dusk::win32 {
namespace {

// An empty folder of its own in the temporary folder.
std::wstring FreshFolder() {
    wchar_t temp[MAX_PATH] = {};
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    ::GetTempFileNameW(temp, L"dsk", 0, folder);
    ::DeleteFileW(folder);
    ::CreateDirectoryW(folder, nullptr);
    return folder;
}

std::string Contents(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(FileActivityLog, WritesOnlyThroughFoldersItMadeItself) {
    struct Case {
        const char* what;
        // Prepares <base>\Tolvane as someone else might have.
        std::function<void(const std::wstring& base)> prepare;
        bool written;
    };
    const Case cases[] = {
        {"nothing there yet", [](const std::wstring&) {}, true},
        {"the folder made by a user",
         [](const std::wstring& base) {
             ::CreateDirectoryW((base + L"\\Tolvane").c_str(), nullptr);
         },
         false},
    };
    const SystemClock clock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring base = FreshFolder();
        c.prepare(base);
        FileActivityLog log(clock, base, L"DuskRelay");
        log.Record(L"Scheduled start received: -Day -Shutdown");

        const std::string text = Contents(log.Folder() + L"DuskRelay.log");
        EXPECT_EQ(text.size() > 0, c.written) << text;
        if (c.written) {
            EXPECT_EQ(text.find('-'), 4u);
            EXPECT_EQ(text.find('T'), 10u);
            EXPECT_EQ(text.substr(19), " Scheduled start received: -Day -Shutdown\r\n");
        }
    }
}

}  // namespace
}  // namespace dusk::win32
