#include "controls/image_button.h"

#include <gtest/gtest.h>

#include "controls/color_image_button.h"
#include "controls/plain_button_face.h"
#include "controls/test_pictures.h"
#include "fakes/fake_canvas.h"

namespace dusk {
namespace {

using test::Solid;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kGrey = 0x808080;

// A blue button 40 x 20 built from a list: black transparent at rest, white opaque under the
// pointer, grey when pressed; a white 1 x 1 small picture. Every immediate repaint is recorded.
struct ButtonTest : ::testing::Test {
    test::FakeTextRenderer text;
    ImageButtonPictures list;
    ColorImageButton button{text};
    std::vector<Picture> frames;
    int clicks = 0, enters = 0, leaves = 0, downs = 0, ups = 0;

    void SetUp() override {
        list.SetPic(ButtonColor::Blue, ButtonState::Normal, Solid(40, 20, 0x000000, 0));
        list.SetPic(ButtonColor::Blue, ButtonState::MouseOn, Solid(40, 20, kWhite, 255));
        list.SetPic(ButtonColor::Blue, ButtonState::MouseDown, Solid(40, 20, kGrey, 200));
        button.SetBounds(0, 0, 40, 20);
        button.SetPictureList(&list);
        button.SetNormalBadge(Solid(1, 1, kWhite));
        button.host.repaintNow = [this] { frames.push_back(button.Picture()); };
        button.onClick = [this] { ++clicks; };
        button.onMouseEnter = [this] { ++enters; };
        button.onMouseLeave = [this] { ++leaves; };
        button.onMouseDown = [this] { ++downs; };
        button.onMouseUp = [this] { ++ups; };
    }
    int Events() const { return clicks + enters + leaves + downs + ups; }
    Color Shown(int x, int y) const { return button.Picture().ColorAt(x, y); }
};

TEST_F(ButtonTest, FadesRunTheirExactFrameOpacities) {
    struct Case {
        int end, param;
        bool click;
        std::size_t frames;
        int step, last;
    };
    const Case cases[] = {{64, 4, false, 65, 4, 255},
                          {64, 4, true, 33, 8, 255},
                          {127, 2, false, 128, 2, 254},
                          {127, 2, true, 64, 4, 252}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.end << " by " << c.param << (c.click ? " click" : ""));
        button.SetAnimationEnd(c.end);
        button.SetAnimationParam(c.param);
        frames.clear();
        button.MouseEnter();
        std::vector<Picture> fade = frames;
        if (c.click) {
            button.MouseDown(MouseButton::Left, false);
            button.onClick = [&] { fade = frames; };
            frames.clear();
            button.MouseUp(MouseButton::Left, true);
        }
        ASSERT_EQ(fade.size(), c.frames);
        // Mouse-on fades from the black transparent rest picture to the white opaque one, so the
        // colour and alpha bytes are the opacity; the click fade shows it in the small picture.
        for (std::size_t k = 0; k < fade.size(); ++k) {
            const int expected = std::min(255, int(k) * c.step);
            const Picture& frame = fade[k];
            if (c.click) {
                ASSERT_EQ(frame.ColorAt(10, 7), Color(expected) * 0x010101) << k;
                ASSERT_EQ(frame.AlphaAt(10, 7), 0) << k;
            } else {
                ASSERT_EQ(frame.ColorAt(0, 0), Color(expected) * 0x010101) << k;
                ASSERT_EQ(frame.AlphaAt(0, 0), expected) << k;
            }
        }
        const Picture& last = fade.back();
        EXPECT_EQ(c.click ? last.ColorAt(10, 7) : last.ColorAt(0, 0), Color(c.last) * 0x010101);
        EXPECT_EQ(fade.front(),
                  list.Pic(ButtonColor::Blue, ButtonState::Normal));  // from the plain picture
        button.MouseLeave();
    }
}

TEST_F(ButtonTest, WithoutAnimationEachCompositionPaintsOnceAndAnimationStaysUntilSwitchedOff) {
    button.SetEnableAnimation(false);
    button.MouseEnter();
    EXPECT_FALSE(button.AnimationActive());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(Shown(0, 0), kWhite);
    EXPECT_EQ(button.Picture().AlphaAt(0, 0), 255);

    button.SetEnableAnimation(true);
    button.MouseEnter();
    EXPECT_TRUE(button.AnimationActive());
    frames.clear();
    button.MouseLeave();  // leaving fades too, once animation is active
    EXPECT_EQ(frames.size(), 65u);
    button.SetEnableAnimation(false);
    EXPECT_FALSE(button.AnimationActive());
    frames.clear();
    button.MouseLeave();
    EXPECT_EQ(frames.size(), 1u);
}

TEST_F(ButtonTest, PressMovesSmallPictureAndOnlyACustomCaption) {
    struct Case {
        TextAlign align;
        int lineHeight;
        Point rest, pressed;
    };
    // "OK" measures 12 wide; the button is 40 x 20; offsets 3, 2.
    const Case cases[] = {
        {TextAlign::Custom, 13, {3, 2}, {4, 3}},   {TextAlign::Left, 13, {4, 5}, {4, 5}},
        {TextAlign::Center, 13, {17, 5}, {17, 5}}, {TextAlign::Right, 13, {30, 5}, {30, 5}},
        {TextAlign::Center, 25, {17, 0}, {17, 0}},  // (20 - 25) div 2 truncates to -2
    };
    button.SetEnableAnimation(false);
    button.SetCaption(L"OK");
    button.SetCaptionLeft(3);
    button.SetCaptionTop(2);
    dusk::Font font = button.Font();
    font.color = 0x0000FF;
    button.SetFont(font);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.align));
        text.metrics.lineHeight = c.lineHeight;
        button.SetCaptionAlign(c.align);
        EXPECT_EQ(text.draws.back().at, c.rest);
        EXPECT_EQ(Shown(10, 7), kWhite);

        button.MouseDown(MouseButton::Left, false);
        EXPECT_EQ(text.draws.back().at, c.pressed);
        EXPECT_EQ(text.draws.back().text, L"OK");
        EXPECT_EQ(Shown(11, 8), kWhite);
        EXPECT_EQ(Shown(10, 7), kGrey);
        // The caption lands in the colour bytes; the alpha plane is the picture's own.
        EXPECT_EQ(Shown(c.pressed.x, c.pressed.y), 0x0000FFu);
        EXPECT_EQ(button.Picture().AlphaAt(c.pressed.x, c.pressed.y), 200);
        button.MouseUp(MouseButton::Left, false);
    }
}

TEST_F(ButtonTest, EmptyCaptionMeasuresAsASpaceAndDrawsNothing) {
    button.SetCaptionAlign(TextAlign::Center);
    EXPECT_EQ(text.measured.back(), L" ");
    EXPECT_TRUE(text.draws.empty());
}

TEST_F(ButtonTest, DisabledWithoutPictureShowsPlainNormalAndIgnoresThePointer) {
    button.SetCaption(L"Go");
    const std::size_t drawn = text.draws.size();
    button.SetEnabled(false);
    EXPECT_EQ(button.Picture(), button.NormalFace());
    EXPECT_EQ(text.draws.size(), drawn);

    frames.clear();
    button.MouseEnter();
    button.MouseDown(MouseButton::Left, false);
    button.MouseUp(MouseButton::Left, true);
    button.MouseLeave();
    EXPECT_EQ(button.Cursor(), CursorKind::Arrow);
    EXPECT_EQ(Events(), 0);
    EXPECT_TRUE(frames.empty());
    EXPECT_EQ(button.Picture(), button.NormalFace());

    button.SetEnabled(true);
    button.MouseEnter();
    EXPECT_EQ(button.Cursor(), CursorKind::Hand);
    EXPECT_EQ(enters, 1);
}

TEST_F(ButtonTest, DisabledWithPictureShowsItWithSmallDisabledAndDisabledFontWithoutFading) {
    button.MouseEnter();  // animation active: the disabled look must still not fade
    button.SetDisabledFace(Solid(40, 20, 0x00FF00, 255));
    button.SetDisabledBadge(Solid(1, 1, 0x0000FF));
    button.SetCaption(L"Go");
    button.SetCaptionLeft(5);
    frames.clear();
    button.SetEnabled(false);
    EXPECT_TRUE(frames.empty());
    EXPECT_EQ(Shown(0, 0), 0x00FF00u);
    EXPECT_EQ(Shown(10, 7), 0x0000FFu);
    EXPECT_EQ(text.draws.back().font, button.DisabledFont());
    EXPECT_EQ(Shown(5, 8), kGrey);  // the caption in the disabled font's colour
}

TEST_F(ButtonTest, SecondPressOfADoubleClickGivesNoClick) {
    button.SetEnableAnimation(false);
    button.MouseEnter();
    button.MouseDown(MouseButton::Left, false);
    EXPECT_EQ(Shown(0, 0), kGrey);
    button.MouseUp(MouseButton::Left, true);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.ClickPending());
    EXPECT_EQ(Shown(0, 0), 0x000000u);  // normal look, although the pointer is on it

    button.MouseDown(MouseButton::Left, true);
    EXPECT_EQ(Shown(0, 0), kGrey);
    button.MouseUp(MouseButton::Left, true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Shown(0, 0), kWhite);  // mouse-on look
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(ups, 2);
}

TEST_F(ButtonTest, OnlyALeftPressReleasedOverTheButtonClicks) {
    button.SetEnableAnimation(false);
    button.MouseDown(MouseButton::Left, false);
    button.MouseUp(MouseButton::Left, false);  // released elsewhere
    button.MouseDown(MouseButton::Right, false);
    button.MouseUp(MouseButton::Right, true);
    button.MouseUp(MouseButton::Left, true);  // release without a press
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 2);
}

TEST_F(ButtonTest, InAHighContrastThemeTheFaceIsPlainInSystemColours) {
    constexpr Color kButtonText = 0xFF000012, kGreyText = 0xFF000011, kHighlight = 0xFF00000D;
    button.SetBounds(5, 6, 40, 20);
    button.SetCaption(L"OK");
    const struct {
        bool enabled, lit;
        Color outline, caption;
    } cases[] = {{true, false, kButtonText, kButtonText},
                 {true, true, kHighlight, kButtonText},
                 {false, true, kButtonText, kGreyText}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.enabled << c.lit);
        button.SetEnabled(c.enabled);
        test::FakeCanvas canvas;
        PaintPlainButtonFace(canvas, button, c.lit);
        ASSERT_EQ(canvas.ops.size(), 2u);
        EXPECT_EQ(canvas.ops[0].kind, test::FakeCanvas::Kind::Rectangle);
        EXPECT_EQ(canvas.ops[0].rect, (Rect{5, 6, 45, 26}));
        EXPECT_EQ(canvas.ops[0].pen, c.outline);
        EXPECT_EQ(canvas.ops[0].brush, 0xFF00000Fu);
        EXPECT_EQ(canvas.ops[1].text, L"OK");
        EXPECT_EQ(canvas.ops[1].font.color, c.caption);
        EXPECT_EQ(canvas.ops[1].at, (Point{5 + 14, 6 + 3}));  // centred: 12 x 13 in 40 x 20
    }
}

TEST(PlainButtonTest, KeepsItsStoredPictureInEveryStateAndStillClicks) {
    test::FakeTextRenderer text;
    ImageButton button(text);
    const Picture stored = Solid(14, 12, 0x123456);
    button.SetPicture(stored);
    EXPECT_EQ(button.Width(), 14);
    EXPECT_EQ(button.Height(), 12);
    button.LoadNormalFace(Solid(14, 12, 0x654321));
    button.SetHoverFace(Solid(14, 12, kWhite));
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    int repaints = 0;
    button.host.repaintNow = [&] { ++repaints; };

    button.MouseEnter();
    EXPECT_EQ(button.Picture(), stored);
    button.MouseDown(MouseButton::Left, false);
    EXPECT_EQ(button.Picture(), stored);
    button.MouseUp(MouseButton::Left, true);
    EXPECT_EQ(button.Picture(), stored);
    button.SetEnabled(false);
    EXPECT_EQ(button.Picture(), stored);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(button.RedrawSuspended());
    EXPECT_TRUE(text.draws.empty());
}

}  // namespace
}  // namespace dusk
