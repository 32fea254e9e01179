#pragma once
#include <windows.h>

#include "controls/image_button.h"

namespace dusk::win32 {

// Hosts a windowless image button on a window: the window paints it in its own paint, alpha-
// composited over what lies below, and hands it the mouse messages, which the host turns into
// the button's enter, leave, press and release by hit test. The button's coordinates are its
// parent's; `origin` is where that parent's (0, 0) lies in the window.
class ImageButtonHost {
public:
    ImageButtonHost(HWND window, ImageButton& button, Point origin = {});
    ImageButtonHost(const ImageButtonHost&) = delete;
    ImageButtonHost& operator=(const ImageButtonHost&) = delete;
    // Unhooks the button, which may outlive its host.
    ~ImageButtonHost();

    // Where the button lies in the window's client coordinates.
    RECT Bounds() const;
    // Paints the button in its parent's coordinates, as the parent paints its content.
    void Paint(Canvas& canvas) const;

    // Each answers true when the message was the button's (the window then does nothing more
    // with it). The pointer is in the window's client coordinates.
    bool MouseMove(POINT point);
    void MouseLeftWindow();
    bool LeftButtonDown(POINT point, bool doubleClick);
    bool LeftButtonUp(POINT point);
    bool SetCursorAt(POINT point) const;
    // The window lost the capture to someone else while the button was held.
    void CaptureLost();

private:
    bool Hit(POINT point) const;
    void RepaintNow();
    void Invalidate();

    HWND window_;
    ImageButton& button_;
    Point origin_;
    RECT painted_{};        // where the button was last painted, to erase it after a move
    bool over_ = false;     // the pointer is on the button
    bool pressed_ = false;  // the left button went down on it and the window holds the capture
};

}  // namespace dusk::win32
