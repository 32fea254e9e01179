// The resource window's pictures as the program embeds them, and what a damaged picture
// module does.
#include "shell/win32/resource_window.h"

#include <gtest/gtest.h>

#include "resources/picture_names.h"

namespace dusk::win32 {
namespace {

TEST(ResourceWindow, EveryEmbeddedPictureLoadsAtItsSize) {
    ResourceWindow resources;
    ASSERT_TRUE(resources.Create(nullptr));
    EXPECT_TRUE(resources.FailedPictures().empty())
        << "first failed: "
        << std::string(resources.FailedPictures().front().begin(),
                       resources.FailedPictures().front().end());
    EXPECT_FALSE(::IsWindowVisible(resources.Handle()));
    RECT client{};
    ::GetClientRect(resources.Handle(), &client);
    EXPECT_EQ(client.right, 695);
    EXPECT_EQ(client.bottom, 580);
    EXPECT_EQ(::SendMessageW(resources.Handle(), WM_QUERYENDSESSION, 0, 0), 1);

    // A sample from each kind of slot, by size.
    const struct {
        const Picture* picture;
        int width, height;
    } slots[] = {
        {&resources.frames.For(ButtonColor::Black), 20, 20},
        {&resources.corners.For(ButtonColor::Red), 230, 150},
        {&resources.dialogButtons.Pic(ButtonColor::Yellow, ButtonState::Disabled), 91, 33},
        {&resources.tabButtons.Pic(ButtonColor::Green, ButtonState::MouseDown), 128, 31},
        {&resources.taskButtons.Pic(ButtonColor::Red, ButtonState::Normal), 91, 33},
        {&resources.noticeCheckBoxes.Pic(CheckBoxStatus::Grayed, CheckBoxLook::MouseDown), 10, 10},
        {&resources.taskCheckBoxes.Pic(CheckBoxStatus::Checked, CheckBoxLook::Disabled), 9, 9},
        {&resources.countdown.digits[9], 30, 50},
        {&resources.countdown.backdrop, 248, 88},
        {&resources.countdown.icon2, 65, 65},
        {&resources.notice.trayArea, 176, 100},
        {&resources.notice.info, 32, 32},
        {&resources.taskCancelSmall, 16, 16},
        {&resources.main.boxTitles[4], 16, 16},
        {&resources.main.skinButtons[2], 14, 12},
        {&resources.main.edgeLeftBottom, 8, 8},
        {&resources.trayIcons[2], 16, 16},
        {&resources.menuChecks[4], 12, 12},
    };
    for (const auto& slot : slots) {
        EXPECT_EQ(slot.picture->Width(), slot.width);
        EXPECT_EQ(slot.picture->Height(), slot.height);
    }
    // The digits are ten different pictures, in order.
    for (int digit = 1; digit < 10; ++digit) {
        EXPECT_NE(resources.countdown.digits[digit], resources.countdown.digits[digit - 1]);
    }
    // States a list does not have stay empty.
    EXPECT_TRUE(resources.closeButtons.Pic(ButtonColor::Blue, ButtonState::Disabled).Empty());
    EXPECT_TRUE(resources.taskCheckBoxes.Pic(CheckBoxStatus::Grayed, CheckBoxLook::Normal).Empty());
}

TEST(ResourceWindow, DamagedPicturesStayBlankAndAreListed) {
    const HMODULE module =
        ::LoadLibraryExW(L"test_pictures.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    ResourceWindow resources;
    resources.LoadPictures(module);
    const auto& failed = resources.FailedPictures();
    auto listed = [&failed](const wchar_t* stem) {
        return std::find(failed.begin(), failed.end(), stem) != failed.end();
    };
    EXPECT_TRUE(listed(L"jishi_icon1"));           // a PNG of another size
    EXPECT_TRUE(listed(L"jishi_icon2"));           // not a PNG
    EXPECT_TRUE(listed(L"imgBKBlue2"));            // right file kind, no alpha plane, wrong size
    EXPECT_TRUE(listed(L"imgListOK_Red_Normal"));  // missing
    EXPECT_FALSE(listed(L"imgBKBlue"));
    EXPECT_EQ(failed.size(), std::size(kPictures) - 1);
    EXPECT_TRUE(resources.countdown.icon1.Empty());
    EXPECT_TRUE(resources.countdown.icon2.Empty());
    EXPECT_EQ(resources.frames.For(ButtonColor::Blue).Width(), 20);
    EXPECT_FALSE(LoadPictureResource(module, "jishi_icon2").has_value());
    ::FreeLibrary(module);
}

}  // namespace
}  // namespace dusk::win32
