#include "controls/image_button_pictures.h"

namespace dusk {

void ColorPictureSource::Hold(std::span<Picture> slots, std::size_t perColor, ButtonColor color) {
    if (held_ == color) return;
    for (Picture& picture : slots) picture.Clear();
    const std::size_t first = std::size_t(color) * perColor;
    for (std::size_t slot = 0; slot < perColor && first + slot < slots.size(); ++slot) {
        slots[first + slot] = decode_(color, slot);
    }
    held_ = color;
}

const Picture& ImageButtonPictures::Pic(ButtonColor color, ButtonState state) const {
    const std::size_t index = Index(color, state);
    if (source_) source_.Hold(pictures_, 4, ButtonColor(index / 4));
    return pictures_[index];
}

void ImageButtonPictures::SetPic(ButtonColor color, ButtonState state, const Picture& picture) {
    pictures_[Index(color, state)] = picture;
}

void ImageButtonPictures::SetSource(ColorPictureSource source) {
    source_ = std::move(source);
    for (Picture& picture : pictures_) picture.Clear();
}

std::size_t ImageButtonPictures::Index(ButtonColor color, ButtonState state) {
    const std::size_t colorIndex =
        color <= ButtonColor::Red ? std::size_t(color) : std::size_t(ButtonColor::Blue);
    return colorIndex * 4 + std::size_t(state);
}

}  // namespace dusk
