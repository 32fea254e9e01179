// The committed pictures against the picture table: files, sizes, alpha planes, the resource
// script, the slicing the frame painter and the button stretch rely on, and the icon file.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "resources/picture_names.h"

namespace dusk {
namespace {

const std::string kDir = DUSK_RESOURCES_DIR;

std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Decoded {
    int width = 0;
    int height = 0;
    int colorType = -1;               // from the header, as stored
    std::vector<std::uint32_t> rgba;  // one 0xRRGGBBAA per pixel

    std::uint32_t at(int x, int y) const { return rgba[static_cast<std::size_t>(y) * width + x]; }
};

std::string setFolder(const PictureSet& set) {
    return kDir + "/pictures/" + (set.folder.empty() ? "" : std::string(set.folder) + "/");
}

Decoded decode(std::string_view stem, const PictureSet& set = kPictureSets[0]) {
    const std::string path = setFolder(set) + std::string(stem) + ".png";
    Decoded d;
    const std::vector<unsigned char> bytes = readBytes(path);
    if (bytes.size() < 26) return d;
    d.colorType = bytes[25];  // IHDR: 8 signature bytes, 8 chunk bytes, 9 fields before it
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return d;
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return d;
    d.width = static_cast<int>(image.width);
    d.height = static_cast<int>(image.height);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        d.rgba.push_back(std::uint32_t(pixels[i]) << 24 | pixels[i + 1] << 16 | pixels[i + 2] << 8 |
                         pixels[i + 3]);
    }
    return d;
}

TEST(PicturesTest, EveryPictureOfEverySetDecodesWithItsSizeAndAlphaPlane) {
    for (const PictureSet& set : kPictureSets)
        for (const PictureInfo& info : kPictures) {
            SCOPED_TRACE(std::string(info.stem) + " at " + std::to_string(set.percent));
            const Decoded d = decode(info.stem, set);
            // Whole pixels: a half pixel is dropped.
            EXPECT_EQ(d.width, info.width * set.percent / 100);
            EXPECT_EQ(d.height, info.height * set.percent / 100);
            // 8-bit RGBA where the picture has an alpha plane, 8-bit RGB where it has none.
            EXPECT_EQ(d.colorType, info.hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB);
            // A blank picture means a family drew nothing.
            if (!d.rgba.empty()) {
                EXPECT_NE(std::count(d.rgba.begin(), d.rgba.end(), d.rgba.front()),
                          static_cast<std::ptrdiff_t>(d.rgba.size()));
            }
        }
}

TEST(PicturesTest, TableAndFolderHoldTheSameUniqueStems) {
    std::set<std::string> table;
    for (const PictureInfo& info : kPictures) {
        EXPECT_TRUE(table.emplace(info.stem).second) << "duplicate " << info.stem;
    }
    for (const PictureSet& set : kPictureSets) {
        std::set<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(setFolder(set))) {
            if (entry.is_regular_file()) files.insert(entry.path().stem().string());
        }
        EXPECT_EQ(files, table) << set.percent;
    }
}

TEST(PicturesTest, ResourceScriptEmbedsEveryPictureUnderItsUpperCaseStem) {
    std::ifstream in(kDir + "/pictures.rc");
    std::set<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.rfind("//", 0) != 0) lines.insert(line);
    }
    std::set<std::string> expected;
    for (const PictureSet& set : kPictureSets)
        for (const PictureInfo& info : kPictures) {
            std::string name(info.stem);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            const std::string folder = set.folder.empty() ? "" : std::string(set.folder) + "/";
            expected.insert(name + std::string(set.suffix) + " RCDATA \"pictures/" + folder +
                            std::string(info.stem) + ".png\"");
        }
    EXPECT_EQ(lines, expected);
}

// Every column in [first, last] of the rows [top, bottom) equals column `first`.
bool columnsUniform(const Decoded& d, int first, int last, int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = first + 1; x <= last; ++x) {
            if (d.at(x, y) != d.at(first, y)) return false;
        }
    }
    return true;
}

TEST(PicturesTest, FrameBitmapsStretchCleanly) {
    for (const char* stem : {"imgBKBlue", "imgBKGreen", "imgBKBlack", "imgBKYellow", "imgBKRed"}) {
        SCOPED_TRACE(stem);
        const Decoded d = decode(stem);
        ASSERT_EQ(d.width, 20);
        ASSERT_EQ(d.height, 20);
        EXPECT_TRUE(columnsUniform(d, 5, 9, 0, 15)) << "top edge source";
        EXPECT_TRUE(columnsUniform(d, 10, 14, 15, 20)) << "bottom edge source";
        for (int x : {0, 1, 2, 3, 4, 15, 16, 17, 18, 19}) {
            EXPECT_EQ(d.at(x, 15), d.at(x, 16)) << "side edge source, column " << x;
        }
    }
}

TEST(PicturesTest, StretchedButtonsAreUniformAcrossTheirMiddle) {
    // A 91-pixel picture keeps 22 columns on each side; everything between repeats column 22.
    for (const PictureInfo& info : kPictures) {
        const std::string_view stem = info.stem;
        if (!stem.starts_with("imgListOK_") && !stem.starts_with("XImageButtonPicList1_")) continue;
        SCOPED_TRACE(std::string(stem));
        const Decoded d = decode(stem);
        ASSERT_EQ(d.width, 91);
        EXPECT_TRUE(columnsUniform(d, 22, 91 - 22 - 1, 0, d.height));
    }
}

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

TEST(PicturesTest, IconFileHoldsThreeAlphaImages) {
    const std::vector<unsigned char> b = readBytes(kDir + "/icons/DuskRelay.ico");
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(le(b, 0, 2), 0u);
    EXPECT_EQ(le(b, 2, 2), 1u);
    ASSERT_EQ(le(b, 4, 2), 3u);
    const std::uint32_t sides[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t side = sides[i];
        SCOPED_TRACE(side);
        EXPECT_EQ(b.at(entry), side);
        EXPECT_EQ(b.at(entry + 1), side);
        EXPECT_EQ(le(b, entry + 6, 2), 32u);
        const std::uint32_t size = le(b, entry + 8, 4);
        const std::uint32_t offset = le(b, entry + 12, 4);
        ASSERT_LE(std::size_t(offset) + size, b.size());
        // BITMAPINFOHEADER: the height covers the colour image and the mask.
        EXPECT_EQ(le(b, offset, 4), 40u);
        EXPECT_EQ(le(b, offset + 4, 4), side);
        EXPECT_EQ(le(b, offset + 8, 4), 2 * side);
        const std::uint32_t maskStride = (side + 31) / 32 * 4;
        EXPECT_EQ(size, 40 + side * side * 4 + maskStride * side);
    }
}

}  // namespace
}  // namespace dusk
