#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "base/button_model.h"
#include "base/geometry.h"
#include "controls/color_image_button.h"
#include "controls/win32/focus_proxy.h"
#include "controls/win32/image_button_host.h"
#include "controls/win32/image_button_router.h"
#include "shell/color_button_layout.h"

namespace dusk::win32 {

// One of the task page's buttons (Start Task, Cancel Task, Postpone): a colour image button the
// page paints, shown and enabled as its model says, whose click reaches the model, with a focus
// stand-in that presses it from the keyboard.
class TaskPageButton {
public:
    TaskPageButton(ButtonModel& model, TextRenderer& text, const ColorButtonLayout& layout,
                   const ImageButtonPictures& pictures);
    TaskPageButton(const TaskPageButton&) = delete;
    TaskPageButton& operator=(const TaskPageButton&) = delete;
    ~TaskPageButton();

    // The focus stand-in and the host on the page; the router takes the button's mouse messages.
    // repaint runs when the focus comes or goes.
    bool Create(HWND page, ImageButtonRouter& router, std::function<void()> repaint);
    const ColorImageButton& Button() const { return button_; }
    void SetColor(ButtonColor color) { button_.SetColor(color); }
    HWND FocusHandle() const { return focus_.Handle(); }
    // The button, and the focus cue round it while it has the focus.
    void Paint(Canvas& canvas, Color focusCue) const;

private:
    ButtonModel& model_;
    ColorImageButton button_;
    Rect bounds_;
    HWND page_ = nullptr;
    std::optional<ImageButtonHost> host_;  // once the page exists
    FocusProxy focus_;
};

}  // namespace dusk::win32
