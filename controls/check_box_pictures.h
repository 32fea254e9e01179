#pragma once
#include <array>

#include "controls/picture.h"

namespace dusk {

enum class CheckBoxStatus { Checked = 0, Grayed = 1, Unchecked = 2 };

// The mouse-down pictures are kept for the form but never drawn.
enum class CheckBoxLook { Normal, MouseOn, Disabled, MouseDown };

// Twelve check box pictures, one per status and look. Setting one copies it and does nothing
// else; check boxes take their picture at every paint.
class CheckBoxPictures {
public:
    // An unknown status reads as an empty picture and writes nothing.
    const Picture& Pic(CheckBoxStatus status, CheckBoxLook look) const;
    void SetPic(CheckBoxStatus status, CheckBoxLook look, const Picture& picture);

private:
    std::array<Picture, 12> pictures_;
};

}  // namespace dusk
