#pragma once
#include "core/logon_start.h"

namespace dusk {

// Answers `outcome` and counts what was asked; a registered start stays until removed.
class FakeLogonStart : public LogonStart {
public:
    LogonStartOutcome Register() override {
        ++registrations;
        registered = outcome == LogonStartOutcome::Registered;
        return outcome;
    }
    void Remove() override { registered = false; }

    LogonStartOutcome outcome = LogonStartOutcome::Registered;
    int registrations = 0;
    bool registered = false;
};

}  // namespace dusk
