#include "controls/image_button_pictures.h"

namespace dusk {

const Picture& ImageButtonPictures::Pic(ButtonColor color, ButtonState state) const {
    return pictures_[Index(color, state)];
}

void ImageButtonPictures::SetPic(ButtonColor color, ButtonState state, const Picture& picture) {
    pictures_[Index(color, state)] = picture;
}

std::size_t ImageButtonPictures::Index(ButtonColor color, ButtonState state) {
    const std::size_t colorIndex =
        color <= ButtonColor::Red ? std::size_t(color) : std::size_t(ButtonColor::Blue);
    return colorIndex * 4 + std::size_t(state);
}

}  // namespace dusk
