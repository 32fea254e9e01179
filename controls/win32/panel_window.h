#pragma once
#include "base/geometry.h"
#include "base/win32/unique_handle.h"
#include "base/win32/window_base.h"

namespace dusk::win32 {

// A plain child window in one colour, without a bevel, that other code fills with controls of
// its own; static texts on it show on its colour.
class PanelWindow : public WindowBase {
public:
    explicit PanelWindow(Color color) : color_(color) {}

    // bounds in the parent's design pixels.
    bool Create(HWND parent, const Rect& bounds, bool visible);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Color color_;
    UniqueBrush brush_;  // made once, for the background and the static texts
};

}  // namespace dusk::win32
