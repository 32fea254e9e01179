#include "shell/win32/task_page_button.h"

#include <utility>

#include "controls/focus_cycle.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

TaskPageButton::TaskPageButton(ButtonModel& model, TextRenderer& text,
                               const ColorButtonLayout& layout, const ImageButtonPictures& pictures)
    : model_(model), button_(text), bounds_(layout.bounds) {
    LoadColorButton(button_, layout, pictures);
    button_.onClick = [this] { model_.Click(); };
    model_.onStateChanged = [this] {
        button_.SetVisible(model_.Visible());
        if (button_.Enabled() != model_.Enabled()) button_.SetEnabled(model_.Enabled());
        focus_.Follow(model_.Visible(), model_.Enabled());
    };
    model_.onStateChanged();
}

TaskPageButton::~TaskPageButton() { model_.onStateChanged = nullptr; }

bool TaskPageButton::Create(HWND page, ImageButtonRouter& router, std::function<void()> repaint) {
    page_ = page;
    const auto bounds = [this] { return ScreenRect(page_, bounds_); };
    if (!focus_.Create(page, button_.Caption(), AccessibleRole::PushButton, bounds)) return false;
    focus_.onPress = [this] {
        if (button_.Visible() && button_.Enabled() && button_.onClick) button_.onClick();
    };
    focus_.onFocusChanged = std::move(repaint);
    model_.onStateChanged();
    host_.emplace(page, button_);
    router.Add(*host_);
    return true;
}

void TaskPageButton::Paint(Canvas& canvas, Color focusCue) const {
    if (host_) host_->Paint(canvas);
    if (!focus_.Focused()) return;
    const Rect& b = bounds_;
    PaintFocusCue(canvas, {b.left + 2, b.top + 2, b.right - 2, b.bottom - 2}, focusCue);
}

}  // namespace dusk::win32
