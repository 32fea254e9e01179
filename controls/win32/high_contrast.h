#pragma once

namespace dusk::win32 {

// Whether Windows runs a high-contrast theme, in which the skinned controls draw themselves in
// the system's colours.
bool HighContrastOn();

}  // namespace dusk::win32
