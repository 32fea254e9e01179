#include "controls/win32/check_box_window.h"

#include "controls/focus_cycle.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/high_contrast.h"
#include "controls/win32/keyboard_navigation.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

CheckBoxWindow::CheckBoxWindow(ImageCheckBox& box, AccessibleRole role) : box_(box), role_(role) {
    box_.host.repaintNow = [this] {
        if (Handle() == nullptr) return;
        ::InvalidateRect(Handle(), nullptr, FALSE);
        ::UpdateWindow(Handle());
        if (accessible_) accessible_->StateChanged();
    };
    box_.host.invalidate = [this] { SizeChanged(); };
}

CheckBoxWindow::~CheckBoxWindow() { box_.host = {}; }

bool CheckBoxWindow::Create(HWND window, Point origin) {
    Fit();
    origin_ = origin;
    Creation creation{L"ImageCheckBox"};
    creation.classStyle = CS_DBLCLKS;
    creation.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    const int left = origin.x + box_.Left();
    const int top = origin.y + box_.Top();
    creation.bounds = DeviceRect(window, {left, top, left + box_.Width(), top + box_.Height()});
    creation.parent = window;
    if (!CreateWindowFor(creation)) return false;
    AccessibleControl control;
    control.role = role_;
    control.name = [this] {
        // Captions padded with spaces for the layout are read without them.
        const std::wstring& caption = box_.Caption();
        return caption.substr(0, caption.find_last_not_of(L' ') + 1);
    };
    control.facts = [this] {
        AccessibleFacts facts;
        facts.checked = box_.Status() == CheckBoxStatus::Checked;
        facts.enabled = ::IsWindowEnabled(Handle()) != FALSE;
        facts.visible = ::IsWindowVisible(Handle()) != FALSE;
        facts.focused = ::GetFocus() == Handle();
        return facts;
    };
    control.screenBounds = [this] {
        RECT bounds{};
        ::GetWindowRect(Handle(), &bounds);
        return bounds;
    };
    control.doDefault = [this] { Toggle(); };
    accessible_.emplace(Handle(), std::move(control));
    return true;
}

void CheckBoxWindow::Toggle() {
    // As a click: the box decides what a click does (a radio-like box stays checked).
    box_.MouseDown(MouseButton::Left, false);
    box_.MouseUp(MouseButton::Left, true);
}

LRESULT CheckBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            Fit();
            paintBuffer_.PaintWindow(Handle(), [this](Canvas& canvas) { Paint(canvas); });
            return 0;
        case WM_PRINTCLIENT:
            paintBuffer_.PrintClient(Handle(), reinterpret_cast<HDC>(wParam),
                                     [this](Canvas& canvas) { Paint(canvas); });
            return 0;
        case WM_MOUSEMOVE:
            MouseMove();
            return 0;
        case WM_GETOBJECT: {
            LRESULT result = 0;
            if (accessible_ && accessible_->Answer(wParam, lParam, result)) return result;
            break;
        }
        case WM_NCDESTROY:
            accessible_.reset();
            break;
        case WM_GETDLGCODE:
            return OwnKeysDialogCode();
        case WM_KEYDOWN:
            if (wParam != VK_SPACE) break;
            Toggle();
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(Handle(), nullptr, FALSE);
            if (message == WM_SETFOCUS && accessible_) accessible_->FocusChanged();
            if (onFocusChanged) onFocusChanged();
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            box_.MouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            ButtonDown(message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_LBUTTONUP:
            ButtonUp(MousePoint(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_ = false;
                box_.MouseUp(MouseButton::Left, false);
            }
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) break;
            ShowCursorKind(box_.Cursor());
            return TRUE;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void CheckBoxWindow::Fit() {
    GdiTextRenderer measurer;
    box_.FitWidth(measurer);
}

void CheckBoxWindow::Paint(Canvas& canvas) {
    box_.PaintCheckBox(canvas, HighContrastOn());
    if (::GetFocus() == Handle()) {
        PaintFocusCue(canvas, {0, 0, box_.Width(), box_.Height()}, focusCueColor_);
    }
}

void CheckBoxWindow::MouseMove() {
    if (tracking_) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
    box_.MouseEnter();
    ShowCursorKind(box_.Cursor());  // entering may have changed it
}

void CheckBoxWindow::ButtonDown(bool doubleClick) {
    ::SetCapture(Handle());
    pressed_ = true;
    box_.MouseDown(MouseButton::Left, doubleClick);
}

void CheckBoxWindow::ButtonUp(POINT point) {
    if (!pressed_) return;
    pressed_ = false;
    ::ReleaseCapture();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    box_.MouseUp(MouseButton::Left, ::PtInRect(&client, point) != FALSE);
}

void CheckBoxWindow::Place() {
    const int left = origin_.x + box_.Left();
    const int top = origin_.y + box_.Top();
    PlaceChild(Handle(), {left, top, left + box_.Width(), top + box_.Height()});
}

void CheckBoxWindow::SizeChanged() {
    if (Handle() == nullptr) return;
    const Size size = ScaleOf(Handle()).Of(Size{box_.Width(), box_.Height()});
    ::SetWindowPos(Handle(), nullptr, 0, 0, size.width, size.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace dusk::win32
