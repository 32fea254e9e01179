#include "shell/skin.h"

#include <gtest/gtest.h>

#include "controls/test_pictures.h"

namespace dusk {
namespace {

// High contrast: every skin's colours become the system's, its pictures and palette stay; the
// skin comes back when the theme ends.
TEST(SkinTest, SystemColorsReplaceTheSkinColoursWhileInForce) {
    const Skin green = SkinFor(2);
    SetSystemColorsInForce(true);
    for (std::uint8_t code = 0; code <= 6; ++code) {
        const Skin& skin = SkinFor(code);
        for (const Color color : {skin.window, skin.boxOutline, skin.innerPanel, skin.calendar}) {
            EXPECT_EQ(color & 0xFF000000u, 0xFF000000u) << int(code);
        }
    }
    EXPECT_EQ(SkinFor(2).button, green.button);
    EXPECT_EQ(SkinFor(2).menuPaletteSlot, green.menuPaletteSlot);
    EXPECT_EQ(SkinFor(2).boxTitlePicture, green.boxTitlePicture);
    SetSystemColorsInForce(false);
    EXPECT_EQ(SkinFor(2).window, green.window);
}

TEST(SkinTest, EachCodeGivesItsRowAndOtherCodesLookBlue) {
    struct Row {
        std::uint8_t code;
        ButtonColor button;
        Color window;
        int menuSlot, boxTitle;
        Color boxOutline, innerPanel, calendar;
    };
    const Row rows[] = {
        {1, ButtonColor::Blue, 0xD58B3A, 4, 3, 0xF3D8B1, 0xFFF5DF, 0xCA8944},
        {2, ButtonColor::Green, 0x3FAA3A, 1, 0, 0xAEF89C, 0xDDEDDD, 0x009900},
        {3, ButtonColor::Black, 0x252525, 5, 4, 0xC1C1C1, 0xD9D9D9, 0x535353},
        {4, ButtonColor::Yellow, 0x3A89E7, 3, 2, 0xA2D0FF, 0xDAEBF3, 0x0177FF},
        {5, ButtonColor::Red, 0x3A3ACC, 2, 1, 0xB4BEFC, 0xE6E6F1, 0x3B3AE8},
        {0, ButtonColor::Blue, 0xD58B3A, 4, 3, 0xF3D8B1, 0xFFF5DF, 0xCA8944},
        {6, ButtonColor::Blue, 0xD58B3A, 4, 3, 0xF3D8B1, 0xFFF5DF, 0xCA8944},
        {255, ButtonColor::Blue, 0xD58B3A, 4, 3, 0xF3D8B1, 0xFFF5DF, 0xCA8944},
    };
    for (const Row& row : rows) {
        const Skin& skin = SkinFor(row.code);
        EXPECT_EQ(skin.button, row.button) << int(row.code);
        EXPECT_EQ(skin.window, row.window) << int(row.code);
        EXPECT_EQ(skin.menuPaletteSlot, row.menuSlot) << int(row.code);
        EXPECT_EQ(skin.boxTitlePicture, row.boxTitle) << int(row.code);
        EXPECT_EQ(skin.boxOutline, row.boxOutline) << int(row.code);
        EXPECT_EQ(skin.innerPanel, row.innerPanel) << int(row.code);
        EXPECT_EQ(skin.calendar, row.calendar) << int(row.code);
    }
}

TEST(SkinTest, SkinCodeChoosesThePictureOfItsColour) {
    SkinPictures pictures;
    for (std::size_t i = 0; i < pictures.byColor.size(); ++i) {
        pictures.byColor[i] = test::Solid(2, 2, std::uint8_t(i + 1));
    }
    const std::pair<std::uint8_t, std::size_t> cases[] = {{1, 0}, {2, 1}, {3, 2}, {4, 3},
                                                          {5, 4}, {0, 0}, {6, 0}, {255, 0}};
    for (const auto& [code, index] : cases) {
        EXPECT_EQ(&pictures.For(code), &pictures.byColor[index]) << int(code);
    }
}

}  // namespace
}  // namespace dusk
