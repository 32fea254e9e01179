#include "core/start_request.h"

#include "base/text_case.h"
#include "core/single_instance.h"

namespace dusk {

namespace {

std::wstring WordOf(const std::vector<std::wstring>& arguments, std::size_t index) {
    if (index >= arguments.size()) return {};
    std::wstring_view argument = arguments[index];
    if (!argument.empty() && (argument.front() == L'-' || argument.front() == L'/')) {
        argument.remove_prefix(1);
    }
    return std::wstring(argument);
}

bool AsksQuiet(const std::vector<std::wstring>& arguments) {
    for (const std::wstring& argument : arguments) {
        if (EqualsIgnoringCase(argument, L"/quiet")) return true;
    }
    return false;
}

}  // namespace

StartRequest ParseStartRequest(const std::vector<std::wstring>& arguments) {
    StartRequest request;
    request.command = ParseCommandLine(arguments);
    if (!std::holds_alternative<NotACommand>(request.command)) {
        request.kind = StartRequest::Kind::Command;
        request.quiet = AsksQuiet(arguments);
        return request;
    }
    const std::wstring_view first = arguments.size() > 0 ? arguments[0] : std::wstring_view();
    const std::wstring_view second = arguments.size() > 1 ? arguments[1] : std::wstring_view();
    if (!IsScheduledStart(first, second)) return request;
    request.kind = StartRequest::Kind::Scheduled;
    request.triggerWord = WordOf(arguments, 0);
    request.actionWord = WordOf(arguments, 1);
    return request;
}

}  // namespace dusk
