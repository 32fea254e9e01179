#pragma once
#include <windows.h>

#include <optional>

#include "controls/popup_menu_painter.h"

namespace dusk::win32 {

// The platform's menu font from its non-client metrics, in the system menu text colour;
// nothing when the metrics cannot be read.
std::optional<Font> ReadSystemMenuFont();

// The menu font (the default Font when it cannot be read) and whether the system locale is a
// Middle-Eastern one.
MenuEnvironment ReadMenuEnvironment();

}  // namespace dusk::win32
