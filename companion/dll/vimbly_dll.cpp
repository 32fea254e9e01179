// The exported functions of Vimbly.dll. The host calls them from its one GUI thread.
#define VIMBLY_BUILDING_DLL
// windows.h first: the other system headers build on it.
// clang-format off
#include <windows.h>
// clang-format on

#include <string>
#include <utility>
#include <vector>

#include "companion/dll/os_info_source.h"
#include "companion/dll/skin_memory.h"
#include "companion/dll/unelevated_shell.h"
#include "companion/dll/windows_styling.h"
#include "companion/vimbly_abi.h"

namespace {

constexpr wchar_t kHomePage[] = L"https://www.tolvane.example/";
constexpr int kVimblyPageId = 0x5601;
constexpr int kProductsPageId = 0x5602;

struct LibraryState {
    std::wstring title;
    std::wstring version;
    HWND mainWindow = nullptr;
    std::vector<std::pair<std::wstring, HWND>> forms;
};

LibraryState& State() {
    static LibraryState state;
    return state;
}

std::wstring TextOrEmpty(const wchar_t* text) { return text != nullptr ? text : L""; }

std::wstring ProductLine() {
    const LibraryState& state = State();
    return state.version.empty() ? state.title : state.title + L" " + state.version;
}

RECT Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return RECT{left, top, left + width, top + height};
}

// The box's owner: the given window, else the registered main form, else the main window
// g_VimblyDLL_InitDLL was given. A box whose owner is no window would not be shown at all.
HWND BoxOwner(HWND owner) {
    if (::IsWindow(owner)) return owner;
    for (const auto& [name, window] : State().forms) {
        if (::lstrcmpiW(name.c_str(), L"frmMain") == 0 && ::IsWindow(window)) return window;
    }
    return ::IsWindow(State().mainWindow) ? State().mainWindow : nullptr;
}

}  // namespace

VIMBLY_API void __stdcall g_VimblyDLL_InitDLL(const wchar_t* title, const wchar_t* version,
                                              HWND mainWindow, const wchar_t*, std::int32_t,
                                              std::int32_t*, std::uint8_t* skinCode, void*) {
    LibraryState& state = State();
    state.title = TextOrEmpty(title);
    state.version = TextOrEmpty(version);
    state.mainWindow = mainWindow;
    if (skinCode != nullptr) *skinCode = dusk::vimbly::RememberedSkinCode();
}

VIMBLY_API void __stdcall g_VimblyDLL_GetOSInfo(dusk::OsInfoRecord* record) {
    if (record != nullptr) dusk::vimbly::FillOsInfoRecord(*record);
}

VIMBLY_API void __stdcall g_VimblyDLL_ShowVimbly(HWND panel, std::int32_t left, std::int32_t top,
                                                 std::int32_t width, std::int32_t height) {
    const std::wstring text =
        L"Vimbly\r\n\r\nThe companion library of the programs of Tolvane: their message boxes, "
        L"window styles and system information.\r\n\r\nIn use by " +
        ProductLine() + L".";
    dusk::vimbly::ShowInformationPage(panel, kVimblyPageId, text, Place(left, top, width, height));
}

VIMBLY_API void __stdcall g_VimblyDLL_ShowOurProducts(HWND panel, std::int32_t left,
                                                      std::int32_t top, std::int32_t width,
                                                      std::int32_t height) {
    const std::wstring text = L"Our Products\r\n\r\n" + ProductLine() +
                              L"\r\nShuts down, logs off, suspends or hibernates the computer "
                              L"at the time you choose.\r\n\r\nMore of our programs: " +
                              std::wstring(kHomePage);
    dusk::vimbly::ShowInformationPage(panel, kProductsPageId, text,
                                      Place(left, top, width, height));
}

VIMBLY_API void __stdcall g_VimblyDLL_AddForm(const wchar_t* name, HWND window) {
    auto& forms = State().forms;
    const std::wstring formName = TextOrEmpty(name);
    for (auto& form : forms) {
        if (::lstrcmpiW(form.first.c_str(), formName.c_str()) == 0) {
            form.second = window;
            return;
        }
    }
    forms.emplace_back(formName, window);
}

VIMBLY_API void __stdcall g_VimblyDLL_FormStyle(HWND window) {
    dusk::vimbly::StyleBorderlessWindow(window);
}

// Nothing to do: the pages are fixed-size children of the host's panels.
VIMBLY_API void __stdcall g_VimblyDLL_ChangeSize(void) {}

VIMBLY_API void __stdcall g_VimblyDLL_SetSkin(std::uint8_t buttonColor) {
    dusk::vimbly::RememberSkin(buttonColor);
}

// Never from this elevated process itself: the browser would run elevated.
VIMBLY_API void __stdcall g_VimblyDLL_VisitHomePage(void) {
    dusk::vimbly::OpenUnelevated(kHomePage);
}

VIMBLY_API std::int32_t __stdcall g_VimblyDLL_MessageBox(HWND owner, const wchar_t* text,
                                                         const wchar_t* caption,
                                                         std::uint32_t style) {
    return ::MessageBoxW(BoxOwner(owner), TextOrEmpty(text).c_str(), TextOrEmpty(caption).c_str(),
                         style);
}
