#pragma once

namespace dusk {

enum class LogonStartOutcome {
    Registered,    // the system starts the program, elevated, when the user logs on
    NotAvailable,  // a system without log-on tasks (before Vista): the Run value is all there is
    Refused,       // the program's files are not protected, so no elevated start is asked for
    NotKept,       // the system did not keep the start as written; nothing is left registered
};

// The start of the program at the user's log-on, for a task kept inside the program. On systems
// with User Account Control the Run value does not start a program that needs elevation, so the
// system's scheduler is asked instead.
class LogonStart {
public:
    virtual ~LogonStart() = default;
    // Replaces any log-on start of the program for this user.
    virtual LogonStartOutcome Register() = 0;
    // A missing log-on start is not an error.
    virtual void Remove() = 0;
};

}  // namespace dusk
