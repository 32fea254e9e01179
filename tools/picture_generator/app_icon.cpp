// The application icon at 16, 32 and 48 pixels; the 16-pixel artwork also as a picture.
#include <vector>

#include "emblem.h"
#include "families.h"
#include "ico_writer.h"

namespace dusk::pictures {
namespace {

Image iconArt(int size) {
    Image image(size, size, withAlpha(fromRgb(0x5B3C8C), 0));
    const double c = size / 2.0;
    drawEmblem(image, {c, c}, c - (size >= 32 ? 1.0 : 0.5), {.moon = size >= 32});
    return image;
}

}  // namespace

void drawAppIcon(PictureSink& sink, const std::string& iconPath) {
    const std::vector<Image> sizes{iconArt(16), iconArt(32), iconArt(48)};
    if (!iconPath.empty()) writeIco(iconPath, sizes);
    sink.add("app_icon_16", sizes.front());
}

}  // namespace dusk::pictures
