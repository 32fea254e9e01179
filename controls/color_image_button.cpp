#include "controls/color_image_button.h"

namespace dusk {

Color StandardCaptionColor(ButtonColor color) {
    switch (color) {
        case ButtonColor::Green:
            return 0x116D0D;
        case ButtonColor::Black:
            return 0xFEFEFE;
        case ButtonColor::Yellow:
            return 0x002D7F;
        case ButtonColor::Red:
            return 0x0000B4;
        case ButtonColor::Blue:
            break;
    }
    return 0x9D4700;
}

ColorImageButton::ColorImageButton(TextRenderer& text) : ImageButton(text) {
    dusk::Font font = Font();
    font.color = StandardCaptionColor(ButtonColor::Blue);
    SetFont(font);
}

void ColorImageButton::SetPictureList(const ImageButtonPictures* list) {
    pictureList_ = list;
    ChangeColor(ButtonColor::Blue);
}

void ColorImageButton::SetColor(ButtonColor color) { ChangeColor(color); }

void ColorImageButton::ChangeColor(ButtonColor color) {
    const int width = Width();
    const int height = Height();
    SetRedrawSuspended(true);
    const bool keepStandard = Font().color == StandardCaptionColor(buttonColor_);
    buttonColor_ = color;
    // Without a list the button keeps the pictures it has.
    if (pictureList_) {
        LoadNormalFace(pictureList_->Pic(color, ButtonState::Normal));
        SetHoverFace(pictureList_->Pic(color, ButtonState::MouseOn));
        SetPressedFace(pictureList_->Pic(color, ButtonState::MouseDown));
        SetDisabledFace(pictureList_->Pic(color, ButtonState::Disabled));
    }
    if (keepStandard) {
        dusk::Font font = Font();
        font.color = StandardCaptionColor(color);
        SetFont(font);
    }
    SetBounds(Left(), Top(), width, height);
    SetStretchMargin(NormalFace().Width() / 4);
    SetRedrawSuspended(false);
    ComposeButtonFace(ButtonLook::Normal);
}

}  // namespace dusk
