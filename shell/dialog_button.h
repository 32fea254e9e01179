#pragma once
#include <string>

#include "base/geometry.h"
#include "controls/color_image_button.h"
#include "controls/picture.h"

namespace dusk {

// What differs between the dialog buttons of the countdown and notice windows.
struct DialogButtonLayout {
    std::wstring caption;
    int fontHeight = 11;
    int captionLeft = 0;
    Rect bounds;  // left, top, right, bottom in the panel
    const Picture* smallPicture = nullptr;
    Point smallPictureAt;
};

// Loads a colour button the way the form does: no fades, a centred bold caption over the
// stretched pictures of `pictures`, plain values first and the picture list last, which starts
// the button blue and composes its first look.
void LoadDialogButton(ColorImageButton& button, const DialogButtonLayout& layout,
                      const ImageButtonPictures& pictures);

}  // namespace dusk
