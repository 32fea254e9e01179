#include "shell/dialog_button.h"

namespace dusk {

void LoadDialogButton(ColorImageButton& button, const DialogButtonLayout& layout,
                      const ImageButtonPictures& pictures) {
    button.SetEnableAnimation(false);
    button.SetAnimationStart(0);
    button.SetAnimationEnd(127);
    button.SetAnimationParam(2);
    button.SetCaption(layout.caption);
    button.SetFont({L"Tahoma", layout.fontHeight, true, 0x9D4700});
    button.SetFontDisable({L"Tahoma", 11, true, 0x808080});
    button.SetCaptionAlign(TextAlign::Center);
    button.SetCaptionLeft(layout.captionLeft);
    button.SetCaptionTop(-1);
    if (layout.smallPicture != nullptr) {
        button.SetPicSmallNormal(*layout.smallPicture);
        button.SetPicSmallPosLeft(layout.smallPictureAt.x);
        button.SetPicSmallPosTop(layout.smallPictureAt.y);
    }
    button.SetNeedStretch(true);
    const Rect& at = layout.bounds;
    button.SetBounds(at.left, at.top, at.Width(), at.Height());
    button.SetPicImageList(&pictures);
}

}  // namespace dusk
