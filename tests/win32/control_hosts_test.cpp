// The image button and check box hosts on real windows: mouse routing, clicks, cursors, painting
// at once and the check box's see-through background.
#include <gtest/gtest.h>

#include "base/win32/window_base.h"
#include "controls/color_image_button.h"
#include "controls/test_pictures.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/check_box_window.h"
#include "controls/win32/dib_surface.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/image_button_host.h"
#include "gui_test_support.h"

namespace dusk::win32 {
namespace {

using test::CountDiffering;
using test::Solid;

constexpr Color kParentColor = 0x3366CC;
constexpr Color kNormal = 0x0000FF, kMouseOn = 0x00FF00, kMouseDown = 0xFF0000;

// A plain window that paints one colour, hosts one image button and is a check box's parent.
class HostWindow : public WindowBase, public ControlParent {
public:
    explicit HostWindow(ImageButton* button = nullptr) {
        Creation creation{L"DuskTestHostWindow"};
        creation.classStyle = CS_DBLCLKS;
        creation.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        creation.bounds = {50, 50, 250, 150};
        CreateWindowFor(creation);
        if (button) host_.emplace(Handle(), *button, Point{10, 10});
    }
    ImageButtonHost& Host() { return *host_; }
    int contentPaints = 0;

    Size ClientSize() const override { return {200, 100}; }
    void EraseBackground(Canvas& canvas) override {
        canvas.FillRectangle({0, 0, 200, 100}, kParentColor);
    }
    void PaintContent(Canvas& canvas) override {
        ++contentPaints;
        canvas.FillRectangle({0, 50, 200, 100}, 0x00FFFF);  // a yellow band on the lower half
        if (host_) {
            canvas.SaveState();
            canvas.MoveOrigin(10, 10);
            host_->Paint(canvas);
            canvas.RestoreState();
        }
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const POINT at = MousePoint(lParam);
        switch (message) {
            case WM_ERASEBKGND:
                return TRUE;
            case WM_PAINT:
                PaintWindowBuffered(Handle(), [this](Canvas& canvas) {
                    EraseBackground(canvas);
                    PaintContent(canvas);
                });
                return 0;
            case WM_MOUSEMOVE:
                if (host_) host_->MouseMove(at);
                return 0;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                if (host_) host_->LeftButtonDown(at, message == WM_LBUTTONDBLCLK);
                return 0;
            case WM_LBUTTONUP:
                if (host_) host_->LeftButtonUp(at);
                return 0;
            default:
                return Default(message, wParam, lParam);
        }
    }

private:
    std::optional<ImageButtonHost> host_;
};

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void Post(HWND window, UINT message, POINT at) {
    ::PostMessageW(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                   MAKELPARAM(at.x, at.y));
}

class ImageButtonHostTest : public ::testing::Test {
protected:
    ImageButtonHostTest() : button(text) {
        for (ButtonState state : {ButtonState::Normal, ButtonState::MouseOn, ButtonState::MouseDown,
                                  ButtonState::Disabled}) {
            const Color color = state == ButtonState::MouseOn     ? kMouseOn
                                : state == ButtonState::MouseDown ? kMouseDown
                                                                  : kNormal;
            list.SetPic(ButtonColor::Blue, state, Solid(40, 20, color, 255));
        }
        button.SetEnableAnimation(false);
        button.SetBounds(30, 20, 40, 20);  // at (40, 30) in the window
        button.SetPictureList(&list);
        button.onClick = [this] { ++clicks; };
        Pump();
    }

    GdiTextRenderer text;
    ImageButtonPictures list;
    ColorImageButton button;
    HostWindow window{&button};
    int clicks = 0;
};

TEST_F(ImageButtonHostTest, ClicksNeedAPressAndAReleaseOnTheButton) {
    const struct {
        const char* name;
        std::vector<std::pair<UINT, POINT>> messages;
        int clicks;
    } cases[] = {
        {"press and release on it", {{WM_LBUTTONDOWN, {45, 35}}, {WM_LBUTTONUP, {60, 45}}}, 1},
        {"released off it", {{WM_LBUTTONDOWN, {45, 35}}, {WM_LBUTTONUP, {150, 35}}}, 0},
        {"pressed off it", {{WM_LBUTTONDOWN, {5, 5}}, {WM_LBUTTONUP, {45, 35}}}, 0},
        {"double click",
         {{WM_LBUTTONDOWN, {45, 35}},
          {WM_LBUTTONUP, {45, 35}},
          {WM_LBUTTONDBLCLK, {45, 35}},
          {WM_LBUTTONUP, {45, 35}}},
         1},
    };
    for (const auto& c : cases) {
        clicks = 0;
        for (const auto& [message, at] : c.messages) Post(window.Handle(), message, at);
        Pump();
        EXPECT_EQ(clicks, c.clicks) << c.name;
        EXPECT_EQ(::GetCapture(), nullptr) << c.name;
    }
}

TEST_F(ImageButtonHostTest, EachLookIsOnScreenBeforeTheHandlerReturns) {
    Pump();
    ::UpdateWindow(window.Handle());
    const RECT bounds = window.Host().Bounds();
    const Rect face{bounds.left, bounds.top, bounds.right, bounds.bottom};
    // Captured without letting pending paints run: only a paint made at once shows.
    button.MouseEnter();
    EXPECT_EQ(CountDiffering(test::CaptureWindow(window.Handle(), false), face, kMouseOn, 0), 0);
    button.MouseDown(MouseButton::Left, false);
    EXPECT_EQ(CountDiffering(test::CaptureWindow(window.Handle(), false), face, kMouseDown, 0), 0);
    button.MouseUp(MouseButton::Left, true);  // a click: back to the normal look
    EXPECT_EQ(CountDiffering(test::CaptureWindow(window.Handle(), false), face, kNormal, 0), 0);
    EXPECT_EQ(CountDiffering(test::CaptureWindow(window.Handle(), false), {0, 0, 40, 30},
                             kParentColor, 0),
              0);
}

TEST_F(ImageButtonHostTest, MovingAwayRestoresWhatWasBehind) {
    button.SetBounds(100, 20, 40, 20);
    Pump();
    const Picture pixels = test::CaptureWindow(window.Handle());
    EXPECT_EQ(CountDiffering(pixels, {40, 30, 80, 50}, kParentColor, 0), 0);
    EXPECT_EQ(CountDiffering(pixels, {110, 30, 150, 50}, kNormal, 0), 0);
}

TEST_F(ImageButtonHostTest, CursorIsTheHandOverAnEnabledButton) {
    EXPECT_TRUE(window.Host().SetCursorAt({45, 35}));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
    EXPECT_FALSE(window.Host().SetCursorAt({5, 5}));
    button.SetEnabled(false);
    window.Host().MouseMove({45, 35});  // entering a disabled button gives the arrow
    EXPECT_TRUE(window.Host().SetCursorAt({45, 35}));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}

class CheckBoxWindowTest : public ::testing::Test {
protected:
    CheckBoxWindowTest() : boxWindow(box) {
        list.SetPic(CheckBoxStatus::Unchecked, CheckBoxLook::Normal, Solid(10, 10, 0xFFFFFF, -1));
        list.SetPic(CheckBoxStatus::Checked, CheckBoxLook::Normal, Solid(10, 10, 0x000000, -1));
        list.SetPic(CheckBoxStatus::Unchecked, CheckBoxLook::MouseOn, Solid(10, 10, 0xFFFFFF, -1));
        list.SetPic(CheckBoxStatus::Checked, CheckBoxLook::MouseOn, Solid(10, 10, 0x000000, -1));
        box.SetBounds(20, 40, 150, 14);  // across the edge of the yellow band at y 50
        box.SetCaption(L"Box");
        box.SetFont({L"Tahoma", 12, false, 0x434343});
        box.SetPictureList(&list);
        box.SetParent(&parent);
        box.onClick = [this] { ++clicks; };
        boxWindow.Create(parent.Handle(), {0, 0});
        Pump();
    }

    Picture Printed() {
        RECT client{};
        ::GetClientRect(boxWindow.Handle(), &client);
        DibSurface surface(client.right, client.bottom);
        ::SendMessageW(boxWindow.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()),
                       PRF_CLIENT);
        return surface.ToPicture();
    }

    HostWindow parent;
    CheckBoxPictures list;
    ImageCheckBox box;
    CheckBoxWindow boxWindow;
    int clicks = 0;
};

TEST_F(CheckBoxWindowTest, ShowsTheParentBehindPictureAndCaption) {
    const Picture pixels = Printed();
    // Autosize fitted the window to box and caption.
    EXPECT_EQ(pixels.Width(), box.Width());
    EXPECT_LT(box.Width(), 150);
    // The 10 x 10 picture at (2, 2) of the 14 x 14 box; the parent's colours around it, its
    // yellow band from the window's y 50 (the box's y 10) on.
    EXPECT_EQ(CountDiffering(pixels, {2, 2, 12, 12}, 0xFFFFFF, 0), 0);
    EXPECT_EQ(CountDiffering(pixels, {0, 0, 14, 2}, kParentColor, 0), 0);
    EXPECT_EQ(CountDiffering(pixels, {0, 12, 2, 14}, 0x00FFFF, 0), 0);
    // The caption's ink lies right of the box, over the parent's colour.
    EXPECT_GT(CountDiffering(pixels, {18, 0, box.Width(), 10}, kParentColor, 30), 5);
    EXPECT_EQ(CountDiffering(pixels, {14, 0, 17, 10}, kParentColor, 0), 0);
}

TEST_F(CheckBoxWindowTest, APaintDrawsTheParentOnceOnlyToShowItBehindTheBox) {
    parent.contentPaints = 0;
    ::InvalidateRect(boxWindow.Handle(), nullptr, FALSE);
    ::UpdateWindow(boxWindow.Handle());
    EXPECT_EQ(parent.contentPaints, 1);
}

// A control may outlive its host; a change made later must not call into the freed host.
TEST_F(CheckBoxWindowTest, HostsUnhookTheirControlsWhenTheyGo) {
    ImageCheckBox otherBox;
    {
        CheckBoxWindow window(otherBox);
        window.Create(parent.Handle(), {0, 0});
    }
    ASSERT_FALSE(otherBox.host.repaintNow);
    ASSERT_FALSE(otherBox.host.invalidate);
    otherBox.SetStatus(CheckBoxStatus::Checked);

    GdiTextRenderer text;
    ColorImageButton button(text);
    { ImageButtonHost host(parent.Handle(), button); }
    ASSERT_FALSE(button.host.repaintNow);
    ASSERT_FALSE(button.host.invalidate);
    button.SetEnabled(false);
}

TEST_F(CheckBoxWindowTest, DoubleClickTogglesOnce) {
    const HWND window = boxWindow.Handle();
    Post(window, WM_LBUTTONDOWN, {5, 5});
    Post(window, WM_LBUTTONUP, {5, 5});
    Post(window, WM_LBUTTONDBLCLK, {5, 5});
    Post(window, WM_LBUTTONUP, {5, 5});
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(box.Status(), CheckBoxStatus::Checked);
    EXPECT_EQ(CountDiffering(Printed(), {2, 2, 12, 12}, 0x000000, 0), 0);
    Post(window, WM_LBUTTONDOWN, {5, 5});
    Post(window, WM_LBUTTONUP, {400, 5});  // released off the box: no click
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(box.Status(), CheckBoxStatus::Checked);
}

}  // namespace
}  // namespace dusk::win32
