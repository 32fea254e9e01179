#pragma once
#include "controls/image_button.h"
#include "controls/image_button_pictures.h"

namespace dusk {

// The caption colour that goes with each button colour (blue for a colour outside the five).
Color StandardCaptionColor(ButtonColor color);

// An image button that takes its four state pictures from a picture list by colour, so that a
// skin change recolours it. Its caption colour follows the colour while it is the standard one.
class ColorImageButton : public ImageButton {
public:
    explicit ColorImageButton(TextRenderer& text);

    const ImageButtonPictures* PictureList() const { return pictureList_; }
    // Not owned. Assigning a list always starts the button blue.
    void SetPictureList(const ImageButtonPictures* list);
    ButtonColor Color() const { return buttonColor_; }
    void SetColor(ButtonColor color);

private:
    void ChangeColor(ButtonColor color);

    const ImageButtonPictures* pictureList_ = nullptr;
    ButtonColor buttonColor_ = ButtonColor::Blue;
};

}  // namespace dusk
