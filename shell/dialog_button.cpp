#include "shell/dialog_button.h"

#include "shell/color_button_layout.h"

namespace dusk {

void LoadDialogButton(ColorImageButton& button, const DialogButtonLayout& layout,
                      const ImageButtonPictures& pictures) {
    ColorButtonLayout loaded;
    loaded.caption = layout.caption;
    loaded.font = {L"Tahoma", layout.fontHeight, true, 0x9D4700};
    loaded.captionAlign = TextAlign::Center;
    loaded.captionLeft = layout.captionLeft;
    loaded.captionTop = -1;
    loaded.smallPicture = layout.smallPicture;
    loaded.smallPictureAt = layout.smallPictureAt;
    loaded.needStretch = true;
    loaded.bounds = layout.bounds;
    LoadColorButton(button, loaded, pictures);
}

}  // namespace dusk
