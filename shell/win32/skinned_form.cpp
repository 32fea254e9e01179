#include "shell/win32/skinned_form.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "controls/win32/dib_surface.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/keyboard_navigation.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

namespace {

constexpr WPARAM kMoveByCaption = 0xF012;  // SC_MOVE | HTCAPTION: drag from any point

struct EnabledWindows {
    HWND except;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM found) {
    auto& list = *reinterpret_cast<EnabledWindows*>(found);
    if (window != list.except && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        list.windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

SkinnedForm::SkinnedForm(const SkinPictures& frames, const std::uint8_t& skinCode,
                         Companion& companion)
    : frames_(frames), skinCode_(skinCode), companion_(companion) {}

SkinnedForm::~SkinnedForm() { ForgetFocusOrder(Handle()); }

bool SkinnedForm::CreateForm(const Layout& layout, HWND owner) {
    Creation creation{layout.className};
    creation.classStyle = CS_DBLCLKS;
    creation.style = WS_POPUP | WS_CLIPCHILDREN | layout.extraStyle;
    creation.exStyle = layout.exStyle;
    creation.title = layout.title;
    creation.bounds = {0, 0, layout.clientWidth, layout.clientHeight};
    creation.parent = owner;
    if (!CreateWindowFor(creation)) return false;
    designClient_ = {layout.clientWidth, layout.clientHeight};
    FitToScale(nullptr);
    SetFocusOrder(Handle(), [this] { return FocusOrder(); });
    draggingEnabled_ = true;
    companion_.StyleWindow(Handle());
    return true;
}

void SkinnedForm::SetFormColor(Color color) {
    formColor_ = color;
    if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

Picture SkinnedForm::RenderClient() {
    const Size client = DesignClientSize(Handle());
    DibSurface surface(client.width, client.height);
    if (!surface.Valid()) return {};
    GdiCanvas canvas(surface.Dc(), &Fonts());
    FormPaint(canvas);
    return surface.ToPicture();
}

void SkinnedForm::FitToScale(const RECT* suggested) {
    // The window's size is its design client size at its monitor's scale; Windows suggests the
    // place when the scale changes.
    const Size client = ScaleOf(Handle()).Of(designClient_);
    RECT bounds{0, 0, client.width, client.height};
    ::AdjustWindowRectEx(&bounds, DWORD(::GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                         DWORD(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (suggested != nullptr) {
        ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, width, height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        ::SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ScaleChanged();
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinnedForm::ShowOverOthers(const std::function<void()>& show) {
    if (IsModal()) return;
    DisableOthers();
    overOthers_ = true;
    show();
}

void SkinnedForm::CloseModal() {
    overOthers_ = false;
    // The others come back first, so that the system activates one of them when this one hides.
    EnableOthers();
    ::ShowWindow(Handle(), SW_HIDE);
}

void SkinnedForm::DisableOthers() {
    // The owner may be a hidden window; the visible ones (the main window among them) must not
    // take input either while this window is modal.
    EnabledWindows found{Handle(), {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectEnabledWindow,
                        reinterpret_cast<LPARAM>(&found));
    disabled_ = std::move(found.windows);
    const HWND owner = ::GetWindow(Handle(), GW_OWNER);
    if (owner != nullptr && !::IsWindowVisible(owner) && ::IsWindowEnabled(owner)) {
        disabled_.push_back(owner);
    }
    for (const HWND window : disabled_) ::EnableWindow(window, FALSE);
}

void SkinnedForm::EnableOthers() {
    for (const HWND window : std::exchange(disabled_, {})) {
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    }
}

void SkinnedForm::CentreOn(const RECT& area) {
    RECT bounds{};
    ::GetWindowRect(Handle(), &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    RECT wanted{left, top, left + width, top + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoW(::MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        left = std::max(int(work.left), std::min(left, int(work.right) - width));
        top = std::max(int(work.top), std::min(top, int(work.bottom) - height));
    }
    ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SkinnedForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        if (!buttons_.Route(Handle(), message, wParam, lParam)) FormMouseDown();
        return 0;
    }
    if (buttons_.Route(Handle(), message, wParam, lParam)) return message == WM_SETCURSOR;
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            paintBuffer_.PaintWindow(Handle(), [this](Canvas& canvas) { FormPaint(canvas); });
            return 0;
        case WM_PRINTCLIENT:
            paintBuffer_.PrintClient(Handle(), reinterpret_cast<HDC>(wParam),
                                     [this](Canvas& canvas) { FormPaint(canvas); });
            return 0;
        case WM_SIZE:
            FormResize(ScaleOf(Handle()).ToDesign(Size{LOWORD(lParam), HIWORD(lParam)}));
            return 0;
        case WM_DPICHANGED:
            FitToScale(reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_TIMER:
            TimerTick(wParam);
            return 0;
        case WM_CLOSE:
            CloseRequested();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) EscapePressed();
            break;
        case WM_QUERYENDSESSION:
            Default(message, wParam, lParam);
            return 1;  // never blocks a log-off or shut-down
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void SkinnedForm::FormPaint(Canvas& canvas) {
    const Size client = DesignClientSize(Handle());
    canvas.FillRectangle({0, 0, client.width, client.height}, formColor_);
    lastFrame_ = &frames_.For(skinCode_);
    PaintFrame(canvas, client.width, client.height, *lastFrame_);
    PaintContent(canvas);
}

void SkinnedForm::FormMouseDown() {
    if (!draggingEnabled_) return;
    ::ReleaseCapture();
    ::SendMessageW(Handle(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

void SkinnedForm::FormResize(Size client) {
    if (client.width > 0 && client.height > 0) designClient_ = client;
    companion_.StyleWindow(Handle());
    Resized(client);
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

}  // namespace dusk::win32
