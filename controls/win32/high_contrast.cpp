#include "controls/win32/high_contrast.h"

#include <windows.h>

namespace dusk::win32 {

bool HighContrastOn() {
    HIGHCONTRASTW contrast{sizeof contrast, 0, nullptr};
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace dusk::win32
