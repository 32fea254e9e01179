#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "base/win32/window_base.h"
#include "controls/accessible_description.h"
#include "controls/win32/control_accessible.h"

namespace dusk::win32 {

// Stands in for a windowless control that its parent paints (a button, a tab, a text): a child
// window of no size whose text is the control's caption, which tells assistive technology the
// control's name, role, state and place. A push button's proxy takes the keyboard focus: Enter
// or Space presses it, and the parent draws the focus cue while it has the focus. The pointer
// passes through it.
class FocusProxy : public WindowBase {
public:
    // screenBounds: where the control lies on the screen.
    bool Create(HWND parent, const std::wstring& caption, AccessibleRole role,
                std::function<RECT()> screenBounds);
    bool Focused() const { return Handle() != nullptr && ::GetFocus() == Handle(); }
    // Shown and enabled as the control is.
    void Follow(bool visible, bool enabled);
    // A text's new words, read out by a screen reader that follows it.
    void SetCaption(const std::wstring& caption);
    void StateChanged() const;

    std::function<void()> onPress;
    std::function<void()> onFocusChanged;
    std::function<bool()> isChecked;  // a tab: the selected one

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    AccessibleRole role_ = AccessibleRole::PushButton;
    std::optional<AccessibleHost> accessible_;
};

}  // namespace dusk::win32
