#include "controls/XCheckBoxPicList.h"

namespace dusk {
namespace {

bool Known(TXCheckBoxStatus status) { return status >= csChecked && status <= csUnChecked; }

std::size_t Index(TXCheckBoxStatus status, CheckBoxLook look) {
    return std::size_t(status) * 4 + std::size_t(look);
}

}  // namespace

const Picture& TXCheckBoxPicList::Pic(TXCheckBoxStatus status, CheckBoxLook look) const {
    static const Picture kNone;
    return Known(status) ? pictures_[Index(status, look)] : kNone;
}

void TXCheckBoxPicList::SetPic(TXCheckBoxStatus status, CheckBoxLook look, const Picture& picture) {
    if (Known(status)) pictures_[Index(status, look)] = picture;
}

}  // namespace dusk
