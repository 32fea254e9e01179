#pragma once
#include <windows.h>

#include "base/win32/unique_handle.h"
#include "controls/picture.h"

namespace dusk::win32 {

// An icon of the picture's size: a 32-bit colour bitmap with the picture's alpha (opaque without
// an alpha plane) and a mask made from the alpha, for systems that draw icons without it. Empty
// for an empty picture or when the system refuses.
UniqueIcon IconFromPicture(const Picture& picture);

}  // namespace dusk::win32
