#include "controls/win32/image_button_host.h"

#include "base/win32/window_base.h"
#include "controls/plain_button_face.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/high_contrast.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

ImageButtonHost::ImageButtonHost(HWND window, ImageButton& button, Point origin)
    : window_(window), button_(button), origin_(origin) {
    button_.host.repaintNow = [this] { RepaintNow(); };
    button_.host.invalidate = [this] { Invalidate(); };
    painted_ = Bounds();
}

ImageButtonHost::~ImageButtonHost() { button_.host = {}; }

RECT ImageButtonHost::Bounds() const {
    const int left = origin_.x + button_.Left();
    const int top = origin_.y + button_.Top();
    return {left, top, left + button_.Width(), top + button_.Height()};
}

void ImageButtonHost::Paint(Canvas& canvas) const {
    if (!button_.Visible()) return;
    // A caption on a skin picture may be lost in a high-contrast theme; a glyph stays legible.
    if (HighContrastOn() && !button_.Caption().empty()) {
        return PaintPlainButtonFace(canvas, button_, over_ || pressed_);
    }
    // Composed at the window's scale: an enlarged 96 DPI face would blur its caption and edges.
    const DisplayScale scale = ScaleOf(window_);
    canvas.DrawDevicePicture(button_.FaceAt(scale, DetailedPicturesFor(scale)),
                             {button_.Left(), button_.Top()});
}

bool ImageButtonHost::Hit(POINT point) const {
    const RECT bounds = Bounds();
    return button_.Visible() && ::PtInRect(&bounds, point);
}

bool ImageButtonHost::MouseMove(POINT point) {
    const bool hit = Hit(point);
    if (hit != over_) {
        over_ = hit;
        if (hit) {
            button_.MouseEnter();
            ShowCursorKind(button_.Cursor());  // entering may have changed it
        } else {
            button_.MouseLeave();
        }
    }
    return hit;
}

void ImageButtonHost::MouseLeftWindow() {
    if (!over_ || pressed_) return;  // a held button keeps the pointer until its release
    over_ = false;
    button_.MouseLeave();
}

bool ImageButtonHost::LeftButtonDown(POINT point, bool doubleClick) {
    if (!Hit(point)) return false;
    // The release must reach the button even off the window, or no press would ever end.
    ::SetCapture(window_);
    pressed_ = true;
    button_.MouseDown(MouseButton::Left, doubleClick);
    return true;
}

bool ImageButtonHost::LeftButtonUp(POINT point) {
    if (!pressed_) return false;
    pressed_ = false;
    // Before the click: its handler may open a modal box, which needs the mouse.
    ::ReleaseCapture();
    button_.MouseUp(MouseButton::Left, Hit(point));
    return true;
}

bool ImageButtonHost::SetCursorAt(POINT point) const {
    if (!Hit(point)) return false;
    ShowCursorKind(button_.Cursor());
    return true;
}

void ImageButtonHost::CaptureLost() {
    if (!pressed_) return;
    pressed_ = false;
    button_.MouseUp(MouseButton::Left, false);
}

void ImageButtonHost::RepaintNow() {
    Invalidate();
    ::UpdateWindow(window_);
}

void ImageButtonHost::Invalidate() {
    // The old place too: a button that moved or shrank must not leave its picture behind.
    const RECT bounds = Bounds();
    // A face composed at another scale may be a pixel larger than its rounded bounds.
    const int slack = ScaleOf(window_).IsDesign() ? 0 : 1;
    for (const RECT& design : {painted_, bounds}) {
        RECT area = DeviceRect(window_, {design.left, design.top, design.right, design.bottom});
        ::InflateRect(&area, slack, slack);
        ::InvalidateRect(window_, &area, FALSE);
    }
    painted_ = bounds;
}

}  // namespace dusk::win32
