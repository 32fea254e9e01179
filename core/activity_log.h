#pragma once
#include <string_view>

namespace dusk {

// Where the program records what happened to a task and why: one line per event (the log adds
// the moment). Recording never fails the caller; a log that cannot be written drops the line.
class ActivityLog {
public:
    virtual ~ActivityLog() = default;
    virtual void Record(std::wstring_view event) = 0;
};

}  // namespace dusk
