#pragma once
#include <cstddef>
#include <functional>
#include <optional>

#include "base/geometry.h"
#include "controls/canvas.h"

namespace dusk {

// The keyboard's way through a window's controls, given in reading order: Tab moves to the next
// control that can take the focus, Shift+Tab to the previous one, both wrapping round. From no
// control (or one outside the cycle) Tab starts at the first, Shift+Tab at the last. Nothing when
// no control can take the focus.
std::optional<std::size_t> NextFocus(std::size_t count,
                                     const std::function<bool(std::size_t)>& canFocus,
                                     std::optional<std::size_t> current, bool backwards);

// The focus cue around a control: a one-pixel outline just inside `around`.
void PaintFocusCue(Canvas& canvas, const Rect& around, Color color);

}  // namespace dusk
