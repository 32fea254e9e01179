#pragma once
#include <array>
#include <cstdint>

#include "controls/picture.h"

namespace dusk {

// The skin code minus one.
enum TButtonColor : std::uint8_t { fBlue = 0, fGreen = 1, fBlack = 2, fYellow = 3, fRed = 4 };

enum class ButtonState { Normal, MouseOn, MouseDown, Disabled };

// Twenty button pictures: the four states of each of the five colours. Setting one copies it and
// does nothing else; buttons take the pictures at their next colour change.
class TXImageButtonPicList {
public:
    // A colour outside the five reads and writes the blue pictures.
    const Picture& Pic(TButtonColor color, ButtonState state) const;
    void SetPic(TButtonColor color, ButtonState state, const Picture& picture);

private:
    static std::size_t Index(TButtonColor color, ButtonState state);

    std::array<Picture, 20> pictures_;
};

}  // namespace dusk
