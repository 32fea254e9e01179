#pragma once
#include "controls/canvas.h"
#include "controls/picture.h"

namespace dusk {

// Paints a borderless window's frame from eight pieces of a 20 x 20 frame picture onto a
// width x height window; the rest is left to the window's colour.
void PaintFrame(Canvas& canvas, int width, int height, const Picture& frame);

// The main window's additions, after its frame: the corner picture at the top right, the white
// content area and its grey top and left lines.
void PaintMainWindowExtras(Canvas& canvas, int width, int height, const Picture& corner);

}  // namespace dusk
