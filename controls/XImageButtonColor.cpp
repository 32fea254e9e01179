#include "controls/XImageButtonColor.h"

namespace dusk {

Color StandardCaptionColor(TButtonColor color) {
    switch (color) {
        case fGreen:
            return 0x116D0D;
        case fBlack:
            return 0xFEFEFE;
        case fYellow:
            return 0x002D7F;
        case fRed:
            return 0x0000B4;
        case fBlue:
            break;
    }
    return 0x9D4700;
}

TXImageButtonColor::TXImageButtonColor(TextRenderer& text) : TXImageButton(text) {
    dusk::Font font = Font();
    font.color = StandardCaptionColor(fBlue);
    SetFont(font);
}

void TXImageButtonColor::SetPicImageList(const TXImageButtonPicList* list) {
    picImageList_ = list;
    ChangeColor(fBlue);
}

void TXImageButtonColor::SetButtonColor(TButtonColor color) { ChangeColor(color); }

void TXImageButtonColor::ChangeColor(TButtonColor color) {
    const int width = Width();
    const int height = Height();
    SetRedrawSuspended(true);
    const bool keepStandard = Font().color == StandardCaptionColor(buttonColor_);
    buttonColor_ = color;
    // Without a list the button keeps the pictures it has.
    if (picImageList_) {
        LoadPicNormal(picImageList_->Pic(color, ButtonState::Normal));
        SetPicMouseOn(picImageList_->Pic(color, ButtonState::MouseOn));
        SetPicMouseDown(picImageList_->Pic(color, ButtonState::MouseDown));
        SetPicDisabled(picImageList_->Pic(color, ButtonState::Disabled));
    }
    if (keepStandard) {
        dusk::Font font = Font();
        font.color = StandardCaptionColor(color);
        SetFont(font);
    }
    SetBounds(Left(), Top(), width, height);
    SetStretchMargin(PicNormal().Width() / 4);
    SetRedrawSuspended(false);
    ComposeButtonFace(ButtonLook::Normal);
}

}  // namespace dusk
