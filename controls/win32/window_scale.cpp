#include "controls/win32/window_scale.h"

#include <utility>

#include "controls/picture_ops.h"

namespace dusk::win32 {
namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using MetricsForDpi = int(WINAPI*)(int, UINT);

// user32 is loaded already; these exist from Windows 10 version 1607 on.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

// Windows 8.1's per-monitor DPI, from shcore in the system folder only (the program runs
// elevated); none before 8.1.
int MonitorDpi(HWND window) {
    static const auto dpiForMonitor = [] {
        const HMODULE shcore =
            ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return shcore == nullptr ? nullptr
                                 : reinterpret_cast<DpiForMonitor>(reinterpret_cast<void*>(
                                       ::GetProcAddress(shcore, "GetDpiForMonitor")));
    }();
    if (dpiForMonitor == nullptr || window == nullptr) return 0;
    UINT x = 0, y = 0;
    const HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    return SUCCEEDED(dpiForMonitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)) ? int(x) : 0;
}

int SystemDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) ::ReleaseDC(nullptr, screen);
    return dpi;
}

std::function<const DetailedPictures*(DisplayScale)>& Source() {
    static std::function<const DetailedPictures*(DisplayScale)> source;
    return source;
}

}  // namespace

DisplayScale ScaleOf(HWND window) {
    static const auto dpiForWindow = User32Function<DpiForWindow>("GetDpiForWindow");
    if (dpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = dpiForWindow(window); dpi != 0) return DisplayScale(int(dpi));
    }
    if (const int dpi = MonitorDpi(window); dpi != 0) return DisplayScale(dpi);
    return DisplayScale(SystemDpi());
}

RECT DeviceRect(HWND window, const Rect& design) {
    const Rect r = ScaleOf(window).Of(design);
    return {r.left, r.top, r.right, r.bottom};
}

RECT ScreenRect(HWND window, const Rect& design) {
    RECT r = DeviceRect(window, design);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT DesignPoint(HWND window, POINT client) {
    const Point p = ScaleOf(window).ToDesign(Point{client.x, client.y});
    return {p.x, p.y};
}

Size DesignClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return ScaleOf(window).ToDesign(Size{client.right, client.bottom});
}

void PlaceChild(HWND child, const Rect& design) {
    if (child == nullptr) return;
    const RECT r = DeviceRect(child, design);
    ::MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void SetDetailedPictureSource(std::function<const DetailedPictures*(DisplayScale)> source) {
    Source() = std::move(source);
}

const DetailedPictures* DetailedPicturesFor(DisplayScale scale) {
    return Source() ? Source()(scale) : nullptr;
}

Picture PictureAtSize(const Picture& design, DisplayScale scale, int size) {
    const DetailedPictures* detailed = DetailedPicturesFor(scale);
    const Picture* found = detailed != nullptr ? detailed->Find(design) : nullptr;
    const Picture& source = found != nullptr ? *found : design;
    return FitPicture(source, size, size);
}

int SmallIconSize(DisplayScale scale) {
    static const auto metricsForDpi = User32Function<MetricsForDpi>("GetSystemMetricsForDpi");
    if (metricsForDpi != nullptr) return metricsForDpi(SM_CXSMICON, UINT(scale.Dpi()));
    return ::GetSystemMetrics(SM_CXSMICON);
}

}  // namespace dusk::win32
