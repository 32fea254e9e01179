// The GDI canvas and text against real GDI: where pixels land, how pictures blend, how big
// text is.
#include "controls/win32/gdi_canvas.h"

#include <gtest/gtest.h>

#include "controls/test_pictures.h"
#include "controls/win32/dib_surface.h"
#include "gui_test_support.h"

namespace dusk::win32 {
namespace {

using test::CountDiffering;
using test::NearlyEqual;
using test::Solid;

constexpr Color kBackground = 0x204080;

struct Surface {
    DibSurface dib;
    GdiCanvas canvas;
    Surface(int width, int height) : dib(width, height), canvas(dib.Dc()) {
        canvas.FillRectangle({0, 0, width, height}, kBackground);
    }
    Picture Pixels() const { return dib.ToPicture(); }
};

// The rows and columns that hold ink of a colour other than the background.
Rect InkBounds(const Picture& picture, Color background) {
    Rect ink{picture.Width(), picture.Height(), 0, 0};
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (NearlyEqual(picture.ColorAt(x, y), background, 40)) continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                   std::max(ink.bottom, y + 1)};
        }
    }
    return ink;
}

TEST(GdiCanvas, FontHeightIsTheCharacterHeightInPixels) {
    // Tahoma's capitals are about 0.73 of the character height; a cell-height font would come
    // out a fifth smaller.
    const struct { int pixels, capMin, capMax; } cases[] = {{11, 7, 9}, {12, 8, 10}, {24, 16, 19}};
    for (const auto& c : cases) {
        Surface surface(80, 60);
        const Font font{L"Tahoma", c.pixels, true, 0xFFFFFF};
        surface.canvas.DrawTextLine(L"H", font, {10, 10});
        const Rect ink = InkBounds(surface.Pixels(), kBackground);
        EXPECT_GE(ink.Height(), c.capMin) << c.pixels;
        EXPECT_LE(ink.Height(), c.capMax) << c.pixels;
        const Size measured = surface.canvas.MeasureText(L"H", font);
        EXPECT_GE(measured.height, c.pixels) << c.pixels;
        EXPECT_LE(measured.height, c.pixels * 3 / 2) << c.pixels;
    }
}

TEST(GdiCanvas, MeasuresOneLineAsItIsDrawn) {
    Surface surface(300, 40);
    const Font font{L"Tahoma", 12, true, 0xFFFFFF};
    const std::wstring text = L"Cancel Task";
    surface.canvas.DrawTextLine(text, font, {5, 5});
    const Rect ink = InkBounds(surface.Pixels(), kBackground);
    const Size measured = surface.canvas.MeasureText(text, font);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 5 + measured.width + 1);
    EXPECT_GT(ink.Width(), measured.width * 3 / 4);
    EXPECT_LE(ink.bottom, 5 + measured.height);
    EXPECT_GT(surface.canvas.MeasureText(L"Cancel Task!", font).width, measured.width);
    EXPECT_GT(surface.canvas.MeasureText(text, {L"Tahoma", 24, true, 0}).width, measured.width);
}

TEST(GdiCanvas, PicturesBlendByTheirStraightAlpha) {
    // One column per opacity, over the background.
    const int alphas[] = {0, 64, 128, 200, 255};
    Picture picture(5, 3, true);
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 3; ++y) {
            picture.SetColorAt(x, y, 0x10E0F0);
            picture.SetAlphaAt(x, y, std::uint8_t(alphas[x]));
        }
    }
    Surface surface(20, 10);
    surface.canvas.DrawPicture(picture, {4, 2});
    const Picture pixels = surface.Pixels();
    for (int x = 0; x < 5; ++x) {
        const int a = alphas[x];
        auto mix = [a](int top, int below) { return (top * a + below * (255 - a)) / 255; };
        const Color expected =
            Color(mix(0xF0, 0x80)) | Color(mix(0xE0, 0x40)) << 8 | Color(mix(0x10, 0x20)) << 16;
        EXPECT_TRUE(NearlyEqual(pixels.ColorAt(4 + x, 3), expected, 2))
            << "alpha " << a << ": " << std::hex << pixels.ColorAt(4 + x, 3);
    }
    EXPECT_EQ(pixels.ColorAt(3, 3), kBackground);
    EXPECT_EQ(pixels.ColorAt(9, 3), kBackground);
    EXPECT_EQ(pixels.ColorAt(6, 5), kBackground);
}

TEST(GdiCanvas, PicturesWithoutAlphaAreCopied) {
    Surface surface(20, 10);
    surface.canvas.DrawPicture(Solid(3, 2, 0x123456, -1), {1, 1});
    const Picture pixels = surface.Pixels();
    EXPECT_EQ(CountDiffering(pixels, {1, 1, 4, 3}, 0x123456, 0), 0);
    EXPECT_EQ(CountDiffering(pixels, {4, 0, 20, 10}, kBackground, 0), 0);
}

TEST(GdiCanvas, StretchCopyRepeatsTheSourcePixels) {
    // Source columns 0 and 1 differ; a 1 x 2 slice of column 1 stretched to 6 x 4.
    Picture source(3, 2, false);
    for (int y = 0; y < 2; ++y) {
        source.SetColorAt(0, y, 0x0000FF);
        source.SetColorAt(1, y, y == 0 ? 0x00FF00 : 0xFF0000);
        source.SetColorAt(2, y, 0xFFFFFF);
    }
    Surface surface(12, 8);
    surface.canvas.StretchCopy(source, {1, 0, 2, 2}, {2, 1, 8, 5});
    const Picture pixels = surface.Pixels();
    EXPECT_EQ(CountDiffering(pixels, {2, 1, 8, 3}, 0x00FF00, 0), 0);
    EXPECT_EQ(CountDiffering(pixels, {2, 3, 8, 5}, 0xFF0000, 0), 0);
    EXPECT_EQ(pixels.ColorAt(1, 1), kBackground);
    EXPECT_EQ(pixels.ColorAt(8, 1), kBackground);
    EXPECT_EQ(pixels.ColorAt(2, 5), kBackground);
}

TEST(GdiCanvas, OriginAndClipHoldUntilRestored) {
    Surface surface(20, 20);
    surface.canvas.SaveState();
    surface.canvas.MoveOrigin(5, 6);
    surface.canvas.ClipTo({0, 0, 4, 4});
    surface.canvas.FillRectangle({-5, -5, 10, 10}, 0xFFFFFF);  // clipped to (5,6)-(9,10)
    surface.canvas.RestoreState();
    surface.canvas.FillRectangle({0, 0, 2, 2}, 0x00FF00);  // back at the real origin
    const Picture pixels = surface.Pixels();
    EXPECT_EQ(CountDiffering(pixels, {5, 6, 9, 10}, 0xFFFFFF, 0), 0);
    EXPECT_EQ(pixels.ColorAt(4, 6), kBackground);
    EXPECT_EQ(pixels.ColorAt(9, 9), kBackground);
    EXPECT_EQ(pixels.ColorAt(5, 10), kBackground);
    EXPECT_EQ(CountDiffering(pixels, {0, 0, 2, 2}, 0x00FF00, 0), 0);
}

TEST(GdiCanvas, RectanglesAndSystemColours) {
    Surface surface(20, 20);
    surface.canvas.DrawRectangle({2, 2, 12, 8}, 0x666666, 0xFFFFFF);
    surface.canvas.FillRectangle({14, 14, 16, 16}, 0xFF000000u | COLOR_WINDOWTEXT);
    const Picture pixels = surface.Pixels();
    EXPECT_EQ(CountDiffering(pixels, {2, 2, 12, 3}, 0x666666, 0), 0);   // top edge
    EXPECT_EQ(CountDiffering(pixels, {11, 2, 12, 8}, 0x666666, 0), 0);  // right edge inside
    EXPECT_EQ(CountDiffering(pixels, {3, 3, 11, 7}, 0xFFFFFF, 0), 0);   // fill
    EXPECT_EQ(pixels.ColorAt(12, 4), kBackground);
    EXPECT_EQ(pixels.ColorAt(14, 14), Color(::GetSysColor(COLOR_WINDOWTEXT)));
}

TEST(GdiTextRenderer, DrawsIntoTheColoursAndLeavesTheAlpha) {
    Picture face = Solid(60, 20, 0x303030, 255);
    for (int x = 0; x < 60; ++x) face.SetAlphaAt(x, 19, 7);
    const Picture before = face;
    GdiTextRenderer text;
    text.DrawTextInto(face, L"OK", {L"Tahoma", 12, true, 0x00FFFF}, {20, 3});
    EXPECT_EQ(std::vector<std::uint8_t>(face.AlphaBytes().begin(), face.AlphaBytes().end()),
              std::vector<std::uint8_t>(before.AlphaBytes().begin(), before.AlphaBytes().end()));
    const Rect ink = InkBounds(face, 0x303030);
    EXPECT_GE(ink.left, 20);
    EXPECT_GE(ink.top, 3);
    EXPECT_LT(ink.bottom, 20);
    // Full-strength ink in the font colour somewhere inside the letters.
    EXPECT_LT(CountDiffering(face, ink, 0x00FFFF, 8), ink.Width() * ink.Height());
    EXPECT_EQ(CountDiffering(face, {0, 0, 20, 20}, 0x303030, 0), 0);
}

TEST(DibSurface, PictureRoundTripKeepsTheColourOrder) {
    Picture picture(2, 1, false);
    picture.SetColorAt(0, 0, 0x112233);
    picture.SetColorAt(1, 0, 0xA0B0C0);
    DibSurface surface(2, 1);
    surface.LoadPicture(picture, false);
    EXPECT_EQ(surface.Pixels()[0], 0xFF332211u);  // 0xAARRGGBB
    EXPECT_EQ(surface.ToPicture(), picture);
    EXPECT_FALSE(DibSurface(0, 5).Valid());
}

}  // namespace
}  // namespace dusk::win32
