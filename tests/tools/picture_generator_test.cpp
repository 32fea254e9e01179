// The picture generator's raster library, file writers and picture checks.
#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/picture_generator/families.h"
#include "tools/picture_generator/ico_writer.h"
#include "tools/picture_generator/png_io.h"
#include "tools/picture_generator/raster.h"

namespace dusk::pictures {
namespace {

namespace fs = std::filesystem;

// A fresh directory per test; test cases may run in parallel processes.
class TempDir {
public:
    TempDir() {
        std::string name = (fs::temp_directory_path() / "pictures_test_XXXXXX").string();
        if (!mkdtemp(name.data())) throw std::runtime_error("mkdtemp failed");
        path_ = name;
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }

private:
    fs::path path_;
};

std::vector<unsigned char> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ShapesTest, SignedDistancesOfKnownPoints) {
    struct Case {
        const char* what;
        Shape shape;
        Point p;
        double distance;
    };
    const Case cases[] = {
        {"circle centre", circle({5, 5}, 3), {5, 5}, -3},
        {"circle outside", circle({5, 5}, 3), {10, 5}, 2},
        {"rect edge", rect({0, 0, 10, 4}), {5, 0}, 0},
        {"rect inside", rect({0, 0, 10, 4}), {5, 1}, -1},
        {"rounded corner", roundRect({0, 0, 10, 10}, 4), {0, 0}, std::sqrt(32.0) - 4},
        {"square corner of mixed radii", roundRect({0, 0, 10, 10}, Radii{4, 0, 0, 0}), {10, 10}, 0},
        {"capsule end", capsule({0, 0}, {10, 0}, 1), {12, 0}, 1},
        {"polygon inside", polygon({{0, 0}, {10, 0}, {0, 10}}), {2, 2}, -2},
        {"polygon outside", polygon({{0, 0}, {10, 0}, {0, 10}}), {-3, 5}, 3},
        {"subtract hole", subtract(circle({0, 0}, 5), circle({0, 0}, 2)), {0, 0}, 2},
        {"arc gap at the top",
         arc({0, 0}, 5, 1, -std::numbers::pi / 2, std::numbers::pi / 2),
         {0, -5},
         std::hypot(5 * std::sin(std::numbers::pi / 4), 5 - 5 * std::cos(std::numbers::pi / 4)) -
             1},
        {"arc bottom", arc({0, 0}, 5, 1, -std::numbers::pi / 2, std::numbers::pi / 2), {0, 5}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.shape(c.p), c.distance, 1e-9) << c.what;
    }
}

TEST(RasterTest, WholePixelRectanglesAreCrisp) {
    Image image(6, 6);
    fill(image, rect({1, 2, 4, 5}), kWhite);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 2 && y < 5;
            EXPECT_EQ(image.at(x, y).a, inside ? 1.0 : 0.0) << x << "," << y;
        }
    }
}

// The larger sets are the same drawing at a higher density: a shape's edges, an offset composite
// and a blur land where the 1x drawing puts them, scaled; the scale ends with its scope.
TEST(RasterTest, DrawingScaleDrawsTheSameShapesAtAHigherDensity) {
    const auto draw = [] {
        Image part(2, 2);
        fill(part, rect({0, 0, 2, 2}), kWhite);
        Image image(8, 6);
        fill(image, rect({1, 1, 3, 4}), kWhite);
        composite(image, part, 5, 2);
        return image;
    };
    const Image one = draw();
    for (const double scale : {1.5, 2.0}) {
        SCOPED_TRACE(scale);
        Image big = [&] {
            const DrawingScale density(scale);
            return draw();
        }();
        EXPECT_EQ(big.width(), int(8 * scale));
        EXPECT_EQ(big.designWidth(), 8);
        for (int y = 0; y < big.height(); ++y) {
            for (int x = 0; x < big.width(); ++x) {
                // A pixel wholly inside one design pixel has that pixel's coverage.
                const double left = x / scale, right = (x + 1) / scale;
                const double top = y / scale, bottom = (y + 1) / scale;
                if (std::floor(left) != std::ceil(right) - 1) continue;
                if (std::floor(top) != std::ceil(bottom) - 1) continue;
                EXPECT_NEAR(big.at(x, y).a, one.at(int(left), int(top)).a, 1e-9) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(Image(8, 6).width(), 8);
}

TEST(RasterTest, SourceOverKeepsStraightColour) {
    Image image(2, 1, withAlpha(kBlack, 0));
    image.at(1, 0) = kBlack;
    const Color red{1, 0, 0, 1};
    image.blend(0, 0, red, 0.5);  // onto nothing: the colour stays pure, only alpha is partial
    image.blend(1, 0, red, 0.5);  // onto opaque black: half way
    EXPECT_DOUBLE_EQ(image.at(0, 0).r, 1);
    EXPECT_DOUBLE_EQ(image.at(0, 0).a, 0.5);
    EXPECT_DOUBLE_EQ(image.at(1, 0).r, 0.5);
    EXPECT_DOUBLE_EQ(image.at(1, 0).a, 1);
}

TEST(PngTest, RoundTripKeepsColourTypeAndPixels) {
    TempDir dir;
    Image image(3, 2, Color{0.2, 0.4, 0.6, 1});
    image.at(2, 1) = {1, 0, 0, 0.5};
    for (bool alpha : {true, false}) {
        if (!alpha) image.at(2, 1).a = 1;
        const std::string path = dir.file(alpha ? "a.png" : "b.png");
        writePng(path, image, alpha);
        EXPECT_EQ(bytesOf(path).at(25), alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB);
        bool hasAlpha = !alpha;
        const Image back = readPng(path, &hasAlpha);
        EXPECT_EQ(hasAlpha, alpha);
        ASSERT_EQ(back.width(), 3);
        ASSERT_EQ(back.height(), 2);
        EXPECT_EQ(toByte(back.at(0, 0).g), toByte(0.4));
        EXPECT_EQ(toByte(back.at(2, 1).a), alpha ? 128 : 255);
    }
}

TEST(PngTest, OpaquePictureWithATransparentPixelIsRefused) {
    TempDir dir;
    Image image(2, 2, kWhite);
    image.at(1, 1).a = 0.9;
    EXPECT_THROW(writePng(dir.file("x.png"), image, false), std::runtime_error);
}

TEST(IcoTest, StoresBottomUpBgraAndMasksTransparentPixels) {
    TempDir dir;
    Image image(2, 2, kClear);
    image.at(0, 0) = {1, 0, 0, 1};    // top left: red, opaque
    image.at(1, 1) = {0, 0, 1, 0.5};  // bottom right: blue, half transparent
    writeIco(dir.file("x.ico"), {image});
    const std::vector<unsigned char> b = bytesOf(dir.file("x.ico"));
    const std::size_t dib = 6 + 16;
    ASSERT_EQ(b.size(), dib + 40 + 2 * 2 * 4 + 2 * 4);
    const std::size_t pixels = dib + 40;
    // Row order is bottom-up: the bottom row comes first.
    const std::vector<unsigned char> bottomRight(b.begin() + pixels + 4, b.begin() + pixels + 8);
    EXPECT_EQ(bottomRight, (std::vector<unsigned char>{255, 0, 0, 128}));
    const std::vector<unsigned char> topLeft(b.begin() + pixels + 8, b.begin() + pixels + 12);
    EXPECT_EQ(topLeft, (std::vector<unsigned char>{0, 0, 255, 255}));
    const std::size_t mask = pixels + 16;
    EXPECT_EQ(b[mask], 0x80 | 0x3F);      // bottom row: left clear, right drawn, padding clear
    EXPECT_EQ(b[mask + 4], 0x40 | 0x3F);  // top row: left drawn, right clear
}

TEST(PictureSinkTest, RefusesPicturesThatDoNotMatchTheTable) {
    TempDir dir;
    PictureSink sink(dir.str());
    EXPECT_THROW(sink.add("noSuchPicture", Image(1, 1, kWhite)), std::runtime_error);
    EXPECT_THROW(sink.add("imgBKBlue", Image(21, 20, kWhite)), std::runtime_error);
    sink.add("imgBKBlue", Image(20, 20, kWhite));
    EXPECT_THROW(sink.add("imgBKBlue", Image(20, 20, kWhite)), std::runtime_error);
    EXPECT_THROW(sink.checkComplete(), std::runtime_error);
}

TEST(PictureSinkTest, DrawingIsRepeatableByteForByte) {
    TempDir first;
    TempDir second;
    for (const TempDir* dir : {&first, &second}) {
        PictureSink sink(dir->str());
        drawFrames(sink);
        drawCountdown(sink);
    }
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(first.str())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(bytesOf(entry.path().string()), bytesOf(second.file(name))) << name;
        ++compared;
    }
    EXPECT_EQ(compared, 10 + 13);
}

}  // namespace
}  // namespace dusk::pictures
