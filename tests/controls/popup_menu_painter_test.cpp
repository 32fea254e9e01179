#include "controls/popup_menu_painter.h"

#include <gtest/gtest.h>

#include "canvas_raster.h"
#include "controls/test_pictures.h"

namespace dusk {
namespace {

using Kind = test::FakeCanvas::Kind;

// The notification-area menu's settings over the program's palettes. The fake measures every
// character 6 pixels wide and a line 13 high.
class PopupMenuPainterTest : public ::testing::Test {
protected:
    PopupMenuPainterTest() {
        style.separatorHeight = 10;
        style.barWidth = 20;
        style.palettes = &palettes;
        for (int slot = 1; slot <= 5; ++slot) palettes.Slot(slot)->check = test::Solid(12, 12, 7);
        environment.menuFont = {L"Menu Face", 12, false, 0xFF000007};
    }

    test::FakeCanvas Paint(const MenuItem& item, const Rect& rect, bool selected) {
        test::FakeCanvas canvas;
        PaintMenuItem(style, item, canvas, rect, selected, environment);
        return canvas;
    }

    PopupMenuPaletteList palettes = SkinMenuPalettes();
    PopupMenuStyle style;
    MenuEnvironment environment;
};

TEST_F(PopupMenuPainterTest, MeasuresSeparatorsAndItems) {
    struct Case {
        MenuItem item;
        int lineHeight;
        Size size;
    };
    const Case cases[] = {
        {{L"Show"}, 13, {24 + 20 + 40, 21}},
        {{L"-"}, 13, {6 + 20 + 40, 10}},
        {{L"-"}, 30, {6 + 20 + 40, 10}},  // a separator keeps its height
        {{L"- "}, 13, {12 + 20 + 40, 21}},
        {{L"--"}, 13, {12 + 20 + 40, 21}},
        {{L"Tall"}, 25, {24 + 20 + 40, 25}},
        {{.caption = L"Save", .shortcut = L"Ctrl+S"}, 13, {24 + 36 + 20 + 40, 21}},
    };
    for (const Case& c : cases) {
        test::FakeCanvas canvas;
        canvas.metrics.lineHeight = c.lineHeight;
        EXPECT_EQ(MeasureMenuItem(style, c.item, canvas, environment.menuFont), c.size)
            << std::string(c.item.caption.begin(), c.item.caption.end());
    }
}

TEST_F(PopupMenuPainterTest, SeparatorIsBarBackgroundAndOneLine) {
    const test::CanvasRaster raster(Paint({L"-"}, {0, 0, 120, 10}, true), 120, 10);
    const PopupMenuPalette& green = *palettes.Slot(1);
    struct Pixel {
        int x, y;
        Color color;
    };
    const Pixel pixels[] = {
        {0, 0, green.bar},          {19, 9, green.bar},        {20, 0, green.background},
        {23, 2, green.background},  {24, 2, green.separator},  {117, 2, green.separator},
        {118, 2, green.background}, {24, 1, green.background}, {24, 3, green.background},
        {119, 9, green.background},
    };
    for (const Pixel& p : pixels) EXPECT_EQ(raster.At(p.x, p.y), p.color) << p.x << "," << p.y;
}

TEST_F(PopupMenuPainterTest, ItemLooksBySelectionAndState) {
    struct Case {
        const char* name;
        int slot;
        MenuItem item;
        bool selected;
        Color fill, outline, bar, text;
        bool bold;
    };
    const PopupMenuPalette& green = *palettes.Slot(1);
    const PopupMenuPalette& blue = *palettes.Slot(4);
    const Case cases[] = {
        {"plain",
         1,
         {L"Show"},
         false,
         green.background,
         green.background,
         green.bar,
         green.font,
         false},
        {"selected",
         1,
         {L"Show"},
         true,
         green.selected,
         green.selectedBorder,
         green.selected,
         green.selectedFont,
         false},
        {"selected blue",
         4,
         {L"Show"},
         true,
         blue.selected,
         blue.selectedBorder,
         blue.selected,
         blue.selectedFont,
         false},
        {"disabled under the pointer",
         4,
         {.caption = L"Show", .enabled = false},
         true,
         blue.background,
         blue.background,
         blue.bar,
         0x808080,
         false},
        {"default",
         1,
         {.caption = L"Show", .isDefault = true},
         false,
         green.background,
         green.background,
         green.bar,
         green.font,
         true},
    };
    for (const Case& c : cases) {
        style.SetPaletteSlot(c.slot);
        const test::FakeCanvas canvas = Paint(c.item, {0, 21, 150, 42}, c.selected);
        const test::CanvasRaster raster(canvas, 150, 42);
        EXPECT_EQ(raster.At(80, 30), c.fill) << c.name;
        EXPECT_EQ(raster.At(149, 30), c.outline) << c.name;
        EXPECT_EQ(raster.At(80, 41), c.outline) << c.name;
        EXPECT_EQ(raster.At(10, 30), c.bar) << c.name;
        EXPECT_EQ(raster.At(80, 20), 0xFEFEFEu) << c.name << ": drawn outside the item";
        const auto texts = canvas.OfKind(Kind::Text);
        ASSERT_EQ(texts.size(), 1u) << c.name;
        EXPECT_EQ(texts[0].text, L"Show");
        EXPECT_EQ(texts[0].at, (Point{24, 25})) << c.name;  // 21 + (21 - 13) / 2
        EXPECT_EQ(texts[0].font.color, c.text) << c.name;
        EXPECT_EQ(texts[0].font.bold, c.bold) << c.name;
        EXPECT_EQ(texts[0].font.face, L"Menu Face") << c.name;
    }
}

TEST_F(PopupMenuPainterTest, CheckPictureShortcutAndImageColumn) {
    const std::vector<MenuImage> images = {{test::Solid(16, 16, 1), test::Solid(16, 16, 2)},
                                           {test::Solid(10, 8, 3), test::Solid(10, 8, 4)}};
    style.images = &images;
    const MenuItem full{.caption = L"Exit", .checked = true, .shortcut = L"Alt+X", .imageIndex = 0};
    struct Case {
        const char* name;
        bool menuRightToLeft, middleEastern;  // right to left needs both
        MenuItem item;
        std::vector<Point> pictures;  // check then image
        std::vector<Point> texts;     // caption then shortcut
    };
    const Case cases[] = {
        {"checked", false, false, {.caption = L"Exit", .checked = true}, {{188, 4}}, {{24, 4}}},
        {"shortcut",
         false,
         false,
         {.caption = L"Save", .shortcut = L"Ctrl+S"},
         {},
         {{24, 4}, {148, 4}}},
        {"image", false, false, {.caption = L"Open", .imageIndex = 1}, {{5, 6}}, {{24, 4}}},
        {"image out of range", false, false, {.caption = L"Open", .imageIndex = 2}, {}, {{24, 4}}},
        {"all, left to right", true, false, full, {{188, 4}, {2, 2}}, {{24, 4}, {154, 4}}},
        {"all, other menu", false, true, full, {{188, 4}, {2, 2}}, {{24, 4}, {154, 4}}},
        {"all, right to left", true, true, full, {{2, 4}, {182, 2}}, {{152, 4}, {24, 4}}},
    };
    for (const Case& c : cases) {
        style.rightToLeftReading = c.menuRightToLeft;
        environment.middleEasternLocale = c.middleEastern;
        const test::FakeCanvas canvas = Paint(c.item, {0, 0, 200, 21}, false);
        std::vector<Point> pictures, texts;
        for (const auto& op : canvas.OfKind(Kind::Picture)) pictures.push_back(op.at);
        for (const auto& op : canvas.OfKind(Kind::Text)) texts.push_back(op.at);
        EXPECT_EQ(pictures, c.pictures) << c.name;
        EXPECT_EQ(texts, c.texts) << c.name;
    }
    // A disabled item shows its image's disabled rendering.
    const test::FakeCanvas disabled =
        Paint({.caption = L"Open", .enabled = false, .imageIndex = 0}, {0, 0, 200, 21}, false);
    EXPECT_EQ(disabled.OfKind(Kind::Picture).at(0).picture, &images[0].disabled);
}

TEST_F(PopupMenuPainterTest, GradientBarWhenItsEndsDiffer) {
    palettes.Slot(1)->barTo = 0x0000FF;
    palettes.Slot(1)->bar = 0x000000;
    const test::CanvasRaster raster(Paint({L"Show"}, {0, 0, 100, 21}, false), 100, 21);
    EXPECT_EQ(raster.At(0, 20), 0x000000u);
    EXPECT_EQ(raster.At(10, 0), 0x00007Fu);  // 255 / 20 * 10
    EXPECT_EQ(raster.At(19, 10), 0x0000FFu);
}

TEST_F(PopupMenuPainterTest, PaletteSlotIgnoresValuesOutsideOneToFive) {
    style.SetPaletteSlot(3);
    for (int slot : {0, 6, -1, 100}) {
        style.SetPaletteSlot(slot);
        EXPECT_EQ(style.PaletteSlot(), 3) << slot;
    }
    const test::CanvasRaster raster(Paint({L"Show"}, {0, 0, 100, 21}, true), 100, 21);
    EXPECT_EQ(raster.At(50, 10), 0x7FC0FFu);  // yellow's selected colour

    style.palettes = nullptr;
    EXPECT_TRUE(Paint({L"Show"}, {0, 0, 100, 21}, true).ops.empty());
    test::FakeCanvas frame;
    PaintMenuWindowFrame(style, frame, {100, 50}, 2);
    EXPECT_TRUE(frame.ops.empty());
}

TEST_F(PopupMenuPainterTest, CaptionFontIsTheMenuFontOrTheStylesOwn) {
    EXPECT_EQ(MenuCaptionFont(style, environment.menuFont), environment.menuFont);
    style.useSystemFont = false;
    style.fontCharset = 0xB2;
    const Font own = MenuCaptionFont(style, environment.menuFont);
    EXPECT_EQ(own.face, L"MS Sans Serif");
    EXPECT_EQ(own.height, 11);  // 8 points at 96 dots per inch
    EXPECT_EQ(own.charset, 0xB2);
}

TEST_F(PopupMenuPainterTest, AmpersandUnderlinesTheNextCharacter) {
    const struct {
        std::wstring caption, text;
        int underlined;
        wchar_t key;
    } cases[] = {
        {L"E&xit", L"Exit", 1, L'X'},
        {L"A&&B", L"A&B", -1, 0},
        {L"&a&b", L"ab", 0, L'A'},
        {L"Tail&", L"Tail", -1, 0},
    };
    for (const auto& c : cases) {
        const AcceleratedText split = SplitAccelerator(c.caption);
        EXPECT_EQ(split.text, c.text);
        EXPECT_EQ(split.underlined, c.underlined);
        EXPECT_EQ(AcceleratorKey(c.caption), c.key);
    }
    const test::FakeCanvas canvas = Paint({L"E&xit"}, {0, 0, 100, 21}, false);
    EXPECT_EQ(canvas.OfKind(Kind::Text).at(0).text, L"Exit");
    const auto lines = canvas.OfKind(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].at, (Point{30, 15}));  // under the x: 24 + 6, text top 4 + 13 - 2
    EXPECT_EQ(lines[0].to, (Point{36, 15}));
}

}  // namespace
}  // namespace dusk
