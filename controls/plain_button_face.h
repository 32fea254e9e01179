#pragma once
#include "controls/canvas.h"
#include "controls/image_button.h"

namespace dusk {

// An image button as a high-contrast theme shows it: a plain face in the system's button colours
// with its caption centred, outlined in the highlight colour while `lit` (under the pointer or
// pressed), the caption grey while the button is disabled.
void PaintPlainButtonFace(Canvas& canvas, const ImageButton& button, bool lit);

}  // namespace dusk
