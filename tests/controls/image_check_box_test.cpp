#include "controls/image_check_box.h"

#include <gtest/gtest.h>

#include "controls/test_pictures.h"
#include "fakes/fake_canvas.h"

namespace dusk {
namespace {

using Kind = test::FakeCanvas::Kind;
using test::Solid;

// Paints the way a parent window would: a background fill, then its content.
struct FakeParent : ControlParent {
    Size ClientSize() const override { return {300, 200}; }
    void EraseBackground(Canvas& canvas) override {
        canvas.FillRectangle({0, 0, 300, 200}, 0xD58B3A);
    }
    void PaintContent(Canvas& canvas) override {
        canvas.FillRectangle({3, 24, 366, 197}, 0xFFF5DF);
    }
};

// A list like the main window's: 9 x 9 checked and unchecked pictures, normal, mouse-on and
// disabled, each of its own colour; no grayed and no mouse-down pictures.
CheckBoxPictures SmallList() {
    CheckBoxPictures list;
    Color color = 1;
    for (CheckBoxStatus status : {CheckBoxStatus::Checked, CheckBoxStatus::Unchecked}) {
        for (CheckBoxLook look :
             {CheckBoxLook::Normal, CheckBoxLook::MouseOn, CheckBoxLook::Disabled}) {
            list.SetPic(status, look, Solid(9, 9, color++));
        }
    }
    return list;
}

struct CheckBoxTest : ::testing::Test {
    CheckBoxPictures list = SmallList();
    FakeParent parent;
    test::FakeCanvas canvas;
    ImageCheckBox box;
    std::vector<std::string> log;

    void SetUp() override {
        box.SetBounds(57, 40, 100, 14);
        box.SetParent(&parent);
        box.SetPictureList(&list);
        box.SetCaption(L"Shut down");  // 9 characters: 54 x 13
        box.host.repaintNow = [this] {
            canvas.ops.clear();
            box.PaintCheckBox(canvas);
            log.push_back("paint");
        };
        box.onClick = [this] { log.push_back("click"); };
    }
    void Click() {
        box.MouseDown(MouseButton::Left, false);
        box.MouseUp(MouseButton::Left, true);
    }
};

TEST_F(CheckBoxTest, ClickRules) {
    struct Case {
        bool radio, enabled;
        CheckBoxStatus before, after;
        std::vector<std::string> log;
    };
    const std::vector<std::string> changed = {"paint", "click"};
    const Case cases[] = {
        {true, true, CheckBoxStatus::Checked, CheckBoxStatus::Checked, {}},
        {false, true, CheckBoxStatus::Checked, CheckBoxStatus::Unchecked, changed},
        {true, true, CheckBoxStatus::Unchecked, CheckBoxStatus::Checked, changed},
        {false, true, CheckBoxStatus::Unchecked, CheckBoxStatus::Checked, changed},
        {false, true, CheckBoxStatus::Grayed, CheckBoxStatus::Checked, changed},
        {true, true, CheckBoxStatus::Grayed, CheckBoxStatus::Checked, changed},
        {false, false, CheckBoxStatus::Unchecked, CheckBoxStatus::Unchecked, {}},
        {true, false, CheckBoxStatus::Checked, CheckBoxStatus::Checked, {}},
    };
    for (const Case& c : cases) {
        box.SetRadioButton(c.radio);
        box.SetEnabled(c.enabled);
        box.SetStatus(c.before);  // paints, fires nothing
        EXPECT_EQ(log.back(), "paint");
        log.clear();
        Click();
        EXPECT_EQ(box.Status(), c.after) << c.radio << c.enabled << int(c.before);
        EXPECT_EQ(log, c.log) << c.radio << c.enabled << int(c.before);
    }
}

TEST_F(CheckBoxTest, ADoubleClickChangesTheStateOnce) {
    Click();
    box.MouseDown(MouseButton::Left, true);
    box.MouseUp(MouseButton::Left, true);
    EXPECT_EQ(box.Status(), CheckBoxStatus::Checked);
    EXPECT_EQ(std::count(log.begin(), log.end(), "click"), 1);
    box.MouseDown(MouseButton::Right, false);
    box.MouseUp(MouseButton::Right, true);
    box.MouseDown(MouseButton::Left, false);
    box.MouseUp(MouseButton::Left, false);  // released elsewhere
    EXPECT_EQ(box.Status(), CheckBoxStatus::Checked);
}

TEST_F(CheckBoxTest, SmallPictureSitsCentredInTheBoxAndTheWidthFitsTheCaption) {
    box.PaintCheckBox(canvas);
    ASSERT_EQ(canvas.ops.size(), 8u);
    const Kind order[] = {Kind::Save, Kind::Origin,  Kind::Clip,    Kind::Fill,
                          Kind::Fill, Kind::Restore, Kind::Picture, Kind::Text};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(canvas.ops[i].kind, order[i]) << i;
    EXPECT_EQ(canvas.ops[1].at, (Point{-57, -40}));
    EXPECT_EQ(canvas.ops[2].rect, (Rect{0, 0, 300, 200}));
    EXPECT_EQ(canvas.ops[6].at, (Point{2, 2}));
    EXPECT_EQ(canvas.ops[6].pictureSize, (Size{9, 9}));
    EXPECT_EQ(canvas.ops[7].at, (Point{18, 0}));
    EXPECT_EQ(canvas.ops[7].text, L"Shut down");
    EXPECT_EQ(box.Width(), 54 + 18);
    EXPECT_EQ(box.Height(), 14);
}

TEST_F(CheckBoxTest, InSystemColoursAPlainBoxAndTheCaptionShowTheStateLegibly) {
    constexpr Color kText = 0xFF000008, kGrey = 0xFF000011, kWindow = 0xFF000005;
    const struct {
        CheckBoxStatus status;
        bool enabled;
        Color ink;
        bool marked;
    } cases[] = {{CheckBoxStatus::Checked, true, kText, true},
                 {CheckBoxStatus::Unchecked, true, kText, false},
                 {CheckBoxStatus::Grayed, false, kGrey, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.status));
        box.SetStatus(c.status);
        box.SetEnabled(c.enabled);
        canvas.ops.clear();
        box.PaintCheckBox(canvas, true);
        EXPECT_TRUE(canvas.OfKind(Kind::Picture).empty());
        const auto boxes = canvas.OfKind(Kind::Rectangle);
        ASSERT_EQ(boxes.size(), 1u);
        // The picture's place; a grayed box, which has no picture in this list, the default.
        EXPECT_EQ(boxes[0].rect,
                  c.status == CheckBoxStatus::Grayed ? (Rect{2, 2, 12, 12}) : (Rect{2, 2, 11, 11}));
        EXPECT_EQ(boxes[0].pen, c.ink);
        EXPECT_EQ(boxes[0].brush, kWindow);
        const auto fills = canvas.OfKind(Kind::Fill);
        EXPECT_EQ(fills.size(), c.marked ? 3u : 2u);  // two of the parent, then the mark
        if (c.marked) {
            EXPECT_EQ(fills.back().pen, c.ink);
        }
        const auto texts = canvas.OfKind(Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].font.color, c.ink);
        EXPECT_EQ(texts[0].at, (Point{18, 0}));
    }
}

TEST_F(CheckBoxTest, FitWidthTakesTheCaptionsWidthOnlyWhenAutosized) {
    test::FakeTextRenderer measurer;
    int changes = 0;
    box.host.invalidate = [&changes] { ++changes; };
    box.FitWidth(measurer);
    EXPECT_EQ(box.Width(), 54 + 18);
    EXPECT_EQ(measurer.measured, std::vector<std::wstring>{L"Shut down"});
    box.FitWidth(measurer);
    EXPECT_EQ(changes, 1);
    box.SetAutosize(false);
    box.SetCaption(L"Hibernate now");
    box.FitWidth(measurer);
    EXPECT_EQ(box.Width(), 54 + 18);
    EXPECT_EQ(changes, 1);
}

TEST_F(CheckBoxTest, CaptionPlacement) {
    struct Case {
        int captionLeft, captionTop, lineHeight;
        Point at;
    };
    const Case cases[] = {
        {0, -100, 13, {18, 0}},                          // centred against the 14-high box
        {0, -100, 10, {18, 2}}, {0, -100, 20, {18, 0}},  // the caption is the taller
        {0, 5, 13, {18, 5}},    {0, -99, 13, {18, -99}}, {6, -100, 13, {24, 0}},
    };
    for (const Case& c : cases) {
        canvas.metrics.lineHeight = c.lineHeight;
        box.SetCaptionLeft(c.captionLeft);
        box.SetCaptionTop(c.captionTop);
        EXPECT_EQ(canvas.OfKind(Kind::Text).at(0).at, c.at) << c.captionTop << "/" << c.lineHeight;
        EXPECT_EQ(box.Width(), 54 + 18 + c.captionLeft);
    }
}

TEST_F(CheckBoxTest, LargerPicturesWidenTheBox) {
    CheckBoxPictures large;
    large.SetPic(CheckBoxStatus::Unchecked, CheckBoxLook::Normal, Solid(20, 15, 7));
    box.SetPictureList(&large);
    EXPECT_EQ(canvas.OfKind(Kind::Picture).at(0).at, (Point{0, 0}));
    EXPECT_EQ(canvas.OfKind(Kind::Text).at(0).at, (Point{24, 1}));  // (15 - 13) div 2
    EXPECT_EQ(box.Width(), 54 + 24);
}

TEST_F(CheckBoxTest, MissingPicturesKeepTheDefaultBox) {
    box.SetStatus(CheckBoxStatus::Grayed);  // the list has no grayed pictures
    EXPECT_TRUE(box.CurrentPicture().Empty());
    EXPECT_TRUE(canvas.OfKind(Kind::Picture).empty());
    EXPECT_EQ(canvas.OfKind(Kind::Text).at(0).at, (Point{18, 0}));
    EXPECT_EQ(box.Width(), 54 + 18);

    box.SetPictureList(nullptr);
    box.SetStatus(CheckBoxStatus::Checked);
    EXPECT_TRUE(canvas.OfKind(Kind::Picture).empty());
    EXPECT_EQ(box.Width(), 54 + 18);
}

TEST_F(CheckBoxTest, AutosizeOnlyTouchesTheWidthAndOnlyWhenOn) {
    int resized = 0;
    box.host.invalidate = [&] { ++resized; };
    box.SetAutosize(false);
    box.SetBounds(57, 40, 201, 14);
    box.SetCaption(L"Do not prompt me in the future?");
    EXPECT_EQ(box.Width(), 201);
    EXPECT_EQ(resized, 0);
    log.clear();
    box.SetAutosize(false);
    EXPECT_TRUE(log.empty());
    box.SetAutosize(true);
    EXPECT_EQ(log, std::vector<std::string>{"paint"});
    EXPECT_EQ(box.Width(), 31 * 6 + 18);
    EXPECT_EQ(box.Height(), 14);
    EXPECT_EQ(resized, 1);
}

TEST_F(CheckBoxTest, WithoutAParentOnlyThePictureIsDrawn) {
    box.SetParent(nullptr);
    box.SetStatus(CheckBoxStatus::Checked);
    ASSERT_EQ(canvas.ops.size(), 1u);
    EXPECT_EQ(canvas.ops[0].kind, Kind::Picture);
}

TEST_F(CheckBoxTest, PictureFollowsStatusEnabledAndPointer) {
    struct Case {
        bool enabled, over;
        CheckBoxStatus status;
        CheckBoxLook look;
    };
    const Case cases[] = {
        {true, false, CheckBoxStatus::Checked, CheckBoxLook::Normal},
        {true, true, CheckBoxStatus::Checked, CheckBoxLook::MouseOn},
        {false, false, CheckBoxStatus::Checked, CheckBoxLook::Disabled},
        {true, false, CheckBoxStatus::Unchecked, CheckBoxLook::Normal},
        {true, true, CheckBoxStatus::Unchecked, CheckBoxLook::MouseOn},
        {false, true, CheckBoxStatus::Unchecked, CheckBoxLook::Disabled},
    };
    for (const Case& c : cases) {
        box.SetEnabled(true);
        box.SetStatus(c.status);
        if (c.over) {
            box.MouseEnter();
        } else {
            box.MouseLeave();
        }
        box.SetEnabled(c.enabled);
        EXPECT_EQ(box.CurrentPicture(), list.Pic(c.status, c.look))
            << c.enabled << c.over << int(c.status);
    }
}

TEST_F(CheckBoxTest, DisabledControlIgnoresThePointerAndKeepsMouseOver) {
    box.MouseEnter();
    EXPECT_EQ(box.Cursor(), CursorKind::Hand);
    box.SetEnabled(false);
    log.clear();
    box.MouseLeave();
    box.MouseEnter();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(box.Cursor(), CursorKind::Arrow);
    EXPECT_TRUE(box.MouseOver());

    box.SetEnabled(true);  // still shows the mouse-on picture
    EXPECT_EQ(box.CurrentPicture(), list.Pic(CheckBoxStatus::Unchecked, CheckBoxLook::MouseOn));
    box.MouseEnter();
    EXPECT_EQ(box.Cursor(), CursorKind::Hand);
    box.MouseLeave();
    EXPECT_EQ(box.CurrentPicture(), list.Pic(CheckBoxStatus::Unchecked, CheckBoxLook::Normal));
}

}  // namespace
}  // namespace dusk
