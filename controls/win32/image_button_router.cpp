#include "controls/win32/image_button_router.h"

#include <algorithm>

#include "base/win32/window_base.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

bool ImageButtonRouter::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = DesignPoint(window, MousePoint(lParam));
    switch (message) {
        case WM_MOUSEMOVE:
            MouseMove(window, point);
            return true;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            MouseLeftWindow();
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            for (ImageButtonHost* button : buttons_) {
                if (button->LeftButtonDown(point, message == WM_LBUTTONDBLCLK)) return true;
            }
            return false;
        case WM_LBUTTONUP:
            for (ImageButtonHost* button : buttons_) button->LeftButtonUp(point);
            return true;
        case WM_CAPTURECHANGED:
            for (ImageButtonHost* button : buttons_) button->CaptureLost();
            return true;
        case WM_SETCURSOR:
            return LOWORD(lParam) == HTCLIENT && SetCursor(window);
        case WM_SHOWWINDOW:
            if (wParam == FALSE) {  // no button stays lit behind a hidden window
                trackingLeave_ = false;
                MouseLeftWindow();
            }
            return false;
        default:
            return false;
    }
}

void ImageButtonRouter::BringToFront(ImageButtonHost& button) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), &button);
    if (found != buttons_.end()) std::rotate(buttons_.begin(), found, found + 1);
}

void ImageButtonRouter::MouseMove(HWND window, POINT point) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    for (ImageButtonHost* button : buttons_) button->MouseMove(point);
}

void ImageButtonRouter::MouseLeftWindow() {
    for (ImageButtonHost* button : buttons_) button->MouseLeftWindow();
}

bool ImageButtonRouter::SetCursor(HWND window) const {
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(window, &point);
    point = DesignPoint(window, point);
    for (const ImageButtonHost* button : buttons_) {
        if (button->SetCursorAt(point)) return true;
    }
    return false;
}

}  // namespace dusk::win32
