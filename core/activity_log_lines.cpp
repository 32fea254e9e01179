#include "core/activity_log_lines.h"

#include <cstdio>

namespace dusk {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// UTF-16 on Windows, UTF-32 elsewhere; a lone surrogate or a value past Unicode becomes U+FFFD.
void AppendEvent(std::string& out, std::wstring_view event) {
    for (std::size_t i = 0; i < event.size(); ++i) {
        char32_t c = static_cast<char32_t>(event[i]);
        if (IsHighSurrogate(c) && i + 1 < event.size() &&
            IsLowSurrogate(static_cast<char32_t>(event[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(event[++i]) - 0xDC00);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
            c = kReplacement;
        }
        if (c < 0x20 || c == 0x7F) c = U' ';
        AppendUtf8(out, c);
    }
}

}  // namespace

std::string ActivityLogLine(DateTime moment, std::wstring_view event) {
    const DateTimeParts p = moment.Parts();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d ", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    std::string line = stamp;
    AppendEvent(line, event);
    line += "\r\n";
    return line;
}

bool ActivityLogNeedsRotation(std::uint64_t logBytes, std::size_t lineBytes) {
    // An empty log takes any line, however long: rotating it would only lose the previous file.
    return logBytes > 0 && logBytes + lineBytes > kActivityLogLimitBytes;
}

LogWriteDecision DecideLogWrite(const LogPathFacts& facts) {
    if (!facts.exists) return LogWriteDecision::Write;
    if (facts.reparsePoint) return LogWriteDecision::RefuseReparsePoint;
    if (!facts.ownedByAdministrators) return LogWriteDecision::RefuseOwner;
    return LogWriteDecision::Write;
}

}  // namespace dusk
