#pragma once
#include <string>
#include <vector>

#include "core/main_window_host.h"

namespace dusk::test {

// Records what is done to the main window.
class FakeMainWindow : public MainWindowHost {
public:
    std::vector<std::string> calls;

    void Hide() override { calls.push_back("hide"); }
    void Minimize() override { calls.push_back("minimize"); }
    void Restore() override { calls.push_back("restore"); }
};

}  // namespace dusk::test
