#include "controls/XImageButtonPicList.h"

namespace dusk {

const Picture& TXImageButtonPicList::Pic(TButtonColor color, ButtonState state) const {
    return pictures_[Index(color, state)];
}

void TXImageButtonPicList::SetPic(TButtonColor color, ButtonState state, const Picture& picture) {
    pictures_[Index(color, state)] = picture;
}

std::size_t TXImageButtonPicList::Index(TButtonColor color, ButtonState state) {
    const std::size_t colorIndex = color <= fRed ? std::size_t(color) : std::size_t(fBlue);
    return colorIndex * 4 + std::size_t(state);
}

}  // namespace dusk
