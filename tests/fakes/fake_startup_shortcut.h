#pragma once
#include "core/startup_shortcut.h"

namespace dusk::test {

class FakeStartupShortcut : public StartupShortcut {
public:
    int deletions = 0;
    void Delete() override { ++deletions; }
};

}  // namespace dusk::test
