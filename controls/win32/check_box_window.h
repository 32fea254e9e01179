#pragma once
#include <functional>
#include <optional>

#include "base/win32/window_base.h"
#include "controls/image_check_box.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/control_accessible.h"

namespace dusk::win32 {

// The windowed host of an image check box: a child window of its own whose paint runs
// PaintCheckBox on an off-screen surface, so the box shows its parent's painting behind it.
// A double click arrives as a press that starts no click, so it toggles the box once.
class CheckBoxWindow : public WindowBase {
public:
    explicit CheckBoxWindow(ImageCheckBox& box, AccessibleRole role = AccessibleRole::CheckBox);
    // Unhooks the box, which may outlive its window.
    ~CheckBoxWindow() override;

    // The child of `window` at the box's bounds; `origin` is where the box's parent's (0, 0)
    // lies in the window.
    bool Create(HWND window, Point origin);
    // Back at the box's bounds at the window's current display scale.
    void Place();
    // The outline drawn round the box while it has the keyboard focus.
    void SetFocusCueColor(Color color) { focusCueColor_ = color; }

    std::function<void()> onFocusChanged;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Lets an autosized box take its width before a paint, so that no paint resizes it.
    void Fit();
    void Toggle();
    void Paint(Canvas& canvas);
    void MouseMove();
    void ButtonDown(bool doubleClick);
    void ButtonUp(POINT point);
    void SizeChanged();

    ImageCheckBox& box_;
    PaintBuffer paintBuffer_;
    AccessibleRole role_;
    std::optional<AccessibleHost> accessible_;
    Point origin_;
    Color focusCueColor_ = 0x9D4700;
    bool tracking_ = false;  // a leave notice is requested
    bool pressed_ = false;
};

}  // namespace dusk::win32
