#include "shell/skin_selection.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fakes/fake_companion.h"

namespace dusk {
namespace {

using Log = std::vector<std::string>;

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", unsigned(value));
    return text;
}
std::string Num(ButtonColor color) { return std::to_string(int(color)); }

// Logs the companion library's skin call in line with the targets.
class LoggingCompanion : public test::FakeCompanion {
public:
    explicit LoggingCompanion(Log& log) : log_(log) {}
    void UseSkinColor(std::uint8_t buttonColor) override {
        FakeCompanion::UseSkinColor(buttonColor);
        log_.push_back("companion " + std::to_string(buttonColor));
    }

private:
    Log& log_;
};

SkinTargets RecordingTargets(Log& log) {
    SkinTargets targets;
    targets.mainWindowColor = [&](Color w) { log.push_back("window " + Hex(w)); };
    targets.mainWindowButtons = [&](ButtonColor c) { log.push_back("buttons " + Num(c)); };
    targets.taskBoxes = [&](int title, Color outline) {
        log.push_back("boxes " + std::to_string(title) + " " + Hex(outline));
    };
    targets.menuPaletteSlot = [&](int slot) { log.push_back("menu " + std::to_string(slot)); };
    targets.countdownWindow = [&](Color w, ButtonColor c, Color panel) {
        log.push_back("countdown " + Hex(w) + " " + Num(c) + " " + Hex(panel));
    };
    targets.noticeWindow = [&](Color w, ButtonColor c, Color panel) {
        log.push_back("notice " + Hex(w) + " " + Num(c) + " " + Hex(panel));
    };
    targets.calendar = [&](Color background, Color trailing) {
        log.push_back("calendar " + Hex(background) + " " + Hex(trailing));
    };
    targets.repaintMainWindow = [&] { log.push_back("repaint"); };
    return targets;
}

struct Fixture {
    Log log;
    LoggingCompanion companion{log};
    std::uint8_t skinCode = 1;
    SkinSelector selector{skinCode, companion, RecordingTargets(log)};
};

struct Applied {
    std::uint8_t code;
    Log expected;
};
const Applied kSkins[] = {
    {1,
     {"window D58B3A", "companion 0", "buttons 0", "boxes 3 F3D8B1", "menu 4",
      "countdown D58B3A 0 FFF5DF", "notice D58B3A 0 FFF5DF", "calendar CA8944 FF000001",
      "repaint"}},
    {2,
     {"window 3FAA3A", "companion 1", "buttons 1", "boxes 0 AEF89C", "menu 1",
      "countdown 3FAA3A 1 DDEDDD", "notice 3FAA3A 1 DDEDDD", "calendar 9900 FF000001", "repaint"}},
    {3,
     {"window 252525", "companion 2", "buttons 2", "boxes 4 C1C1C1", "menu 5",
      "countdown 252525 2 D9D9D9", "notice 252525 2 D9D9D9", "calendar 535353 FF000001",
      "repaint"}},
    {4,
     {"window 3A89E7", "companion 3", "buttons 3", "boxes 2 A2D0FF", "menu 3",
      "countdown 3A89E7 3 DAEBF3", "notice 3A89E7 3 DAEBF3", "calendar 177FF FF000001", "repaint"}},
    {5,
     {"window 3A3ACC", "companion 4", "buttons 4", "boxes 1 B4BEFC", "menu 2",
      "countdown 3A3ACC 4 E6E6F1", "notice 3A3ACC 4 E6E6F1", "calendar 3B3AE8 FF000001",
      "repaint"}},
};

TEST(SkinSelectionTest, AnotherSkinIsAppliedInFullInOrder) {
    for (const Applied& skin : kSkins) {
        Fixture f;
        f.skinCode = skin.code == 1 ? 2 : 1;
        f.selector.SelectSkin(skin.code);
        EXPECT_EQ(f.skinCode, skin.code);
        EXPECT_EQ(f.log, skin.expected) << int(skin.code);
    }
}

TEST(SkinSelectionTest, TheSkinInForceDoesNothingNotEvenTheCompanionCall) {
    for (const std::uint8_t code : {1, 3, 5}) {
        Fixture f;
        f.skinCode = code;
        f.selector.SelectSkin(code);
        EXPECT_TRUE(f.log.empty()) << int(code);
        EXPECT_TRUE(f.companion.calls.empty()) << int(code);
    }
}

TEST(SkinSelectionTest, StartupAppliesAReportedSkinInFull) {
    for (const Applied& skin : kSkins) {
        Fixture f;
        f.skinCode = skin.code;  // as the companion library reported it
        f.selector.ApplyStartupSkin();
        EXPECT_EQ(f.skinCode, skin.code);
        EXPECT_EQ(f.log, skin.expected) << int(skin.code);
    }
}

TEST(SkinSelectionTest, StartupWithAnUnknownCodeKeepsTheDesignLookUntilBlueIsPicked) {
    for (const std::uint8_t code : {0, 6, 255}) {
        Fixture f;
        f.skinCode = code;
        f.selector.ApplyStartupSkin();
        EXPECT_EQ(f.skinCode, code);
        EXPECT_TRUE(f.log.empty()) << int(code);
        // The frame still paints Blue, and the first click on Blue applies it in full.
        EXPECT_EQ(SkinFor(f.skinCode).button, ButtonColor::Blue);
        f.selector.SelectSkin(1);
        EXPECT_EQ(f.log, kSkins[0].expected) << int(code);
    }
}

TEST(SkinSelectionTest, UnwiredPartsAreSkipped) {
    Log log;
    LoggingCompanion companion{log};
    std::uint8_t skinCode = 1;
    SkinSelector selector{skinCode, companion, SkinTargets{}};
    selector.SelectSkin(4);
    EXPECT_EQ(log, Log{"companion 3"});
}

TEST(SkinSelectionTest, MenuSlotByButtonColourMatchesTheSkinTable) {
    const std::pair<ButtonColor, int> cases[] = {{ButtonColor::Blue, 4},  {ButtonColor::Green, 1},
                                                 {ButtonColor::Black, 5}, {ButtonColor::Yellow, 3},
                                                 {ButtonColor::Red, 2},   {ButtonColor(5), 4},
                                                 {ButtonColor(200), 4}};
    for (const auto& [color, slot] : cases) {
        EXPECT_EQ(MenuPaletteSlotFor(color), slot) << int(color);
        if (int(color) < 5) {
            EXPECT_EQ(SkinFor(std::uint8_t(int(color) + 1)).menuPaletteSlot, slot);
        }
    }
}

}  // namespace
}  // namespace dusk
