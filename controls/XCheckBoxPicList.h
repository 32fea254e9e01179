#pragma once
#include <array>

#include "controls/picture.h"

namespace dusk {

enum TXCheckBoxStatus { csChecked = 0, csGrayed = 1, csUnChecked = 2 };

// The mouse-down pictures are kept for the form but never drawn.
enum class CheckBoxLook { Normal, MouseOn, Disabled, MouseDown };

// Twelve check box pictures, one per status and look. Setting one copies it and does nothing
// else; check boxes take their picture at every paint.
class TXCheckBoxPicList {
public:
    // An unknown status reads as an empty picture and writes nothing.
    const Picture& Pic(TXCheckBoxStatus status, CheckBoxLook look) const;
    void SetPic(TXCheckBoxStatus status, CheckBoxLook look, const Picture& picture);

private:
    std::array<Picture, 12> pictures_;
};

}  // namespace dusk
