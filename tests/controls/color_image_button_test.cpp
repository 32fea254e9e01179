#include "controls/color_image_button.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "controls/picture_ops.h"
#include "controls/test_pictures.h"
#include "fakes/fake_canvas.h"

namespace dusk {
namespace {

using test::Columns;
using test::Solid;

constexpr ButtonState kStates[] = {ButtonState::Normal, ButtonState::MouseOn,
                                   ButtonState::MouseDown, ButtonState::Disabled};

struct ColorButtonTest : ::testing::Test {
    test::FakeTextRenderer text;
    ImageButtonPictures list;
    ColorImageButton button{text};

    // 91 x 33 pictures in every colour and state, each with its own column values.
    void FillList() {
        for (int color = 0; color < 5; ++color) {
            for (int state = 0; state < 4; ++state) {
                list.SetPic(ButtonColor(color), kStates[state],
                            Columns(91, 33, color * 20 + state * 5));
            }
        }
    }
    const Picture& StatePicture(ButtonState state) const {
        switch (state) {
            case ButtonState::Normal:
                return button.NormalFace();
            case ButtonState::MouseOn:
                return button.HoverFace();
            case ButtonState::MouseDown:
                return button.PressedFace();
            case ButtonState::Disabled:
                break;
        }
        return button.DisabledFace();
    }
};

TEST_F(ColorButtonTest, StretchesListPicturesToTheButtonAndKeepsItsSize) {
    FillList();
    button.SetBounds(5, 6, 135, 33);
    button.SetStretchToWidth(true);
    for (ButtonColor color : {ButtonColor::Blue, ButtonColor::Red, ButtonColor::Black}) {
        if (color == ButtonColor::Blue) {
            button.SetPictureList(&list);
        } else {
            button.SetColor(color);
        }
        SCOPED_TRACE(int(color));
        EXPECT_EQ(button.Color(), color);
        EXPECT_EQ(button.Left(), 5);
        EXPECT_EQ(button.Width(), 135);
        EXPECT_EQ(button.Height(), 33);
        EXPECT_EQ(button.StretchMargin(), 135 / 4);
        for (ButtonState state : kStates) {
            const Picture& source = list.Pic(color, state);
            const Picture& shown = StatePicture(state);
            ASSERT_EQ(shown.Width(), 135);
            for (int x = 0; x < 135; ++x) {
                const int column = x < 22 ? x : x <= 112 ? 22 : x - 44;
                ASSERT_EQ(shown.ColorAt(x, 32), source.ColorAt(column, 32)) << x;
                ASSERT_EQ(shown.AlphaAt(x, 32), source.AlphaAt(column, 32)) << x;
            }
        }
        EXPECT_EQ(button.Picture(), button.NormalFace());  // composed, no caption
    }
    // Moving the stretched button stretches again at a wider margin, which changes nothing.
    const Picture before = button.NormalFace();
    button.SetBounds(50, 60, 135, 33);
    EXPECT_EQ(button.NormalFace(), before);
}

TEST_F(ColorButtonTest, EachLookIsComposedAtTheDisplayScaleFromThePicturesDrawnForIt) {
    // Every list picture and the badge have a version drawn at 2x; 120 DPI has none.
    FillList();
    DetailedPictures twice;
    for (ButtonState state : kStates) {
        twice.Add(list.Pic(ButtonColor::Blue, state), Columns(182, 66, 100 + int(state)));
    }
    const Picture badge = Solid(16, 16, 0x00FF00);
    twice.Add(badge, Solid(32, 32, 0x0000FF));
    button.SetBounds(0, 0, 135, 33);
    button.SetStretchToWidth(true);
    button.SetCaption(L"Start Task");
    button.SetCaptionAlign(TextAlign::Center);
    button.SetCaptionLeft(8);
    button.SetCaptionTop(-1);
    button.SetNormalBadge(badge);
    button.SetBadgeLeft(13);
    button.SetBadgeTop(7);
    button.SetPictureList(&list);
    EXPECT_EQ(&button.FaceAt(DisplayScale(), &twice), &button.Picture());

    struct Case {
        int dpi;
        const DetailedPictures* detailed;
        bool pressed;
        Size face;
        Point badge, caption;
        int fontHeight;
    };
    // 60 x 13 is the fake caption's size at every font; the button's font is 11 pixels high.
    const Case cases[] = {{192, &twice, false, {270, 66}, {26, 14}, {121, 24}, 22},
                          {192, &twice, true, {270, 66}, {28, 16}, {121, 24}, 22},
                          {120, nullptr, false, {169, 41}, {16, 9}, {64, 13}, 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << (c.pressed ? " pressed" : ""));
        if (c.pressed) {
            button.MouseDown(MouseButton::Left, false);
        } else {
            button.MouseLeave();
        }
        const DisplayScale scale(c.dpi);
        const Picture& face = button.FaceAt(scale, c.detailed);
        ASSERT_EQ((Size{face.Width(), face.Height()}), c.face);
        // The state picture stretched at the scale, never an enlarged 96 DPI face.
        const ButtonState state = c.pressed ? ButtonState::MouseDown : ButtonState::Normal;
        const Picture& source = list.Pic(ButtonColor::Blue, state);
        const Picture* drawn = c.detailed ? c.detailed->Find(source) : nullptr;
        const Picture expected =
            drawn ? StretchPicture(*drawn, c.face.width, scale.Length(22))
                  : StretchPicture(ResamplePicture(source, scale.Length(91), c.face.height),
                                   c.face.width, scale.Length(22));
        EXPECT_EQ(face.ColorAt(c.face.width - 1, 0), expected.ColorAt(c.face.width - 1, 0));
        EXPECT_EQ(face.AlphaAt(c.face.width / 2, 1), expected.AlphaAt(c.face.width / 2, 1));
        EXPECT_EQ(face.ColorAt(c.badge.x, c.badge.y), drawn ? 0x0000FFu : 0x00FF00u);
        EXPECT_NE(face.ColorAt(c.badge.x - 1, c.badge.y), face.ColorAt(c.badge.x, c.badge.y));
        ASSERT_FALSE(text.draws.empty());
        EXPECT_EQ(text.draws.back().at, c.caption);
        EXPECT_EQ(text.draws.back().font.height, c.fontHeight);
        // Kept until the look or the scale changes.
        const std::size_t draws = text.draws.size();
        EXPECT_EQ(&button.FaceAt(scale, c.detailed), &face);
        EXPECT_EQ(text.draws.size(), draws);
        if (c.pressed) button.MouseUp(MouseButton::Left, false);
    }
}

TEST_F(ColorButtonTest, WithoutStretchThePicturesKeepTheirSizeAndTheButtonItsOwn) {
    FillList();
    button.SetBounds(0, 0, 135, 33);
    button.SetPictureList(&list);
    EXPECT_EQ(button.NormalFace(), list.Pic(ButtonColor::Blue, ButtonState::Normal));
    EXPECT_EQ(button.Width(), 135);
}

TEST_F(ColorButtonTest, CaptionColourFollowsOnlyWhileStandard) {
    FillList();
    button.SetBounds(0, 0, 91, 33);
    button.SetPictureList(&list);
    struct Case {
        Color initial;
        std::vector<std::pair<ButtonColor, Color>> steps;
    };
    const Case cases[] = {
        {0x9D4700,
         {{ButtonColor::Red, 0x0000B4},
          {ButtonColor::Green, 0x116D0D},
          {ButtonColor::Black, 0xFEFEFE},
          {ButtonColor::Yellow, 0x002D7F},
          {ButtonColor::Blue, 0x9D4700}}},
        {0xFFFFFF,
         {{ButtonColor::Red, 0xFFFFFF},
          {ButtonColor::Black, 0xFFFFFF},
          {ButtonColor::Blue, 0xFFFFFF}}},
        // Red's standard colour on a blue button is not standard there, so it stays, until the
        // button turns red: from then on it is standard and follows.
        {0x0000B4,
         {{ButtonColor::Green, 0x0000B4},
          {ButtonColor::Red, 0x0000B4},
          {ButtonColor::Blue, 0x9D4700}}},
    };
    for (const Case& c : cases) {
        button.SetColor(ButtonColor::Blue);
        dusk::Font font = button.Font();
        font.color = c.initial;
        button.SetFont(font);
        for (const auto& [color, expected] : c.steps) {
            button.SetColor(color);
            EXPECT_EQ(button.Font().color, expected)
                << std::hex << c.initial << " to " << int(color);
        }
    }
}

TEST_F(ColorButtonTest, AssigningAListStartsBlueAndEmptyListPicturesEmptyTheButtons) {
    FillList();
    button.SetBounds(0, 0, 91, 33);
    button.SetPictureList(&list);
    button.SetColor(ButtonColor::Red);
    ImageButtonPictures other;
    other.SetPic(ButtonColor::Blue, ButtonState::Normal, Solid(25, 17, 0x00FF00));
    other.SetPic(ButtonColor::Blue, ButtonState::MouseOn, Solid(25, 17, 0x0000FF));
    button.SetPictureList(&other);
    EXPECT_EQ(button.Color(), ButtonColor::Blue);
    EXPECT_EQ(button.NormalFace(), other.Pic(ButtonColor::Blue, ButtonState::Normal));
    EXPECT_TRUE(button.PressedFace().Empty());
    EXPECT_TRUE(button.DisabledFace().Empty());
    EXPECT_EQ(button.Width(), 91);  // the size it had before
}

TEST_F(ColorButtonTest, WithoutAListAColourChangeKeepsThePictures) {
    button.SetBounds(0, 0, 20, 10);
    button.SetNormalFace(Solid(20, 10, 0x112233));
    button.SetColor(ButtonColor::Green);
    EXPECT_FALSE(button.RedrawSuspended());
    EXPECT_EQ(button.NormalFace(), Solid(20, 10, 0x112233));
    EXPECT_EQ(button.Picture(), button.NormalFace());
    EXPECT_EQ(button.Font().color, 0x116D0Du);
}

TEST_F(ColorButtonTest, AColourWithAnEmptyNormalPictureLeavesTheButtonBlank) {
    FillList();
    button.SetBounds(0, 0, 91, 33);
    button.SetPictureList(&list);
    list.SetPic(ButtonColor::Green, ButtonState::Normal, Picture());
    button.SetColor(ButtonColor::Green);
    EXPECT_TRUE(button.NormalFace().Empty());
    EXPECT_TRUE(button.Picture().Empty());
    EXPECT_EQ(button.Width(), 91);
}

// A list with a source decodes a colour at its first read and holds that colour alone; the
// buttons share the decoded pixels.
TEST_F(ColorButtonTest, AListWithASourceHoldsTheColourReadLastDecodedOnce) {
    std::vector<std::pair<ButtonColor, std::size_t>> decoded;
    list.SetSource(ColorPictureSource([&decoded](ButtonColor color, std::size_t slot) {
        decoded.emplace_back(color, slot);
        return Columns(91, 33, int(color) * 20 + int(slot) * 5);
    }));
    EXPECT_TRUE(decoded.empty());
    button.SetBounds(0, 0, 91, 33);
    button.SetPictureList(&list);
    button.SetColor(ButtonColor::Red);
    button.SetColor(ButtonColor::Red);
    const std::vector<std::pair<ButtonColor, std::size_t>> blueThenRed = {
        {ButtonColor::Blue, 0}, {ButtonColor::Blue, 1}, {ButtonColor::Blue, 2},
        {ButtonColor::Blue, 3}, {ButtonColor::Red, 0},  {ButtonColor::Red, 1},
        {ButtonColor::Red, 2},  {ButtonColor::Red, 3}};
    EXPECT_EQ(decoded, blueThenRed);
    for (ButtonState state : kStates) {
        EXPECT_EQ(StatePicture(state), Columns(91, 33, 80 + int(state) * 5)) << int(state);
    }
    EXPECT_TRUE(
        button.NormalFace().SharesPixelsWith(list.Pic(ButtonColor::Red, ButtonState::Normal)));
    EXPECT_EQ(decoded.size(), 8u);
    // Blue was let go: reading it decodes it again; a colour outside the five reads blue.
    EXPECT_EQ(list.Pic(ButtonColor(9), ButtonState::MouseOn), Columns(91, 33, 5));
    EXPECT_EQ(decoded.size(), 12u);
    EXPECT_EQ(StatePicture(ButtonState::Normal), Columns(91, 33, 80));  // the button keeps its own
}

}  // namespace
}  // namespace dusk
