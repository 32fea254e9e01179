#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/activity_log.h"

namespace dusk {

// Keeps every recorded line.
class RecordingActivityLog : public ActivityLog {
public:
    void Record(std::wstring_view event) override { lines.emplace_back(event); }
    std::vector<std::wstring> lines;
};

}  // namespace dusk
