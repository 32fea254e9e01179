#include "companion/dll/windows_styling.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace dusk::vimbly {

void ShowInformationPage(HWND panel, int childId, const std::wstring& text, RECT place) {
    if (!::IsWindow(panel)) return;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    HWND page = ::GetDlgItem(panel, childId);
    if (page == nullptr) {
        page = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, place.left,
                                 place.top, width, height, panel,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                                 reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr);
        if (page == nullptr) return;
        ::SendMessageW(page, WM_SETFONT,
                       reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    } else {
        ::MoveWindow(page, place.left, place.top, width, height, TRUE);
    }
    ::SetWindowTextW(page, text.c_str());
}

void StyleBorderlessWindow(HWND window) {
    if (!::IsWindow(window)) return;
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    if ((style & WS_CHILD) != 0 || (style & WS_CAPTION) == WS_CAPTION) return;
    const ULONG_PTR classStyle = ::GetClassLongPtrW(window, GCL_STYLE);
    if ((classStyle & CS_DROPSHADOW) == 0)
        ::SetClassLongPtrW(window, GCL_STYLE, static_cast<LONG_PTR>(classStyle | CS_DROPSHADOW));
}

}  // namespace dusk::vimbly
