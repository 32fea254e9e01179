#include "controls/check_box_pictures.h"

namespace dusk {
namespace {

bool Known(CheckBoxStatus status) {
    return status >= CheckBoxStatus::Checked && status <= CheckBoxStatus::Unchecked;
}

std::size_t Index(CheckBoxStatus status, CheckBoxLook look) {
    return std::size_t(status) * 4 + std::size_t(look);
}

}  // namespace

const Picture& CheckBoxPictures::Pic(CheckBoxStatus status, CheckBoxLook look) const {
    static const Picture kNone;
    return Known(status) ? pictures_[Index(status, look)] : kNone;
}

void CheckBoxPictures::SetPic(CheckBoxStatus status, CheckBoxLook look, const Picture& picture) {
    if (Known(status)) pictures_[Index(status, look)] = picture;
}

}  // namespace dusk
