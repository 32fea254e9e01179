#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "base/win32/window_base.h"

namespace dusk::win32 {

// Holds the keyboard focus for a windowless button that its parent paints: a child window of no
// size whose text is the button's caption. Enter or Space presses it; the parent draws the focus
// cue while it has the focus. The pointer passes through it.
class FocusProxy : public WindowBase {
public:
    bool Create(HWND parent, const std::wstring& caption);
    bool Focused() const { return Handle() != nullptr && ::GetFocus() == Handle(); }
    // Shown and enabled as the button is.
    void Follow(bool visible, bool enabled);

    std::function<void()> onPress;
    std::function<void()> onFocusChanged;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace dusk::win32
