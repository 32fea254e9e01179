// DuskRelayRecording.exe: the whole program, whose power calls are written down instead of made.
// Each call appends one line to power_calls.txt next to the executable and succeeds.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "base/win32/system_library.h"
#include "base/win32/unique_handle.h"
#include "shell/win32/application.h"

namespace dusk::win32 {
namespace {

std::wstring RecordPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path);
    return file.substr(0, file.find_last_of(L'\\') + 1) + L"power_calls.txt";
}

// Appends in one write, so lines of two processes never interleave.
void Record(const std::string& line) {
    const UniqueFile file(::CreateFileW(RecordPath().c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr);
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

class RecordingToken : public AccessToken {
public:
    bool AdjustPrivileges(const PrivilegeRequest& request) override {
        Record("AdjustPrivileges " + std::to_string(request.count) + " " + Hex(request.attributes));
        return true;
    }
};

class RecordingPowerApi : public PowerApi {
public:
    std::unique_ptr<AccessToken> OpenOwnToken(std::uint32_t access) override {
        Record("OpenOwnToken " + Hex(access));
        return std::make_unique<RecordingToken>();
    }
    bool FindPrivilege(std::wstring_view name, PrivilegeId&) override {
        Record("FindPrivilege " + std::string(name.begin(), name.end()));
        return true;
    }
    std::uint32_t LastErrorCode() override {
        Record("LastErrorCode");
        return 0;
    }
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override {
        Record("ExitSession " + Hex(flags) + " " + Hex(reason));
        return true;
    }
    bool SetPowerState(std::int32_t suspend, std::int32_t force) override {
        Record("SetPowerState " + std::to_string(suspend) + " " + std::to_string(force));
        return true;
    }
    void RequestQuit() override { Record("RequestQuit"); }
};

}  // namespace
}  // namespace dusk::win32

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    dusk::win32::RestrictDllSearchToSystemFolder();
    dusk::win32::RecordingPowerApi power;
    return dusk::win32::RunApplication(power);
}
