#pragma once
#include "base/geometry.h"

namespace dusk {

// Colours that stand for the system's (0xFF0000nn is system colour nn), in which the skinned
// controls draw themselves while Windows runs a high-contrast theme.
constexpr Color SystemColor(int index) { return 0xFF000000u | Color(index); }
inline constexpr Color kSystemWindow = SystemColor(5);       // COLOR_WINDOW
inline constexpr Color kSystemWindowText = SystemColor(8);   // COLOR_WINDOWTEXT
inline constexpr Color kSystemHighlight = SystemColor(13);   // COLOR_HIGHLIGHT
inline constexpr Color kSystemButtonFace = SystemColor(15);  // COLOR_BTNFACE
inline constexpr Color kSystemGrayText = SystemColor(17);    // COLOR_GRAYTEXT
inline constexpr Color kSystemButtonText = SystemColor(18);  // COLOR_BTNTEXT

}  // namespace dusk
