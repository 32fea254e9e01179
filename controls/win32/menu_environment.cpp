#include "controls/win32/menu_environment.h"

#include <cstddef>
#include <cstdlib>

namespace dusk::win32 {

namespace {
constexpr Color kSystemMenuText = 0xFF000000u | COLOR_MENUTEXT;
// The structure without its last member, the size every system version accepts.
constexpr UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
static_assert(kNonClientMetricsSize == 500);
}  // namespace

std::optional<Font> ReadSystemMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
        return std::nullopt;
    }
    const LOGFONTW& menu = metrics.lfMenuFont;
    Font font;
    font.face = menu.lfFaceName;
    // A positive height is the cell height; the character height is close enough for a menu.
    font.height = std::abs(menu.lfHeight);
    font.bold = menu.lfWeight >= FW_BOLD;
    font.charset = menu.lfCharSet;
    font.color = kSystemMenuText;
    return font;
}

MenuEnvironment ReadMenuEnvironment() {
    MenuEnvironment environment;
    if (const std::optional<Font> font = ReadSystemMenuFont()) environment.menuFont = *font;
    environment.middleEasternLocale = ::GetSystemMetrics(SM_MIDEASTENABLED) != 0;
    return environment;
}

}  // namespace dusk::win32
