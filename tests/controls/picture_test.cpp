#include "controls/picture.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <vector>

namespace dusk {
namespace {

// Encodes a width x height PNG in the given simplified format (R,G,B order as libpng writes).
// With a colour map the pixels are indices into it.
std::vector<std::uint8_t> EncodePng(int width, int height, png_uint_32 format,
                                    const std::vector<std::uint8_t>& pixels,
                                    const std::vector<std::uint8_t>& colorMap = {}) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = format;
    image.colormap_entries = png_uint_32(colorMap.size() / PNG_IMAGE_SAMPLE_CHANNELS(format));
    const void* map = colorMap.empty() ? nullptr : colorMap.data();
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, map));
    std::vector<std::uint8_t> bytes(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, map));
    bytes.resize(size);
    return bytes;
}

TEST(PictureTest, DecodesRgbWithoutAlphaPlaneInBgrOrder) {
    // 2 x 1: (R10,G20,B30) (R40,G50,B60)
    const auto png = EncodePng(2, 1, PNG_FORMAT_RGB, {10, 20, 30, 40, 50, 60});
    const auto picture = Picture::FromPng(png);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Height(), 1);
    EXPECT_FALSE(picture->HasAlpha());
    EXPECT_EQ(std::vector<std::uint8_t>(picture->Row(0), picture->Row(0) + 6),
              (std::vector<std::uint8_t>{30, 20, 10, 60, 50, 40}));
    EXPECT_EQ(picture->ColorAt(1, 0), 0x3C3228u);  // 0x00BBGGRR
    EXPECT_EQ(picture->AlphaAt(0, 0), 255);
}

TEST(PictureTest, DecodesRgbaIntoColourRowsAndAlphaPlane) {
    // 1 x 2: (1,2,3,a0) over (4,5,6,a200)
    const auto png = EncodePng(1, 2, PNG_FORMAT_RGBA, {1, 2, 3, 0, 4, 5, 6, 200});
    const auto picture = Picture::FromPng(png);
    ASSERT_TRUE(picture);
    ASSERT_TRUE(picture->HasAlpha());
    EXPECT_EQ(picture->AlphaRow(0)[0], 0);
    EXPECT_EQ(picture->AlphaRow(1)[0], 200);
    EXPECT_EQ(picture->Row(0)[0], 3);
    EXPECT_EQ(picture->Row(1)[2], 4);
}

TEST(PictureTest, ExpandsGreyToThreeEqualBytes) {
    const auto picture = Picture::FromPng(EncodePng(2, 1, PNG_FORMAT_GRAY, {0, 77}));
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->HasAlpha());
    EXPECT_EQ(picture->ColorAt(1, 0), 0x4D4D4Du);
}

TEST(PictureTest, ExpandsAPaletteWithTransparencyIntoColourAndAlpha) {
    const auto png =
        EncodePng(2, 1, PNG_FORMAT_RGBA_COLORMAP, {1, 0}, {255, 0, 0, 255, 0, 0, 255, 128});
    const auto picture = Picture::FromPng(png);
    ASSERT_TRUE(picture);
    ASSERT_TRUE(picture->HasAlpha());
    EXPECT_EQ(picture->ColorAt(0, 0), 0xFF0000u);  // blue in 0x00BBGGRR
    EXPECT_EQ(picture->AlphaAt(0, 0), 128);
    EXPECT_EQ(picture->ColorAt(1, 0), 0x0000FFu);
    EXPECT_EQ(picture->AlphaAt(1, 0), 255);
}

TEST(PictureTest, MalformedInputGivesNothing) {
    auto good = EncodePng(4, 4, PNG_FORMAT_RGBA, std::vector<std::uint8_t>(64, 9));
    auto truncated = std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2);
    auto corrupted = good;
    for (std::size_t i = 40; i < corrupted.size() - 12; ++i) corrupted[i] ^= 0x5A;
    auto hugeHeader = good;  // IHDR claims 9000 x 9000, with a valid checksum
    hugeHeader[18] = hugeHeader[22] = 0x23;
    hugeHeader[19] = hugeHeader[23] = 0x28;
    const uLong crc = crc32(0, &hugeHeader[12], 17);
    for (int i = 0; i < 4; ++i) hugeHeader[29 + i] = std::uint8_t(crc >> (24 - 8 * i));
    const std::vector<std::vector<std::uint8_t>> inputs = {
        {},         {0x89, 'P', 'N', 'G'},
        truncated,  corrupted,
        hugeHeader, std::vector<std::uint8_t>(100, 0)};
    for (const auto& input : inputs) {
        EXPECT_FALSE(Picture::FromPng(input)) << "input of " << input.size() << " bytes";
    }
}

// The shape read from the header alone is the decoded picture's; a header FromPng refuses gives
// none.
TEST(PictureTest, ShapeOfPngMatchesTheDecodedPicture) {
    const std::vector<std::uint8_t> inputs[] = {
        EncodePng(3, 2, PNG_FORMAT_RGB, std::vector<std::uint8_t>(18, 1)),
        EncodePng(1, 4, PNG_FORMAT_RGBA, std::vector<std::uint8_t>(16, 2)),
        EncodePng(2, 1, PNG_FORMAT_GRAY, {0, 77}),
        EncodePng(2, 1, PNG_FORMAT_RGBA_COLORMAP, {1, 0}, {255, 0, 0, 255, 0, 0, 255, 128}),
        EncodePng(2, 1, PNG_FORMAT_RGB_COLORMAP, {1, 0}, {255, 0, 0, 0, 0, 255})};
    for (const auto& input : inputs) {
        const auto shape = Picture::ShapeOfPng(input);
        const auto picture = Picture::FromPng(input);
        ASSERT_TRUE(shape && picture);
        EXPECT_EQ(shape->width, picture->Width());
        EXPECT_EQ(shape->height, picture->Height());
        EXPECT_EQ(shape->hasAlpha, picture->HasAlpha());
    }
    EXPECT_FALSE(Picture::ShapeOfPng({}));
    EXPECT_FALSE(Picture::ShapeOfPng(std::vector<std::uint8_t>(100, 0)));
}

TEST(PictureTest, CopiesSharePixelsUntilOneIsWritten) {
    Picture original(2, 1, true);
    original.SetColorAt(0, 0, 0x123456);
    Picture copy = original;
    EXPECT_TRUE(copy.SharesPixelsWith(original));

    copy.SetAlphaAt(1, 0, 7);
    copy.Row(0)[3] = 9;
    EXPECT_FALSE(copy.SharesPixelsWith(original));
    EXPECT_EQ(original.AlphaAt(1, 0), 255);
    EXPECT_EQ(original.Row(0)[3], 0);
    EXPECT_EQ(copy.ColorAt(0, 0), Color(0x123456));
    EXPECT_NE(copy, original);
    copy.SetAlphaAt(1, 0, 255);
    copy.Row(0)[3] = 0;
    EXPECT_EQ(copy, original);  // equal by content, though no longer shared
}

TEST(PictureTest, ResizeKeepsTopLeftAndFillsOpaqueBlack) {
    Picture picture(2, 2, true);
    picture.SetColorAt(1, 1, 0x112233);
    picture.SetAlphaAt(1, 1, 7);
    picture.Resize(3, 1);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 1);
    EXPECT_EQ(picture.AlphaAt(2, 0), 255);
    EXPECT_EQ(picture.ColorAt(2, 0), 0u);
    picture.Resize(0, 5);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Height(), 0);
}

}  // namespace
}  // namespace dusk
