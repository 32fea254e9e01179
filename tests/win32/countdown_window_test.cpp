// The countdown window for real: its layout in every skin, a countdown driven tick by tick to
// its end, a cancel answered through the companion, and the modal rules.
#include "shell/win32/countdown_window.h"

#include <gtest/gtest.h>

#include <optional>

#include "controls/picture_ops.h"
#include "controls/win32/keyboard_navigation.h"
#include "fakes/fake_companion.h"
#include "gui_test_support.h"
#include "program_pictures_test.h"
#include "shell/skin.h"
#include "shell/skin_selection.h"
#include "shell/tray_menu.h"
#include "shell/win32/tray_popup_menu.h"

namespace dusk::win32 {
namespace {

using test::CountDiffering;
using test::CountMismatches;
using test::Crop;

class CountdownWindowTest : public test::OwnedWindowTest {
protected:
    void SetUp() override {
        OwnedWindowTest::SetUp();
        ASSERT_TRUE(window.Create(owner));
    }

    void PostTicks(int count) {
        for (int i = 0; i < count; ++i) {
            ::PostMessageW(window.Handle(), WM_TIMER, CountdownWindow::kTickTimerId, 0);
        }
    }
    POINT CancelButtonCentre() const { return {210 + 135 / 2, 155 + 33 / 2}; }
    POINT PostponeButtonCentre() const { return {65 + 135 / 2, 155 + 33 / 2}; }

    // The panel as it must look with the digits shown: backdrop and digits over the panel
    // colour.
    Picture ExpectedPanel(int tens, int units) {
        Picture panel(363, 173, false);
        const Color color = SkinFor(skinCode).innerPanel;
        for (int y = 0; y < panel.Height(); ++y) {
            for (int x = 0; x < panel.Width(); ++x) panel.SetColorAt(x, y, color);
        }
        CompositeOnto(panel, resources->countdown.backdrop, {97, 34});
        CompositeOnto(panel, resources->countdown.digits[tens], {192, 52});
        CompositeOnto(panel, resources->countdown.digits[units], {226, 53});
        CompositeOnto(panel, window.DialogButton(CountdownWindow::kCancelButton).Picture(),
                      {207, 131});
        CompositeOnto(panel, window.DialogButton(CountdownWindow::kPostponeButton).Picture(),
                      {62, 131});
        return panel;
    }

    // What the window must show, in window coordinates, whatever the skin.
    void ExpectLayout(const Picture& pixels, int tens, int units) {
        ASSERT_EQ(pixels.Width(), 369);
        ASSERT_EQ(pixels.Height(), 200);
        const Skin& colours = SkinFor(skinCode);
        const Picture& frame = resources->frames.For(skinCode);
        // Corners are copied unstretched; the panel covers the frame's inner pixels below.
        const struct {
            Rect at, from;
        } corners[] = {{{0, 0, 5, 15}, {0, 0, 5, 15}},
                       {{364, 0, 369, 15}, {15, 0, 20, 15}},
                       {{366, 197, 369, 200}, {17, 17, 20, 20}},
                       {{0, 197, 3, 200}, {0, 17, 3, 20}}};
        for (const auto& corner : corners) {
            EXPECT_EQ(CountMismatches(pixels, {corner.at.left, corner.at.top},
                                      Crop(frame, corner.from), 0),
                      0)
                << "corner at " << corner.at.left << "," << corner.at.top;
        }
        EXPECT_EQ(CountDiffering(pixels, {250, 15, 364, 24}, colours.window, 0), 0);
        EXPECT_EQ(CountDiffering(pixels, {5, 28, 15, 60}, colours.innerPanel, 0), 0);
        EXPECT_EQ(CountDiffering(pixels, {10, 160, 60, 190}, colours.innerPanel, 0), 0);
        // Digits over their backdrop, Postpone at (65, 155)-(200, 188) and Cancel Task at
        // (210, 155)-(345, 188).
        const Picture panel = ExpectedPanel(tens, units);
        EXPECT_EQ(CountMismatches(pixels, {195, 76}, Crop(panel, {192, 52, 256, 103}), 2), 0);
        EXPECT_EQ(CountMismatches(pixels, {65, 155}, Crop(panel, {62, 131, 342, 164}), 2), 0);
        // The white title and the caption carry ink where they belong.
        const Rect title{8, 5, 160, 20};
        const int white =
            title.Width() * title.Height() - CountDiffering(pixels, title, 0xFFFFFF, 40);
        EXPECT_GT(white, 40);
        EXPECT_GT(CountDiffering(pixels, {100, 36, 300, 52}, colours.innerPanel, 40), 40);
    }

    // Starts the countdown and runs this thread's messages until it has ended, as the program's
    // own message loop would.
    CountdownOutcome RunToEnd() {
        std::optional<CountdownOutcome> outcome;
        window.Start(action, [&outcome](CountdownOutcome ended) { outcome = ended; });
        MSG message{};
        while (!outcome && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchWithNavigation(message);
        }
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(CountdownOutcome::Interrupted);
    }

    TaskAction action = TaskAction::ShutDown;
    std::uint8_t skinCode = 1;
    test::FakeCompanion companion;
    CountdownWindow window{*resources, skinCode, companion};
    test::StepPoster steps;
};

TEST_F(CountdownWindowTest, EverySkinLaysTheWindowOutAsDesigned) {
    const char* names[] = {"", "blue", "green", "black", "yellow", "red"};
    for (std::uint8_t code = 1; code <= 5; ++code) {
        SCOPED_TRACE(names[code]);
        skinCode = code;
        window.ApplySkin();
        EXPECT_EQ(window.DialogButton(CountdownWindow::kPostponeButton).Color(),
                  SkinFor(code).button);
        steps.Post([&] {
            const Picture screen = test::CaptureWindow(window.Handle());
            ExpectLayout(screen, 3, 0);
            EXPECT_EQ(screen, window.RenderClient());  // on screen exactly as painted
            EXPECT_EQ(window.LastFramePicture(), &resources->frames.For(code));
            EXPECT_TRUE(
                test::SaveArtifact(screen, std::string("countdown_") + names[code] + ".png"));
        });
        PostTicks(31);
        EXPECT_EQ(RunToEnd(), CountdownOutcome::RanOut);
    }
}

TEST_F(CountdownWindowTest, ShowsTopmostCentredAndModalThenHides) {
    // Another window on screen, as the main window is: it must take no input meanwhile.
    const HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 10,
                                         10, nullptr, nullptr, nullptr, nullptr);
    steps.Post([&] {
        EXPECT_TRUE(::IsWindowVisible(window.Handle()));
        EXPECT_TRUE(::GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_FALSE(::IsWindowEnabled(owner));
        EXPECT_FALSE(::IsWindowEnabled(other));
        RECT bounds{};
        ::GetWindowRect(window.Handle(), &bounds);
        EXPECT_EQ(bounds.right - bounds.left, 369);
        EXPECT_EQ(bounds.bottom - bounds.top, 200);
        EXPECT_NEAR((bounds.left + bounds.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((bounds.top + bounds.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        EXPECT_EQ(window.Logic().Caption(), L"Time before shutdown:");
        EXPECT_EQ(::SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), 1);
    });
    PostTicks(31);
    EXPECT_EQ(RunToEnd(), CountdownOutcome::RanOut);
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    EXPECT_TRUE(::IsWindow(window.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_TRUE(::IsWindowEnabled(other));
    EXPECT_FALSE(window.Logic().tickTimer.Enabled());
    ::DestroyWindow(other);
}

TEST_F(CountdownWindowTest, TicksRunDownToZeroAndCloseOnTheTickShowingIt) {
    PostTicks(30);
    steps.Post([&] {
        EXPECT_TRUE(::IsWindowVisible(window.Handle()));
        ExpectLayout(test::CaptureWindow(window.Handle()), 0, 1);
    });
    PostTicks(1);
    steps.Post([&] { ADD_FAILURE() << "still modal after the tick that shows 00"; });
    EXPECT_EQ(RunToEnd(), CountdownOutcome::RanOut);
    EXPECT_EQ(window.Logic().TensDigit(), 0);
    EXPECT_EQ(window.Logic().UnitsDigit(), 0);
}

TEST_F(CountdownWindowTest, CancelIsAskedAndNoResumesTheCount) {
    companion.answers = {kAnswerNo, kAnswerYes};
    PostTicks(5);  // shows 26, next 25
    // Each step posts what follows it, so that it runs after the messages it posted.
    steps.Post([&] {
        test::PostClick(window.Handle(), CancelButtonCentre());
        PostTicks(3);
        steps.Post([&] {
            ASSERT_EQ(companion.boxes.size(), 1u);
            EXPECT_EQ(companion.boxes[0].owner, window.Handle());
            EXPECT_EQ(companion.boxes[0].text,
                      L"Are you sure you want to cancel the current task?");
            EXPECT_EQ(companion.boxes[0].caption, L"Tolvane Dusk Relay");
            EXPECT_EQ(companion.boxes[0].style, kMbQuestionYesNo);
            EXPECT_EQ(window.Logic().SecondsLeft(), 22);  // the No kept counting from 25
            test::PostClick(window.Handle(), CancelButtonCentre());
        });
    });
    EXPECT_EQ(RunToEnd(), CountdownOutcome::Cancelled);
    EXPECT_EQ(companion.boxes.size(), 2u);
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));

    // The next showing starts afresh and is not cancelled.
    PostTicks(31);
    EXPECT_EQ(RunToEnd(), CountdownOutcome::RanOut);
    EXPECT_EQ(companion.boxes.size(), 2u);
}

TEST_F(CountdownWindowTest, PostponeOpensTheProgramMenuAndEndsWithTheLengthChosen) {
    TrayPopupMenu menu{PostponeMenuItems()};
    menu.SetCheckPictures(resources->menuChecks);
    window.choosePostpone = [&](POINT at) { return menu.Menu().ShowAt(at); };
    const struct {
        std::uint8_t skin;
        const char* name;
        int downs;
        int minutes;
    } cases[] = {{1, "blue", 2, 30}, {5, "red", 3, 60}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        skinCode = c.skin;
        window.ApplySkin();
        const int slot = MenuPaletteSlotFor(SkinFor(c.skin).button);
        menu.SetPaletteSlot(slot);
        const test::MenuChooser chooser(c.downs);
        steps.Post([&] { test::PostClick(window.Handle(), PostponeButtonCentre()); });
        EXPECT_EQ(RunToEnd(), CountdownOutcome::Postponed);
        EXPECT_EQ(window.PostponedMinutes(), c.minutes);
        EXPECT_FALSE(::IsWindowVisible(window.Handle()));
        const Picture& drawn = chooser.menu;
        ASSERT_FALSE(drawn.Empty()) << "the menu never showed";
        // Three items in the skin's menu palette, framed in its border colour.
        const PopupMenuPalette& palette = *SkinMenuPalettes().Slot(slot);
        EXPECT_EQ(test::CountDiffering(drawn, {0, 0, drawn.Width(), 1}, palette.border, 0), 0);
        EXPECT_GE(drawn.Height(), 3 * 21);
        EXPECT_TRUE(test::SaveArtifact(drawn, std::string("postpone_menu_") + c.name + ".png"));
        EXPECT_TRUE(test::SaveArtifact(chooser.screen,
                                       std::string("countdown_postpone_") + c.name + ".png"));
    }
}

TEST_F(CountdownWindowTest, ClosingFromTheKeyboardAsksToCancel) {
    companion.answers = {kAnswerNo, kAnswerYes};
    steps.Post([&] {
        ::PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
        steps.Post([&] {
            EXPECT_EQ(companion.boxes.size(), 1u);
            EXPECT_TRUE(::IsWindowVisible(window.Handle()));  // No: still counting
            ::PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
        });
    });
    EXPECT_EQ(RunToEnd(), CountdownOutcome::Cancelled);
    EXPECT_TRUE(::IsWindow(window.Handle()));
}

TEST_F(CountdownWindowTest, ASecondStartEndsAtOnceAndTheFirstCountsOn) {
    std::optional<CountdownOutcome> second;
    PostTicks(10);
    steps.Post([&] {
        window.Start(action, [&second](CountdownOutcome ended) { second = ended; });
        EXPECT_EQ(second, CountdownOutcome::Interrupted);
        PostTicks(21);
    });
    EXPECT_EQ(RunToEnd(), CountdownOutcome::RanOut);
    EXPECT_EQ(window.Logic().SecondsLeft(), -1);  // one count of 31 ticks, not restarted at 30
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

TEST_F(CountdownWindowTest, AWindowHiddenBeforeZeroPerformsNothing) {
    PostTicks(3);
    steps.Post([&] { ::ShowWindow(window.Handle(), SW_HIDE); });
    EXPECT_EQ(RunToEnd(), CountdownOutcome::Interrupted);
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

}  // namespace
}  // namespace dusk::win32
