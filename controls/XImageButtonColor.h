#pragma once
#include "controls/XImageButton.h"
#include "controls/XImageButtonPicList.h"

namespace dusk {

// The caption colour that goes with each button colour (blue for a colour outside the five).
Color StandardCaptionColor(TButtonColor color);

// An image button that takes its four state pictures from a picture list by colour, so that a
// skin change recolours it. Its caption colour follows the colour while it is the standard one.
class TXImageButtonColor : public TXImageButton {
public:
    explicit TXImageButtonColor(TextRenderer& text);

    const TXImageButtonPicList* PicImageList() const { return picImageList_; }
    // Not owned. Assigning a list always starts the button blue.
    void SetPicImageList(const TXImageButtonPicList* list);
    TButtonColor ButtonColor() const { return buttonColor_; }
    void SetButtonColor(TButtonColor color);

private:
    void ChangeColor(TButtonColor color);

    const TXImageButtonPicList* picImageList_ = nullptr;
    TButtonColor buttonColor_ = fBlue;
};

}  // namespace dusk
