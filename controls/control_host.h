#pragma once
#include <functional>

#include "base/geometry.h"
#include "controls/canvas.h"

namespace dusk {

enum class CursorKind { Arrow, Hand };
enum class MouseButton { Left, Right, Middle };

// What a control asks of the window that hosts it. Either may be left empty (no host).
struct ControlHost {
    // Paint the control now, before returning (a fade paints frame by frame this way).
    std::function<void()> repaintNow;
    // Something shown changed (picture, size, visibility): repaint soon, and take the control's
    // bounds again if they differ from the host's.
    std::function<void()> invalidate;

    void Repaint() const {
        if (repaintNow) repaintNow();
    }
    void Changed() const {
        if (invalidate) invalidate();
    }
};

// The parent of a control that shows the parent through its own background.
class ControlParent {
public:
    virtual ~ControlParent() = default;
    virtual Size ClientSize() const = 0;
    // Both paint in the parent's client coordinates, as if the child were absent.
    virtual void EraseBackground(Canvas& canvas) = 0;
    virtual void PaintContent(Canvas& canvas) = 0;
};

// Turns presses and releases into clicks the way the platform does: a left press on the control
// then a left release over it. The second press of a double click arms nothing, so a double click
// is one click.
class ClickTracker {
public:
    void Press(MouseButton button, bool doubleClick) {
        if (button == MouseButton::Left) armed_ = !doubleClick;
    }
    // True when this release completes a click.
    bool Release(MouseButton button, bool overControl) {
        if (button != MouseButton::Left) return false;
        const bool click = armed_ && overControl;
        armed_ = false;
        return click;
    }

private:
    bool armed_ = false;
};

}  // namespace dusk
