// The windows and the menu at the display scale the Wine prefix reports (its LogPixels): each
// sized for it, pictures drawn for it, with a capture of each for review. scripts/dpi-captures.sh
// runs this at 96, 120, 144 and 192 DPI and names the DPI it set in DUSK_EXPECTED_DPI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "controls/picture_ops.h"
#include "controls/win32/window_scale.h"
#include "core/task_controller.h"
#include "core/win32/regional_settings_reader.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_companion.h"
#include "fakes/fake_countdown_runner.h"
#include "fakes/fake_logon_start.h"
#include "fakes/fake_startup_shortcut.h"
#include "fakes/fake_task_registration.h"
#include "fakes/memory_settings_store.h"
#include "fakes/recording_activity_log.h"
#include "gui_test_support.h"
#include "program_pictures_test.h"
#include "shell/background_notice.h"
#include "shell/tray_menu.h"
#include "shell/win32/countdown_window.h"
#include "shell/win32/main_window.h"
#include "shell/win32/notice_window.h"
#include "shell/win32/tray_popup_menu.h"

namespace dusk::win32 {
namespace {

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

class NoPowerAction : public PowerAction {
public:
    std::uint32_t Perform(TaskAction) override {
        ADD_FAILURE() << "no action may be performed";
        return 0;
    }
};

Size ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void ExpectScaled(HWND window, Size design, DisplayScale scale) {
    const Size client = ClientSize(window);
    EXPECT_NEAR(client.width, design.width * scale.Dpi() / 96.0, 2);
    EXPECT_NEAR(client.height, design.height * scale.Dpi() / 96.0, 2);
}

class DisplayScaleTest : public test::OwnedWindowTest {
protected:
    std::string Name(const char* window) const {
        return "dpi_" + std::to_string(scale.Percent()) + "_" + window + ".png";
    }
    Picture ShowAndCapture(HWND window) {
        ::ShowWindow(window, SW_SHOWNA);
        Pump();
        Picture picture = test::CaptureWindow(window);
        ::ShowWindow(window, SW_HIDE);
        return picture;
    }

    DisplayScale scale;
    test::FakeCompanion companion;
    std::uint8_t skinCode = 1;
};

TEST_F(DisplayScaleTest, WindowsAndMenuAreLaidOutAndDrawnForTheDisplayScale) {
    test::FakeClock clock{*DateTime::FromParts({2026, 12, 8, 8, 30, 0, 0})};
    RegionalFormats formats{ReadUserRegionalSettings()};
    test::MemorySettingsStore store;
    test::FakeTaskRegistration registration;
    test::FakeCountdownRunner countdown;
    test::FakeStartupShortcut shortcut;
    NoPowerAction power;
    TaskRecord task;
    FakeLogonStart logonStart;
    TaskStore taskStore{store, formats, L"C:\\Relay", logonStart};
    MessageBoxUserPrompts prompts{companion, resources->catalogue, nullptr};
    RecordingActivityLog log;
    TaskView view{task, resources->catalogue, formats, clock};
    std::optional<TaskController> controller;
    MainWindowEvents events;
    events.onFirstShow = [&] { controller->OnFirstShow(); };
    MainWindow main{*resources, view, events, skinCode, companion};
    ASSERT_TRUE(main.Create(owner));
    controller.emplace(
        task, view,
        TaskControllerServices{clock, formats, resources->catalogue, taskStore, prompts,
                               registration, countdown, main, shortcut, power, log, L"windows10"});

    // The prefix's DPI reaches the program: it is aware of it, not stretched by the system.
    scale = ScaleOf(main.Handle());
    if (const char* expected = std::getenv("DUSK_EXPECTED_DPI")) {
        EXPECT_EQ(scale.Dpi(), std::atoi(expected));
    }
    main.Show();
    Pump();
    ExpectScaled(main.Handle(), {700, 524}, scale);
    // A change of scale moves the window where Windows suggests, sized for the scale it has.
    RECT suggested{40, 30, 41, 31};
    ::SendMessageW(main.Handle(), WM_DPICHANGED, MAKEWPARAM(scale.Dpi(), scale.Dpi()),
                   reinterpret_cast<LPARAM>(&suggested));
    RECT placed{};
    ::GetWindowRect(main.Handle(), &placed);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 30);
    ExpectScaled(main.Handle(), {700, 524}, scale);
    const Picture mainPixels = test::CaptureWindow(main.Handle());
    EXPECT_TRUE(test::SaveArtifact(mainPixels, Name("main")));
    // The product picture is drawn from the set for the scale, not enlarged from 100 %: on its
    // white page it shows exactly the picture drawn for the nearest set.
    const Picture& product = resources->main.product;
    const DetailedPictures* detailed = resources->DetailedFor(scale);
    const Picture* drawn = detailed != nullptr ? detailed->Find(product) : &product;
    ASSERT_NE(drawn, nullptr);
    const Rect place = scale.Of(Rect{20 + 34, 72 + 16, 20 + 34 + 64, 72 + 16 + 64});
    Picture expected(place.Width(), place.Height(), false);
    for (std::uint8_t& byte : expected.ColorBytes()) byte = 0xFF;
    CompositeOnto(expected,
                  drawn->Width() == place.Width()
                      ? *drawn
                      : ResamplePicture(*drawn, place.Width(), place.Height()),
                  {0, 0});
    EXPECT_EQ(test::CountMismatches(mainPixels, {place.left, place.top}, expected, 2), 0);
    // Start Task's face is composed at the scale, not enlarged: every opaque pixel on screen,
    // the caption's included, is the face composed from the pictures drawn for the scale.
    const ColorImageButton& start = main.Page().StartTaskButton();
    const Picture& face = start.FaceAt(scale, detailed);
    EXPECT_NEAR(face.Width(), start.Width() * scale.Dpi() / 96.0, 1);
    POINT corner{scale.Length(start.Left()), scale.Length(start.Top())};
    ::MapWindowPoints(main.Page().Handle(), main.Handle(), &corner, 1);
    Picture opaque = test::Crop(
        mainPixels, {corner.x, corner.y, corner.x + face.Width(), corner.y + face.Height()});
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width(); ++x) {
            if (face.AlphaAt(x, y) == 255) opaque.SetColorAt(x, y, face.ColorAt(x, y));
        }
    }
    EXPECT_EQ(test::CountMismatches(mainPixels, {corner.x, corner.y}, opaque, 2), 0);
    main.Hide();

    CountdownWindow countdownWindow{*resources, skinCode, companion};
    ASSERT_TRUE(countdownWindow.Create(owner));
    ExpectScaled(countdownWindow.Handle(), {369, 200}, scale);
    EXPECT_TRUE(test::SaveArtifact(ShowAndCapture(countdownWindow.Handle()), Name("countdown")));

    BackgroundNotice notice{store};
    NoticeWindow noticeWindow{*resources, notice, skinCode, companion};
    ASSERT_TRUE(noticeWindow.Create(owner));
    ExpectScaled(noticeWindow.Handle(), {356, 220}, scale);
    EXPECT_TRUE(test::SaveArtifact(ShowAndCapture(noticeWindow.Handle()), Name("notice")));

    TrayPopupMenu menu{TrayMenuItems()};
    menu.SetCheckPictures(resources->menuChecks);
    Picture menuPixels;
    int ticks = 0;
    {
        const test::ThreadTicker ticker([&] {
            const HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
            if (++ticks > 50 || (menuWindow != nullptr && ::IsWindowVisible(menuWindow))) {
                if (menuWindow != nullptr) menuPixels = test::CaptureWholeWindow(menuWindow);
                ::EndMenu();
            }
        });
        menu.Menu().ShowAt({100, 100});
    }
    ASSERT_FALSE(menuPixels.Empty()) << "the menu never showed";
    EXPECT_TRUE(test::SaveArtifact(menuPixels, Name("menu")));
}

}  // namespace
}  // namespace dusk::win32
