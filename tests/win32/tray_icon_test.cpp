// The notification-area icon for real: the records it hands to the platform (recorded, as there
// is no task bar under Xvfb), its mouse messages on the program's hidden window, its menu opened
// and drawn, and the recreated task bar.
#include "shell/win32/tray_icon.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "fakes/fake_companion.h"
#include "fakes/recording_activity_log.h"
#include "fakes/recording_power_api.h"
#include "gui_test_support.h"
#include "shell/skin_selection.h"
#include "shell/tray_menu.h"
#include "shell/win32/resource_window.h"
#include "shell/win32/tray_popup_menu.h"
#include "system/power_action_performer.h"

namespace dusk::win32 {
namespace {

struct NotifyCall {
    DWORD message;
    NOTIFYICONDATAW record;
};
std::vector<NotifyCall> g_notified;

BOOL WINAPI RecordNotify(DWORD message, PNOTIFYICONDATAW data) {
    g_notified.push_back({message, *data});
    return TRUE;
}

// The program's hidden window: its procedure hands every message to the icon first.
class HiddenWindow : public WindowBase {
public:
    explicit HiddenWindow(TrayIcon& icon) : icon_(icon) {
        Creation creation{L"DuskTrayTestHidden"};
        creation.style = WS_POPUP;
        CreateWindowFor(creation);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (icon_.HandleMessage(message, wParam, lParam)) return 0;
        return Default(message, wParam, lParam);
    }

private:
    TrayIcon& icon_;
};

// Stands in for the main window: hidden until restored.
class MainWindow : public WindowBase, public MainWindowHost {
public:
    MainWindow() {
        Creation creation{L"DuskTrayTestMain"};
        creation.style = WS_OVERLAPPEDWINDOW;
        creation.bounds = {50, 50, 350, 250};
        CreateWindowFor(creation);
    }
    void Hide() override { ::ShowWindow(Handle(), SW_HIDE); }
    void Minimize() override { ::ShowWindow(Handle(), SW_MINIMIZE); }
    void Restore() override {
        ::ShowWindow(Handle(), SW_SHOWNORMAL);
        ::SetForegroundWindow(Handle());
    }
};

// The icon's colour bitmap as 0xAARRGGBB pixels, top-down.
std::vector<std::uint32_t> IconPixels(HICON icon, int width, int height) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return {};
    const UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(std::size_t(width * height));
    const HDC screen = ::GetDC(nullptr);
    const int rows =
        ::GetDIBits(screen, color.Get(), 0, UINT(height), pixels.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return rows == height ? pixels : std::vector<std::uint32_t>{};
}

std::uint32_t Argb(const Picture& picture, int x, int y) {
    const Color c = picture.ColorAt(x, y);  // 0x00BBGGRR
    return std::uint32_t(picture.AlphaAt(x, y)) << 24 | (c & 0xFF) << 16 | (c & 0xFF00) |
           (c >> 16 & 0xFF);
}

class TrayIconTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        resources = new ResourceWindow;
        resources->Create(nullptr);
    }
    static void TearDownTestSuite() { delete resources; }
    void SetUp() override { g_notified.clear(); }

    static ResourceWindow* resources;
};
ResourceWindow* TrayIconTest::resources = nullptr;

TEST_F(TrayIconTest, RecordsAddModifyReAddAndDelete) {
    {
        TrayIcon icon(L"Tolvane Dusk Relay", RecordNotify);
        HiddenWindow window(icon);
        icon.Model().SetHint(L"changed before the add: nothing is sent");
        EXPECT_TRUE(g_notified.empty());
        icon.Model().SetHint(L"Tolvane Dusk Relay");
        ASSERT_TRUE(icon.Add(window.Handle(), resources->trayIcons));

        ASSERT_EQ(g_notified.size(), 1u);
        const NOTIFYICONDATAW& added = g_notified[0].record;
        EXPECT_EQ(g_notified[0].message, DWORD(NIM_ADD));
        EXPECT_EQ(added.cbSize, DWORD(NOTIFYICONDATAW_V2_SIZE));
        if (sizeof(void*) == 4) {
            EXPECT_EQ(added.cbSize, 936u);
        }
        EXPECT_EQ(added.hWnd, window.Handle());
        EXPECT_EQ(added.uID, 1u);
        EXPECT_EQ(added.uFlags, 7u);
        EXPECT_EQ(added.uCallbackMessage, 0x401u);
        EXPECT_STREQ(added.szTip, L"Tolvane Dusk Relay");

        // The icon is the picture, colours and straight alpha.
        const Picture& noTask = resources->trayIcons[0];
        const std::vector<std::uint32_t> pixels =
            IconPixels(added.hIcon, noTask.Width(), noTask.Height());
        ASSERT_EQ(pixels.size(), std::size_t(noTask.Width() * noTask.Height()));
        int differing = 0;
        for (int y = 0; y < noTask.Height(); ++y) {
            for (int x = 0; x < noTask.Width(); ++x) {
                differing += pixels[std::size_t(y * noTask.Width() + x)] != Argb(noTask, x, y);
            }
        }
        EXPECT_EQ(differing, 0);

        // A task is set, with a hint too long for the platform's tip.
        icon.Model().Show(kIndicatorTaskSet, std::wstring(200, L'h'));
        ASSERT_EQ(g_notified.size(), 2u);
        EXPECT_EQ(g_notified[1].message, DWORD(NIM_MODIFY));
        EXPECT_EQ(std::wcslen(g_notified[1].record.szTip), 127u);
        EXPECT_NE(g_notified[1].record.hIcon, added.hIcon);

        // The task bar was recreated: the icon is added again as it is now.
        ::SendMessageW(window.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        ASSERT_EQ(g_notified.size(), 3u);
        EXPECT_EQ(g_notified[2].message, DWORD(NIM_ADD));
        EXPECT_EQ(g_notified[2].record.hIcon, g_notified[1].record.hIcon);
        EXPECT_EQ(std::wcslen(g_notified[2].record.szTip), 127u);
    }
    ASSERT_EQ(g_notified.size(), 4u);
    EXPECT_EQ(g_notified[3].message, DWORD(NIM_DELETE));
    EXPECT_EQ(g_notified[3].record.uID, 1u);
}

TEST_F(TrayIconTest, TheEarlyWarningIsABalloonWithTheProgramsIconAndItsClickShowsTheWindow) {
    MainWindow mainWindow;
    TrayIcon icon(L"Tolvane Dusk Relay", RecordNotify);
    HiddenWindow window(icon);
    icon.onBalloonClick = [&] { mainWindow.Restore(); };
    EXPECT_FALSE(icon.ShowBalloon(L"Tolvane Dusk Relay", L"early"));  // not added yet
    ASSERT_TRUE(icon.Add(window.Handle(), resources->trayIcons));
    const std::wstring longText(300, L'x');
    ASSERT_TRUE(icon.ShowBalloon(L"Tolvane Dusk Relay", L"Shut down in 5 minutes, at 9:30:00 PM"));
    ASSERT_TRUE(icon.ShowBalloon(L"Tolvane Dusk Relay", longText));
    ASSERT_EQ(g_notified.size(), 3u);
    const NOTIFYICONDATAW& balloon = g_notified[1].record;
    EXPECT_EQ(g_notified[1].message, DWORD(NIM_MODIFY));
    EXPECT_EQ(balloon.cbSize, 936u);
    EXPECT_EQ(balloon.uFlags & NIF_INFO, UINT(NIF_INFO));
    EXPECT_EQ(balloon.dwInfoFlags, DWORD(NIIF_USER));
    EXPECT_EQ(balloon.hIcon, g_notified[0].record.hIcon);
    EXPECT_STREQ(balloon.szInfoTitle, L"Tolvane Dusk Relay");
    EXPECT_STREQ(balloon.szInfo, L"Shut down in 5 minutes, at 9:30:00 PM");
    EXPECT_EQ(std::wstring(g_notified[2].record.szInfo), longText.substr(0, 255));

    ASSERT_FALSE(::IsWindowVisible(mainWindow.Handle()));
    ::SendMessageW(window.Handle(), 0x401, 1, NIN_BALLOONUSERCLICK);
    EXPECT_TRUE(::IsWindowVisible(mainWindow.Handle()));
}

TEST_F(TrayIconTest, DoubleClickRestoresAndExitAnsweredNoChangesNothing) {
    MainWindow mainWindow;
    test::FakeCompanion companion;
    test::RecordingPowerApi power;
    PowerActionPerformer performer(power);
    MessageBoxUserPrompts prompts(companion, resources->catalogue,
                                  [&mainWindow] { return WindowHandle(mainWindow.Handle()); });
    RecordingActivityLog log;
    TrayMenuCommands commands(mainWindow, performer, prompts, resources->catalogue, log);
    bool exited = false;
    commands.onExit = [&] { exited = true; };

    TrayPopupMenu menu{TrayMenuItems()};
    menu.SetCheckPictures(resources->menuChecks);
    menu.SetPaletteSlot(MenuPaletteSlotFor(ButtonColor::Green));
    TrayIcon icon(L"Tolvane Dusk Relay", RecordNotify);
    HiddenWindow window(icon);
    icon.SetMenu(&menu);
    icon.onRestore = [&] { mainWindow.Restore(); };
    icon.onMenuCommand = [&](int command) { commands.Run(command); };
    ASSERT_TRUE(icon.Add(window.Handle(), resources->trayIcons));

    ASSERT_FALSE(::IsWindowVisible(mainWindow.Handle()));
    ::SendMessageW(window.Handle(), 0x401, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(::IsWindowVisible(mainWindow.Handle()));
    EXPECT_EQ(g_notified.back().message, DWORD(NIM_MODIFY));
    const std::size_t notifiedBefore = g_notified.size();

    // Right-click: the menu opens; Down selects "Show", three more reach "Exit", Return.
    Picture drawn;
    int ticks = 0;
    const auto onTick = [&] {
        if (++ticks > 100) {
            ::EndMenu();  // never hang, whatever went wrong
            return;
        }
        const HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
        if (!drawn.Empty() || menuWindow == nullptr || !::IsWindowVisible(menuWindow)) return;
        drawn = test::CaptureWholeWindow(menuWindow);
        for (int i = 0; i < 4; ++i) {
            ::PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
            ::PostMessageW(menuWindow, WM_KEYUP, VK_DOWN, 0xC0000001);
        }
        ::PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 1);
    };
    companion.answers = {kAnswerNo};
    {
        const test::ThreadTicker ticker(onTick);
        ::SendMessageW(window.Handle(), 0x401, 1, WM_RBUTTONDOWN);
    }

    ASSERT_FALSE(drawn.Empty()) << "the menu never showed";
    EXPECT_TRUE(test::SaveArtifact(drawn, "tray_menu_green.png"));
    // Green palette: the side bar of "Show" at the top left, inside the border.
    const PopupMenuPalette& green = *SkinMenuPalettes().Slot(1);
    EXPECT_EQ(test::CountDiffering(drawn, {0, 0, drawn.Width(), 1}, green.border, 0), 0);
    EXPECT_LT(test::CountDiffering(drawn, {4, 6, 8, 20}, green.bar, 40), 3);

    ASSERT_EQ(companion.boxes.size(), 1u);
    EXPECT_EQ(companion.boxes[0].text, L"Are you sure you want to exit?");
    EXPECT_EQ(companion.boxes[0].owner, mainWindow.Handle());
    EXPECT_FALSE(exited);
    EXPECT_TRUE(power.calls.empty());
    EXPECT_TRUE(::IsWindowVisible(mainWindow.Handle()));
    EXPECT_EQ(g_notified.size(), notifiedBefore);
}

}  // namespace
}  // namespace dusk::win32
