#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "controls/picture.h"

namespace dusk {

// The skin code minus one.
enum class ButtonColor : std::uint8_t { Blue = 0, Green = 1, Black = 2, Yellow = 3, Red = 4 };

enum class ButtonState { Normal, MouseOn, MouseDown, Disabled };

// Where a picture list that holds one colour at a time gets its pictures: decoded at the first
// read of a colour, while the colour read before is let go (copies that controls keep stay
// valid), so a list costs the memory of the colour in force only.
class ColorPictureSource {
public:
    // The picture of a colour's slot; empty where there is none.
    using Decode = std::function<Picture(ButtonColor color, std::size_t slot)>;

    ColorPictureSource() = default;
    explicit ColorPictureSource(Decode decode) : decode_(std::move(decode)) {}
    explicit operator bool() const { return bool(decode_); }

    // Makes `slots`, colour after colour with `perColor` slots each, hold `color` alone.
    void Hold(std::span<Picture> slots, std::size_t perColor, ButtonColor color);

private:
    Decode decode_;
    std::optional<ButtonColor> held_;
};

// Twenty button pictures: the four states of each of the five colours. Setting one copies it and
// does nothing else; buttons take the pictures at their next colour change.
class ImageButtonPictures {
public:
    // A colour outside the five reads and writes the blue pictures.
    const Picture& Pic(ButtonColor color, ButtonState state) const;
    // For a list without a source.
    void SetPic(ButtonColor color, ButtonState state, const Picture& picture);
    // From now on the pictures come from `source`, one colour at a time (slot = state).
    void SetSource(ColorPictureSource source);

private:
    static std::size_t Index(ButtonColor color, ButtonState state);

    mutable std::array<Picture, 20> pictures_;
    mutable ColorPictureSource source_;
};

}  // namespace dusk
