#include "shell/color_button_layout.h"

namespace dusk {

void LoadColorButton(ColorImageButton& button, const ColorButtonLayout& layout,
                     const ImageButtonPictures& pictures) {
    button.SetEnableAnimation(false);
    button.SetAnimationStart(0);
    button.SetAnimationEnd(layout.animationEnd);
    button.SetAnimationParam(layout.animationParam);
    button.SetEnabled(layout.enabled);
    button.SetCaption(layout.caption);
    button.SetFont(layout.font);
    button.SetDisabledFont(layout.fontDisable);
    button.SetCaptionAlign(layout.captionAlign);
    button.SetCaptionLeft(layout.captionLeft);
    button.SetCaptionTop(layout.captionTop);
    if (layout.smallPicture != nullptr) {
        button.SetNormalBadge(*layout.smallPicture);
        button.SetBadgeLeft(layout.smallPictureAt.x);
        button.SetBadgeTop(layout.smallPictureAt.y);
    }
    button.SetStretchToWidth(layout.needStretch);
    const Rect& at = layout.bounds;
    button.SetBounds(at.left, at.top, at.Width(), at.Height());
    button.SetPictureList(&pictures);
}

}  // namespace dusk
