#pragma once
#include <array>
#include <cstdint>
#include <utility>

#include "base/geometry.h"
#include "controls/image_button_pictures.h"
#include "controls/picture.h"

namespace dusk {

// Everything a skin decides. The skin code is 1 Blue, 2 Green, 3 Black, 4 Yellow, 5 Red; any
// other code looks Blue. The button colour also selects the skin's frame and corner pictures.
struct Skin {
    ButtonColor button;
    Color window;         // form colour of the three visible windows
    int menuPaletteSlot;  // palette of the notification-area menu
    int boxTitlePicture;  // index of the task page's box title picture
    Color boxOutline;     // outline of the task page's two boxes
    Color innerPanel;     // inner panel of the countdown and notice windows
    Color calendar;       // background and title of the date picker's calendar
};

const Skin& SkinFor(std::uint8_t skinCode);

// While Windows runs a high-contrast theme the skins give way to the system's colours: every
// skin's colours become references to system colours (0xFF0000nn, colour index nn), its
// pictures and menu palette stay.
void SetSystemColorsInForce(bool inForce);
bool SystemColorsInForce();

// One picture per skin, chosen by the skin's button colour. With a source, the picture of the
// colour read last is held alone (slot 0 of each colour).
struct SkinPictures {
    mutable std::array<Picture, 5> byColor;
    mutable ColorPictureSource source;

    const Picture& For(ButtonColor color) const {
        if (source) source.Hold(byColor, 1, ButtonColor(Index(color)));
        return byColor[Index(color)];
    }
    Picture& For(ButtonColor color) {
        return const_cast<Picture&>(std::as_const(*this).For(color));
    }
    const Picture& For(std::uint8_t skinCode) const { return For(SkinFor(skinCode).button); }

private:
    static std::size_t Index(ButtonColor color) {
        const auto index = static_cast<std::size_t>(color);
        return index < 5 ? index : 0;
    }
};

}  // namespace dusk
