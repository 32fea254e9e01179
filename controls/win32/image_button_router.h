#pragma once
#include <windows.h>

#include <vector>

#include "controls/win32/image_button_host.h"

namespace dusk::win32 {

// Hands a window's mouse messages to the windowless image buttons it hosts: the pointer by hit
// test (with a leave notice requested, so no button stays lit once the pointer leaves the
// window), presses and releases, the cursor and a capture lost in the middle of a press.
class ImageButtonRouter {
public:
    // Buttons added first are hit first where buttons overlap.
    void Add(ImageButtonHost& button) { buttons_.push_back(&button); }
    // The button is hit before every other.
    void BringToFront(ImageButtonHost& button);

    // True when the message was the buttons' and the window is done with it (the answer is 0,
    // TRUE for WM_SETCURSOR). A left press that hits no button, a hide and every other message
    // are left to the window.
    bool Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void MouseMove(HWND window, POINT point);
    void MouseLeftWindow();
    bool SetCursor(HWND window) const;

    std::vector<ImageButtonHost*> buttons_;
    bool trackingLeave_ = false;
};

}  // namespace dusk::win32
