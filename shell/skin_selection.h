#pragma once
#include <cstdint>
#include <functional>

#include "companion/companion.h"
#include "shell/skin.h"

namespace dusk {

// The desktop-background system colour, which the calendar gives the days outside the month.
constexpr Color kDesktopSystemColor = 0xFF000001;

// The menu palette slot of a button colour: Blue 4, Green 1, Black 5, Yellow 3, Red 2; any other
// value gives the Blue slot.
int MenuPaletteSlotFor(ButtonColor color);

// What a skin change recolours, one entry per part, called in the order they are listed. A part
// that is not wired (yet) is skipped.
struct SkinTargets {
    std::function<void(Color window)> mainWindowColor;
    // btnMin, btnMax, btnClose, btnRestore, the three function buttons, Start Task and Cancel
    // Task, in this order.
    std::function<void(ButtonColor button)> mainWindowButtons;
    // The title picture (an index into the box title pictures) and the outline of both boxes.
    std::function<void(int boxTitlePicture, Color boxOutline)> taskBoxes;
    std::function<void(int slot)> menuPaletteSlot;
    // Form colour, dialog button colour and inner panel colour.
    std::function<void(Color window, ButtonColor button, Color innerPanel)> countdownWindow;
    std::function<void(Color window, ButtonColor button, Color innerPanel)> noticeWindow;
    // Background and title background; then the colour of the days outside the month.
    std::function<void(Color background, Color trailingDays)> calendar;
    std::function<void()> repaintMainWindow;
};

// Chooses the skin: the skin buttons and the skin the companion library reports at start-up. The
// skin code is the process-wide one, which the frame painting reads.
class SkinSelector {
public:
    SkinSelector(std::uint8_t& skinCode, Companion& companion, SkinTargets targets);

    // A skin button: the skin already in force does nothing at all; any other code becomes the
    // skin code and is applied in full (codes outside 1 to 5 look Blue).
    void SelectSkin(std::uint8_t code);
    // Right after the companion library reported the skin code: a code of 1 to 5 is applied in
    // full; any other applies nothing, so the windows keep their design look until the user
    // picks a skin.
    void ApplyStartupSkin();

private:
    // Steps 1 to 3 and 5 take the arguments, the rest the row of the skin code.
    void ApplySkin(ButtonColor button, Color window);

    std::uint8_t& skinCode_;
    Companion& companion_;
    SkinTargets targets_;
};

}  // namespace dusk
