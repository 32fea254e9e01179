#include "controls/focus_cycle.h"

namespace dusk {

std::optional<std::size_t> NextFocus(std::size_t count,
                                     const std::function<bool(std::size_t)>& canFocus,
                                     std::optional<std::size_t> current, bool backwards) {
    if (count == 0) return std::nullopt;
    // Start just outside the cycle when the focus is not in it.
    std::size_t at = current && *current < count ? *current : (backwards ? 0 : count - 1);
    for (std::size_t step = 0; step < count; ++step) {
        at = backwards ? (at + count - 1) % count : (at + 1) % count;
        if (canFocus(at)) return at;
    }
    return std::nullopt;
}

void PaintFocusCue(Canvas& canvas, const Rect& around, Color color) {
    if (around.Width() < 2 || around.Height() < 2) return;
    canvas.FillRectangle({around.left, around.top, around.right, around.top + 1}, color);
    canvas.FillRectangle({around.left, around.bottom - 1, around.right, around.bottom}, color);
    canvas.FillRectangle({around.left, around.top + 1, around.left + 1, around.bottom - 1}, color);
    canvas.FillRectangle({around.right - 1, around.top + 1, around.right, around.bottom - 1},
                         color);
}

}  // namespace dusk
