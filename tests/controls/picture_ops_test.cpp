#include "controls/picture_ops.h"

#include <gtest/gtest.h>

#include <limits>

namespace dusk {
namespace {

// One row of 256 pixels whose every byte (colour and alpha) is the column, or `fill` throughout.
Picture Ramp(bool rising, std::uint8_t fill = 0) {
    Picture picture(256, 1, true);
    for (int x = 0; x < 256; ++x) {
        const auto v = std::uint8_t(rising ? x : fill);
        picture.SetColorAt(x, 0, Color(v) * 0x010101);
        picture.SetAlphaAt(x, 0, v);
    }
    return picture;
}

// Every quotient, over every byte and every opacity, against the plain truncating formula.
TEST(BlendPicturesTest, EachQuotientIsExactForEveryByteAndOpacity) {
    const Picture ramp = Ramp(true);
    const Picture zero = Ramp(false);
    for (int a = 0; a <= 255; ++a) {
        Picture fromOnly(256, 1, true), toOnly(256, 1, true);
        BlendPictures(ramp, zero, a, fromOnly);
        BlendPictures(zero, ramp, a, toOnly);
        for (int x = 0; x < 256; ++x) {
            ASSERT_EQ(fromOnly.Row(0)[3 * x + 1], x * (255 - a) / 255) << x << " at " << a;
            ASSERT_EQ(toOnly.Row(0)[3 * x + 2], x * a / 255) << x << " at " << a;
            ASSERT_EQ(fromOnly.AlphaAt(x, 0), x * (255 - a) / 255) << x << " at " << a;
            ASSERT_EQ(toOnly.AlphaAt(x, 0), x * a / 255) << x << " at " << a;
        }
    }
}

TEST(BlendPicturesTest, TruncatesTheTwoQuotientsSeparately) {
    struct Case {
        std::uint8_t from, to;
        int alpha;
        std::uint8_t expected;
    };
    // 128*127/255 = 63 and 128*128/255 = 64: 127, where one shared quotient would give 128.
    const Case cases[] = {{128, 128, 128, 127}, {254, 254, 100, 253}, {0, 255, 255, 255},
                          {200, 0, 0, 200},     {10, 20, -5, 10},     {10, 20, 999, 20}};
    for (const Case& c : cases) {
        Picture from(1, 1, true), to(1, 1, true), into(1, 1, true);
        from.SetColorAt(0, 0, Color(c.from) * 0x010101);
        to.SetColorAt(0, 0, Color(c.to) * 0x010101);
        from.SetAlphaAt(0, 0, c.from);
        to.SetAlphaAt(0, 0, c.to);
        BlendPictures(from, to, c.alpha, into);
        EXPECT_EQ(into.ColorAt(0, 0), Color(c.expected) * 0x010101)
            << int(c.from) << "/" << c.alpha;
        EXPECT_EQ(into.AlphaAt(0, 0), c.expected);
    }
}

TEST(BlendPicturesTest, WithoutAnAlphaPlaneOnlyTheColourIsBlended) {
    Picture from(2, 2, true), to(2, 2, false), into(2, 2, true);
    into.SetAlphaAt(1, 1, 33);
    to.SetColorAt(1, 1, 0xFFFFFF);
    BlendPictures(from, to, 255, into);
    EXPECT_EQ(into.ColorAt(1, 1), 0xFFFFFFu);
    EXPECT_EQ(into.AlphaAt(1, 1), 33);
}

TEST(BlendPicturesTest, CoversOnlyTheSharedAreaOfUnequalPictures) {
    Picture from(2, 1, false), to(3, 3, false), into(4, 2, false);
    to.SetColorAt(0, 0, 0xFFFFFF);
    to.SetColorAt(1, 0, 0xFFFFFF);
    into.SetColorAt(2, 0, 0x123456);
    into.SetColorAt(0, 1, 0x654321);
    BlendPictures(from, to, 255, into);
    EXPECT_EQ(into.ColorAt(0, 0), 0xFFFFFFu);
    EXPECT_EQ(into.ColorAt(1, 0), 0xFFFFFFu);
    EXPECT_EQ(into.ColorAt(2, 0), 0x123456u);
    EXPECT_EQ(into.ColorAt(0, 1), 0x654321u);
}

// Source column x carries x in its blue byte and its alpha.
Picture Columns(int width, int height, bool withAlpha) {
    Picture picture(width, height, withAlpha);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.SetColorAt(x, y, Color(x) << 16 | Color(y));
            picture.SetAlphaAt(x, y, std::uint8_t(x));
        }
    }
    return picture;
}

TEST(StretchPictureTest, ThreeSlicesAsOnAWideButton) {
    const Picture stretched = StretchPicture(Columns(91, 33, true), 135, 91 / 4);
    ASSERT_EQ(stretched.Width(), 135);
    ASSERT_EQ(stretched.Height(), 33);
    for (int y : {0, 32}) {
        for (int x = 0; x < 135; ++x) {
            const int source = x < 22 ? x : x <= 112 ? 22 : x - 44;
            ASSERT_EQ(stretched.ColorAt(x, y), Color(source) << 16 | Color(y)) << x;
            ASSERT_EQ(stretched.AlphaAt(x, y), source) << x;
        }
    }
}

TEST(StretchPictureTest, NarrowerAndDegenerateWidths) {
    struct Case {
        int sourceWidth, newWidth, margin;
        std::vector<int> sourceColumns;
    };
    const Case cases[] = {
        {91, 30, 22, {0,  1,  2,  3,  4,  5,  6,  7,  69, 70, 71, 72, 73, 74, 75,
                      76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90}},
        {3, 5, 0, {0, 0, 0, 0, 0}},  // margin 0: everything repeats column 0
        {8, 8, 2, {0, 1, 2, 2, 2, 2, 6, 7}},
        {91, 10, 22, {81, 82, 83, 84, 85, 86, 87, 88, 89, 90}},
        {4, 6, 9, {0, 0, 0, 1, 2, 3}},  // margin wider than the source: nearest columns
    };
    for (const Case& c : cases) {
        const Picture stretched =
            StretchPicture(Columns(c.sourceWidth, 2, false), c.newWidth, c.margin);
        ASSERT_EQ(stretched.Width(), c.newWidth);
        EXPECT_FALSE(stretched.HasAlpha());
        for (int x = 0; x < c.newWidth; ++x) {
            EXPECT_EQ(stretched.ColorAt(x, 1), Color(c.sourceColumns[x]) << 16 | 1u)
                << c.sourceWidth << "->" << c.newWidth << " column " << x;
        }
    }
}

// A 2 x 2 picture whose pixels are numbered 1 to 4, colour and alpha alike.
Picture Quarters() {
    Picture picture(2, 2, true);
    for (int i = 0; i < 4; ++i) {
        picture.SetColorAt(i % 2, i / 2, Color(i + 1));
        picture.SetAlphaAt(i % 2, i / 2, std::uint8_t(i + 1));
    }
    return picture;
}

TEST(ScalePictureTest, ReplicatesPixelsWithTheirAlphaInBothDirections) {
    const Picture scaled = ScalePicture(Quarters(), 5, 3);
    ASSERT_EQ(scaled.Width(), 5);
    ASSERT_EQ(scaled.Height(), 3);
    const int expected[3][5] = {{1, 1, 1, 2, 2}, {1, 1, 1, 2, 2}, {3, 3, 3, 4, 4}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(scaled.ColorAt(x, y), Color(expected[y][x])) << x << "," << y;
            EXPECT_EQ(scaled.AlphaAt(x, y), expected[y][x]) << x << "," << y;
        }
    }
    EXPECT_EQ(ScalePicture(Quarters(), 1, 1).ColorAt(0, 0), 1u);  // shrinking keeps the first
    EXPECT_TRUE(ScalePicture(Quarters(), 0, 3).Empty());
    EXPECT_TRUE(ScalePicture(Picture(), 4, 4).Empty());
}

TEST(FitPictureTest, ARoundingPixelIsRepeatedOrDroppedAndOtherSizesAreResampled) {
    const Picture source = Columns(3, 2, true);
    const Picture grown = FitPicture(source, 4, 3);
    ASSERT_EQ(grown.Width(), 4);
    ASSERT_EQ(grown.Height(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(grown.ColorAt(x, y), source.ColorAt(std::min(x, 2), std::min(y, 1)));
            EXPECT_EQ(grown.AlphaAt(x, y), std::min(x, 2));
        }
    }
    const Picture shrunk = FitPicture(source, 2, 2);
    EXPECT_EQ(shrunk.AlphaAt(1, 1), 1);
    EXPECT_EQ(shrunk.ColorAt(1, 0), source.ColorAt(1, 0));
    EXPECT_EQ(FitPicture(source, 6, 4), ResamplePicture(source, 6, 4));
    EXPECT_EQ(FitPicture(source, 3, 2), source);
}

TEST(CompositeOntoTest, BlendsColourByTheSourceAlphaAndKeepsTargetAlpha) {
    Picture target(3, 3, true);
    target.SetAlphaAt(1, 1, 40);
    Picture source(2, 2, true);
    source.SetColorAt(0, 0, 0xFFFFFF);  // opaque white
    source.SetColorAt(1, 0, 0xFFFFFF);
    source.SetAlphaAt(1, 0, 0);  // transparent
    source.SetColorAt(0, 1, 0xFF00FF);
    source.SetAlphaAt(0, 1, 128);  // half
    CompositeOnto(target, source, {1, 1});
    EXPECT_EQ(target.ColorAt(1, 1), 0xFFFFFFu);
    EXPECT_EQ(target.AlphaAt(1, 1), 40);
    EXPECT_EQ(target.ColorAt(2, 1), 0u);
    EXPECT_EQ(target.ColorAt(1, 2), 0x800080u);
    CompositeOnto(target, source, {2, -1});  // clipped on two sides
    EXPECT_EQ(target.ColorAt(2, 0), 0x800080u);
}

// Also positions so far off that naive edge arithmetic would overflow.
TEST(CompositeOntoTest, PositionsOffTheTargetChangeNothing) {
    Picture target(3, 3, true);
    target.SetColorAt(2, 2, 0x123456);
    const Picture before = target;
    const Picture source = Columns(2, 2, true);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const Point positions[] = {{3, 0},    {0, 3},     {-2, 0},      {0, -2},
                               {4, 2},    {-1000, 1}, {kMax, 0},    {kMin, 0},
                               {0, kMax}, {2, kMin},  {kMax, kMax}, {kMin, kMin}};
    for (const Point at : positions) {
        CompositeOnto(target, source, at);
        EXPECT_EQ(target, before) << at.x << ", " << at.y;
    }
}

}  // namespace
}  // namespace dusk
