#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace dusk {

// The log is rotated before a line would take it past this size; one previous file is kept.
constexpr std::uint64_t kActivityLogLimitBytes = 256 * 1024;

// One line of the activity log in UTF-8: the local moment in ISO form, a blank, the event and
// CR LF. Line breaks and other control characters inside the event become blanks, so one event
// is always one line.
std::string ActivityLogLine(DateTime moment, std::wstring_view event);

// True when a line of `lineBytes` would take a log of `logBytes` past the limit.
bool ActivityLogNeedsRotation(std::uint64_t logBytes, std::size_t lineBytes);

// What is known about the log's folder or file before the program writes through it.
struct LogPathFacts {
    bool exists = false;
    bool reparsePoint = false;           // a junction or a symbolic link
    bool ownedByAdministrators = false;  // by Administrators or SYSTEM
};

enum class LogWriteDecision {
    Write,
    RefuseReparsePoint,  // it may lead anywhere an ordinary user chose
    RefuseOwner,         // someone else made it and may have prepared it
};

// Whether the elevated program may write through a folder or file of its log: only through
// one that does not exist yet (it makes it itself) or one that Administrators or SYSTEM own
// and that is no reparse point.
LogWriteDecision DecideLogWrite(const LogPathFacts& facts);

}  // namespace dusk
