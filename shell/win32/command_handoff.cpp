#include "shell/win32/command_handoff.h"

#include "base/win32/unique_handle.h"

namespace dusk::win32 {

namespace {

constexpr ULONG_PTR kCommandData = 0x44524331;  // the arguments, separated by line feeds
constexpr ULONG_PTR kAnswerData = 0x44524332;   // the answer's text
constexpr UINT kAnswerTimeoutMs = 120000;
constexpr LRESULT kAnswered = 0x100;  // added to the exit code, so 0 is never an answer

std::wstring ImageOfProcess(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!::QueryFullProcessImageNameW(process, 0, path.data(), &length)) return {};
    path.resize(length);
    return path;
}

std::wstring OwnImage() {
    const UniqueHandle self(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ::GetCurrentProcessId()));
    return self ? ImageOfProcess(self.Get()) : std::wstring();
}

bool SendText(HWND target, HWND sender, ULONG_PTR kind, const std::wstring& text, DWORD_PTR* result,
              UINT timeoutMs) {
    COPYDATASTRUCT data{};
    data.dwData = kind;
    data.cbData = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(text.data());
    return ::SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                                 reinterpret_cast<LPARAM>(&data), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                 timeoutMs, result) != 0;
}

std::optional<std::wstring> TextOf(LPARAM lParam, ULONG_PTR kind) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data == nullptr || data->dwData != kind || data->cbData % sizeof(wchar_t) != 0) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(data->lpData);
    return std::wstring(text, text + data->cbData / sizeof(wchar_t));
}

}  // namespace

bool IsWindowOfThisProgram(HWND window) {
    DWORD processId = 0;
    if (window == nullptr || ::GetWindowThreadProcessId(window, &processId) == 0) return false;
    const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return false;
    const std::wstring image = ImageOfProcess(process.Get());
    const std::wstring own = OwnImage();
    return !image.empty() &&
           ::CompareStringOrdinal(image.c_str(), static_cast<int>(image.size()), own.c_str(),
                                  static_cast<int>(own.size()), TRUE) == CSTR_EQUAL;
}

std::optional<CommandExitCode> SendCommandToInstance(HWND instance, HWND sender,
                                                     const std::vector<std::wstring>& arguments) {
    if (!IsWindowOfThisProgram(instance)) return std::nullopt;
    std::wstring joined;
    for (const std::wstring& argument : arguments) joined += argument + L"\n";
    DWORD_PTR result = 0;
    if (!SendText(instance, sender, kCommandData, joined, &result, kAnswerTimeoutMs) ||
        result < static_cast<DWORD_PTR>(kAnswered)) {
        return std::nullopt;
    }
    return static_cast<CommandExitCode>(result - kAnswered);
}

std::optional<std::vector<std::wstring>> CommandOfMessage(WPARAM wParam, LPARAM lParam) {
    const auto text = TextOf(lParam, kCommandData);
    if (!text || !IsWindowOfThisProgram(reinterpret_cast<HWND>(wParam))) return std::nullopt;
    std::vector<std::wstring> arguments;
    for (std::size_t start = 0; start < text->size();) {
        const std::size_t stop = text->find(L'\n', start);
        if (stop == std::wstring::npos) break;
        arguments.push_back(text->substr(start, stop - start));
        start = stop + 1;
    }
    return arguments;
}

void ReplyToCommand(HWND self, WPARAM wParam, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    SendText(reinterpret_cast<HWND>(wParam), self, kAnswerData, text, &ignored, 5000);
}

LRESULT CommandMessageResult(CommandExitCode code) {
    return kAnswered + static_cast<LRESULT>(code);
}

std::optional<std::wstring> CommandAnswerOf(WPARAM wParam, LPARAM lParam) {
    auto text = TextOf(lParam, kAnswerData);
    if (!text || !IsWindowOfThisProgram(reinterpret_cast<HWND>(wParam))) return std::nullopt;
    return text;
}

}  // namespace dusk::win32
