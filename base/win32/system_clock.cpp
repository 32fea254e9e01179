#include "base/win32/system_clock.h"

#include <windows.h>

namespace dusk::win32 {

DateTime SystemClock::Now() const {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const DateTimeParts parts{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                              now.wMinute, now.wSecond, now.wMilliseconds};
    // The system always reports a real date and time, so FromParts cannot refuse it.
    return DateTime::FromParts(parts).value_or(DateTime{});
}

}  // namespace dusk::win32
