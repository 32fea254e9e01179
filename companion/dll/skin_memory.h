#pragma once
#include <cstdint>

namespace dusk::vimbly {

// The skin last shown is remembered per user, in the companion's own key
// HKEY_CURRENT_USER\Software\Tolvane\Vimbly, value "Skin" (the ButtonColor, 0 to 4).

// The skin code to start with: the remembered colour + 1, or 1 (Blue) when nothing usable is
// remembered (missing, not an integer, or out of range).
std::uint8_t RememberedSkinCode();

void RememberSkin(std::uint8_t buttonColor);

}  // namespace dusk::vimbly
