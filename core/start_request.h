#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/command_line.h"

namespace dusk {

// What the process was started for, read once from its command line.
struct StartRequest {
    enum class Kind {
        Plain,      // by the user, at log-on, or by a later process of the program
        Scheduled,  // by the system scheduler, when the task falls due
        Command,    // by a script: /set, /cancel, /query, /? or a malformed switch
    };
    Kind kind = Kind::Plain;
    // Command: what the switches ask, or why they were refused.
    ParsedCommandLine command;
    // Command: /quiet was given, so a refusal shows no message box either.
    bool quiet = false;
    // Scheduled: the job's trigger and action words without their dash ("Day", "Shutdown").
    std::wstring triggerWord;
    std::wstring actionWord;

    bool IsScheduled() const { return kind == Kind::Scheduled; }
    bool IsCommand() const { return kind == Kind::Command; }
};

// The arguments after the program's own name. Arguments that begin with a switch ("/") are a
// command. Otherwise a start is scheduled when its first argument is not empty, or else its
// second; the job's parameters read "-Day -Shutdown", "-From -Logoff -time:2|05" and the like.
StartRequest ParseStartRequest(const std::vector<std::wstring>& arguments);

}  // namespace dusk
