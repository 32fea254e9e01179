// The notice window for real: its layout, the check box over its panel, and the OK button
// storing "Ignore" in the registry when the box is ticked with the mouse.
#include "shell/win32/notice_window.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/win32/registry_settings_store.h"
#include "controls/picture_ops.h"
#include "controls/win32/keyboard_navigation.h"
#include "fakes/fake_companion.h"
#include "gui_test_support.h"
#include "program_pictures_test.h"
#include "shell/skin.h"

namespace dusk::win32 {
namespace {

using test::CountDiffering;
using test::CountMismatches;
using test::Crop;

constexpr wchar_t kKeyPath[] = L"SOFTWARE\\Tolvane\\Dusk Relay";

std::optional<std::wstring> StoredIgnore() {
    wchar_t text[64]{};
    DWORD size = sizeof text;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKeyPath, L"Ignore", RRF_RT_REG_SZ, nullptr, text,
                       &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text);
}

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

// What panel content must look like: a picture over the panel colour.
Picture OverPanel(const Picture& picture, Color panel) {
    Picture result(picture.Width(), picture.Height(), false);
    for (int y = 0; y < result.Height(); ++y) {
        for (int x = 0; x < result.Width(); ++x) result.SetColorAt(x, y, panel);
    }
    CompositeOnto(result, picture, {0, 0});
    return result;
}

class NoticeWindowTest : public test::ProgramPicturesTest {
protected:
    void SetUp() override {
        ProgramPicturesTest::SetUp();
        hadProductKey = KeyExists(L"SOFTWARE\\Tolvane");
        hadKey = KeyExists(kKeyPath);
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKeyPath, L"Ignore");
        ASSERT_TRUE(window.Create(nullptr));
        logic.ReadIgnorePreference();
    }
    void TearDown() override {
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKeyPath, L"Ignore");
        if (!hadKey) ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKeyPath);
        if (!hadProductKey) ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Tolvane");
    }

    POINT OkCentre() const { return {259 + 45, 180 + 16}; }

    void ExpectLayout(const Picture& pixels) {
        ASSERT_EQ(pixels.Width(), 356);
        ASSERT_EQ(pixels.Height(), 220);
        const Skin& colours = SkinFor(skinCode);
        const Picture& frame = resources->frames.For(skinCode);
        EXPECT_EQ(CountMismatches(pixels, {0, 0}, Crop(frame, {0, 0, 5, 15}), 0), 0);
        EXPECT_EQ(CountMismatches(pixels, {351, 0}, Crop(frame, {15, 0, 20, 15}), 0), 0);
        EXPECT_EQ(CountDiffering(pixels, {200, 15, 350, 24}, colours.window, 0), 0);
        EXPECT_EQ(CountDiffering(pixels, {8, 74, 73, 174}, colours.innerPanel, 0), 0);
        const struct {
            const Picture& picture;
            Point at;
        } pictures[] = {{resources->notice.info, {17, 36}},
                        {resources->notice.trayArea, {82, 77}},
                        {window.DialogButton().Picture(), {259, 180}}};
        for (const auto& p : pictures) {
            EXPECT_EQ(CountMismatches(pixels, p.at, OverPanel(p.picture, colours.innerPanel), 2), 0)
                << "picture at " << p.at.x << "," << p.at.y;
        }
        EXPECT_GT(CountDiffering(pixels, {55, 38, 349, 75}, colours.innerPanel, 60), 100);
        // The check box (child window at (17, 189)): its 10 x 10 picture at (2, 2) of the
        // 14 x 14 box, the panel's colour around it, its caption to the right.
        const ImageCheckBox& box = logic.ignoreBox;
        const Picture& look = resources->noticeCheckBoxes.Pic(
            box.Status(), box.MouseOver() ? CheckBoxLook::MouseOn : CheckBoxLook::Normal);
        EXPECT_EQ(CountMismatches(pixels, {19, 191}, look, 0), 0);
        EXPECT_EQ(CountDiffering(pixels, {17, 189, 19, 203}, colours.innerPanel, 0), 0);
        EXPECT_EQ(CountDiffering(pixels, {17, 201, 31, 203}, colours.innerPanel, 0), 0);
        EXPECT_GT(CountDiffering(pixels, {35, 189, 220, 203}, colours.innerPanel, 60), 30);
        // The box fitted itself to its caption; the panel shows where its design width ended.
        EXPECT_LT(box.Width(), 201);
        EXPECT_EQ(
            CountDiffering(pixels, {17 + box.Width(), 189, 17 + 201, 203}, colours.innerPanel, 0),
            0);
    }

    // Shows the notice and runs this thread's messages until it has gone, as the program's own
    // message loop would.
    void ShowAndWait() {
        bool closed = false;
        logic.ShowNoticeIfWanted([&closed] { closed = true; });
        MSG message{};
        while (!closed && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchWithNavigation(message);
        }
    }

    bool hadProductKey = false;
    bool hadKey = false;
    RegistrySettingsStore store;
    BackgroundNotice logic{store};
    std::uint8_t skinCode = 1;
    test::FakeCompanion companion;
    NoticeWindow window{*resources, logic, skinCode, companion};
    test::StepPoster steps;
};

TEST_F(NoticeWindowTest, LaysOutPanelPicturesBoxAndButtonInEachSkin) {
    const char* names[] = {"", "blue", "green", "black", "yellow", "red"};
    for (std::uint8_t code = 1; code <= 5; ++code) {
        SCOPED_TRACE(names[code]);
        skinCode = code;
        window.ApplySkin();
        steps.Post([&] {
            const Picture screen = test::CaptureWindow(window.Handle());
            ExpectLayout(screen);
            EXPECT_EQ(::SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), 1);
            if (code == 1 || code == 3) {
                EXPECT_TRUE(
                    test::SaveArtifact(screen, std::string("notice_") + names[code] + ".png"));
            }
            ::PostMessageW(window.Handle(), WM_CLOSE, 0, 0);  // closes without storing
        });
        ShowAndWait();
        EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    }
    EXPECT_FALSE(StoredIgnore().has_value());
}

TEST_F(NoticeWindowTest, TickedBoxAndOkStoreIgnoreForGood) {
    steps.Post([&] {
        test::PostClick(window.CheckBoxHandle(), {5, 7});
        steps.Post([&] {
            EXPECT_EQ(logic.ignoreBox.Status(), CheckBoxStatus::Checked);
            ExpectLayout(test::CaptureWindow(window.Handle()));  // shows the ticked picture
            test::SaveArtifact(test::CaptureWindow(window.Handle()), "notice_ticked.png");
            test::PostClick(window.Handle(), OkCentre());
        });
    });
    ShowAndWait();
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    EXPECT_EQ(StoredIgnore(), L"1");
    EXPECT_EQ(logic.IgnoreNotice(), L"1");

    steps.Post([] { ADD_FAILURE() << "the notice showed although it is switched off"; });
    ShowAndWait();
    BackgroundNotice nextRun(store);  // a later start reads the stored choice
    nextRun.ReadIgnorePreference();
    EXPECT_EQ(nextRun.IgnoreNotice(), L"1");
}

TEST_F(NoticeWindowTest, UntickedOkStoresNothingAndTheNoticeComesBack) {
    int showings = 0;
    for (int round = 0; round < 2; ++round) {
        steps.Post([&] {
            ++showings;
            test::PostClick(window.Handle(), OkCentre());
        });
        ShowAndWait();
    }
    EXPECT_EQ(showings, 2);
    EXPECT_FALSE(StoredIgnore().has_value());
    EXPECT_EQ(logic.IgnoreNotice(), L"0");
}

TEST_F(NoticeWindowTest, CentresOverTheMainWindowOrElseTheScreen) {
    const HWND main = ::CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 40, 60, 600,
                                        400, nullptr, nullptr, nullptr, nullptr);
    const struct {
        HWND mainWindow;
        POINT centre;
    } cases[] = {
        {main, {340, 260}},
        {nullptr, {::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2}}};
    for (const auto& c : cases) {
        window.SetMainWindow(c.mainWindow);
        steps.Post([&] {
            RECT bounds{};
            ::GetWindowRect(window.Handle(), &bounds);
            EXPECT_NEAR((bounds.left + bounds.right) / 2, c.centre.x, 1);
            EXPECT_NEAR((bounds.top + bounds.bottom) / 2, c.centre.y, 1);
            test::PostClick(window.Handle(), OkCentre());
        });
        ShowAndWait();
    }
    ::DestroyWindow(main);
}

}  // namespace
}  // namespace dusk::win32
