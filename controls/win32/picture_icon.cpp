#include "controls/win32/picture_icon.h"

#include <cstdint>
#include <vector>

namespace dusk::win32 {

namespace {

// Below half opacity a pixel counts as transparent in the mask.
constexpr std::uint8_t kMaskThreshold = 128;

UniqueBitmap ColorBitmap(const Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return {};
    auto* pixel = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* row = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x, row += 3) {
            // Icons take straight alpha, not premultiplied.
            *pixel++ = std::uint32_t(picture.AlphaAt(x, y)) << 24 | std::uint32_t(row[2]) << 16 |
                       std::uint32_t(row[1]) << 8 | row[0];
        }
    }
    return bitmap;
}

// One bit per pixel, set where the pixel is transparent; rows padded to 16 bits.
UniqueBitmap MaskBitmap(const Picture& picture) {
    const int stride = (picture.Width() + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(std::size_t(stride) * std::size_t(picture.Height()), 0);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.AlphaAt(x, y) < kMaskThreshold) {
                bits[std::size_t(y * stride + x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            }
        }
    }
    return UniqueBitmap(::CreateBitmap(picture.Width(), picture.Height(), 1, 1, bits.data()));
}

}  // namespace

UniqueIcon IconFromPicture(const Picture& picture) {
    if (picture.Empty()) return {};
    const UniqueBitmap color = ColorBitmap(picture);
    const UniqueBitmap mask = MaskBitmap(picture);
    if (!color || !mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.Get();
    info.hbmColor = color.Get();
    // The icon keeps copies of both bitmaps.
    return UniqueIcon(::CreateIconIndirect(&info));
}

}  // namespace dusk::win32
