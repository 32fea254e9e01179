#pragma once
#include <array>
#include <cstdint>

#include "controls/picture.h"

namespace dusk {

// The skin code minus one.
enum class ButtonColor : std::uint8_t { Blue = 0, Green = 1, Black = 2, Yellow = 3, Red = 4 };

enum class ButtonState { Normal, MouseOn, MouseDown, Disabled };

// Twenty button pictures: the four states of each of the five colours. Setting one copies it and
// does nothing else; buttons take the pictures at their next colour change.
class ImageButtonPictures {
public:
    // A colour outside the five reads and writes the blue pictures.
    const Picture& Pic(ButtonColor color, ButtonState state) const;
    void SetPic(ButtonColor color, ButtonState state, const Picture& picture);

private:
    static std::size_t Index(ButtonColor color, ButtonState state);

    std::array<Picture, 20> pictures_;
};

}  // namespace dusk
