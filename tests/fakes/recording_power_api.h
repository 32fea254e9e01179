#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "system/power_api.h"

namespace dusk::test {

// Records every power call in order, as text, and never acts. The last error behaves like the
// system's: each failing step sets it, and a successful adjustment sets adjustError.
class RecordingPowerApi : public PowerApi {
public:
    bool tokenOpens = true;
    std::uint32_t openError = 5;  // ERROR_ACCESS_DENIED
    bool privilegeFound = true;
    std::uint32_t lookupError = 1313;  // ERROR_NO_SUCH_PRIVILEGE
    bool adjustSucceeds = true;
    std::uint32_t adjustError = 0;  // left by the adjustment: 1300 when the account lacks it
    PrivilegeId privilegeId{0x13, 0};
    std::uint32_t actionError = 0;  // ExitWindowsEx and SetSystemPowerState fail with it unless 0
    std::vector<std::string> calls;

    std::unique_ptr<AccessToken> OpenOwnToken(std::uint32_t access) override {
        Record("OpenProcessToken " + Hex(access));
        if (!tokenOpens) {
            lastError_ = openError;
            return nullptr;
        }
        return std::make_unique<Token>(*this);
    }

    bool FindPrivilege(std::wstring_view name, PrivilegeId& id) override {
        Record("LookupPrivilegeValue " + std::string(name.begin(), name.end()));
        if (!privilegeFound) {
            lastError_ = lookupError;
            return false;
        }
        id = privilegeId;
        return true;
    }

    std::uint32_t LastErrorCode() override {
        Record("GetLastError");
        return lastError_;
    }

    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override {
        Record("ExitWindowsEx " + Hex(flags) + " " + std::to_string(reason));
        return ActionCallSucceeds();
    }

    bool SetPowerState(std::int32_t suspend, std::int32_t force) override {
        Record("SetSystemPowerState " + std::to_string(suspend) + " " + std::to_string(force));
        return ActionCallSucceeds();
    }

    void RequestQuit() override { Record("PostQuitMessage"); }

private:
    class Token : public AccessToken {
    public:
        explicit Token(RecordingPowerApi& api) : api_(api) {}
        ~Token() override { api_.Record("CloseHandle"); }

        bool AdjustPrivileges(const PrivilegeRequest& r) override {
            api_.Record("AdjustTokenPrivileges count=" + std::to_string(r.count) +
                        " luid=" + Hex(r.id.lowPart) + ":" + std::to_string(r.id.highPart) +
                        " attributes=" + std::to_string(r.attributes));
            api_.lastError_ = api_.adjustError;
            return api_.adjustSucceeds;
        }

    private:
        RecordingPowerApi& api_;
    };

    static std::string Hex(std::uint32_t value) {
        static const char digits[] = "0123456789ABCDEF";
        std::string text;
        do {
            text.insert(text.begin(), digits[value % 16]);
            value /= 16;
        } while (value != 0);
        return "0x" + (text.size() < 2 ? "0" + text : text);
    }

    void Record(std::string call) { calls.push_back(std::move(call)); }
    bool ActionCallSucceeds() {
        if (actionError != 0) lastError_ = actionError;
        return actionError == 0;
    }

    std::uint32_t lastError_ = 0;
};

}  // namespace dusk::test
