#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/test_pictures.h"
#include "core/message_catalogue.h"
#include "fakes/fake_companion.h"
#include "fakes/fake_main_window.h"
#include "fakes/recording_activity_log.h"
#include "fakes/recording_power_api.h"
#include "shell/tray_icon_model.h"
#include "shell/tray_menu.h"
#include "system/power_action_performer.h"

namespace dusk {
namespace {

TEST(TrayIconModelTest, IconIndexStaysInsideTheList) {
    struct Case {
        int count, index, shown;
    };
    const Case cases[] = {{3, 0, 0},  {3, 2, 2}, {3, 3, 2}, {3, 5, 2},
                          {3, -1, 0}, {1, 4, 0}, {0, 2, 0}};
    for (const Case& c : cases) {
        TrayIconModel model(c.count, L"Tolvane Dusk Relay");
        int changes = 0;
        model.onChanged = [&] { ++changes; };
        model.SetIconIndex(c.index);
        EXPECT_EQ(model.IconIndex(), c.shown) << c.count << " " << c.index;
        EXPECT_EQ(changes, 1);
    }
}

TEST(TrayIconModelTest, TipIsTheHintsFirst127Characters) {
    const std::wstring long200(200, L'x');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""},
        {L"Tolvane Dusk Relay", L"Tolvane Dusk Relay"},
        {std::wstring(127, L'a'), std::wstring(127, L'a')},
        {std::wstring(127, L'a') + L"b", std::wstring(127, L'a')},
        {long200, long200.substr(0, 127)},
    };
    for (const auto& [hint, tip] : cases) {
        TrayIconModel model(3, L"");
        model.SetHint(hint);
        EXPECT_EQ(model.Hint(), hint);
        EXPECT_EQ(model.Tip(), tip);
    }
}

TEST(TrayIconModelTest, FollowsTheTaskIndicator) {
    TaskIndicator indicator;
    TrayIconModel model(3, L"Tolvane Dusk Relay");
    std::vector<std::pair<int, std::wstring>> shown;
    model.onChanged = [&] { shown.emplace_back(model.IconIndex(), model.Hint()); };
    model.Follow(indicator);

    indicator.Set(kIndicatorTaskSet, L"A task has been assigned...");
    indicator.Set(kIndicatorTaskSet, L"A task has been assigned...");  // no change, no call
    indicator.SetIconIndex(kIndicatorTaskCancelled);
    indicator.SetHint(L"The task has been canceled.");
    indicator.Set(7, L"Tolvane Dusk Relay");

    const std::vector<std::pair<int, std::wstring>> expected = {
        {1, L"A task has been assigned..."},
        {2, L"A task has been assigned..."},
        {2, L"The task has been canceled."},
        {2, L"Tolvane Dusk Relay"},
    };
    EXPECT_EQ(shown, expected);
}

TEST(TrayIconModelTest, MouseEvents) {
    struct Case {
        std::uint32_t event;
        bool hasMenu;
        TrayMouseAction action;
    };
    const Case cases[] = {
        {kTrayLeftButtonDown, true, TrayMouseAction::TakeForeground},
        {kTrayLeftDoubleClick, false, TrayMouseAction::RestoreMainWindow},
        {kTrayRightButtonDown, true, TrayMouseAction::OpenMenu},
        {kTrayRightButtonDown, false, TrayMouseAction::None},
        {0x200, true, TrayMouseAction::None},  // mouse move
        {0x205, true, TrayMouseAction::None},  // right button up
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrayMouseActionFor(c.event, c.hasMenu), c.action) << std::hex << c.event;
    }
}

TEST(TrayMenuTest, ItemsWithTheirSeparatorsAndPalettes) {
    std::vector<std::pair<std::wstring, int>> items;
    for (const MenuItem& item : TrayMenuItems()) items.emplace_back(item.caption, item.command);
    const std::vector<std::pair<std::wstring, int>> expected = {
        {L"Show", kTrayShow},
        {L"-", 0},
        {L"Restart Computer Now", kTrayRestartNow},
        {L"-", 0},
        {L"ShutDown Computer Now", kTrayShutDownNow},
        {L"-", 0},
        {L"Exit", kTrayExit},
        {L"-", 0}};
    EXPECT_EQ(items, expected);

    std::array<Picture, 5> checks;
    for (std::size_t i = 0; i < checks.size(); ++i) checks[i] = test::Solid(2, 2, i + 1);
    const PopupMenuPaletteList palettes = TrayMenuPalettes(checks);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(palettes.Slot(slot)->check, checks[std::size_t(slot - 1)]);
        EXPECT_EQ(palettes.Slot(slot)->bar, SkinMenuPalettes().Slot(slot)->bar);
    }
}

TEST(TrayMenuTest, Commands) {
    const WindowHandle owner = reinterpret_cast<WindowHandle>(0x1234);
    struct Case {
        int command;
        std::vector<int> answers;
        std::vector<std::wstring> questions;
        std::vector<std::string> mainWindow;
        std::string lastPowerCall;  // empty: none at all
        bool exited;
    };
    const Case cases[] = {
        {kTrayShow, {}, {}, {"restore"}, "", false},
        {kTrayRestartNow, {kAnswerYes}, {L"Restart"}, {}, "ExitWindowsEx 0x06 0", false},
        {kTrayRestartNow, {kAnswerNo}, {L"Restart"}, {}, "", false},
        {kTrayShutDownNow, {kAnswerYes}, {L"ShutDown"}, {}, "ExitWindowsEx 0x0D 0", false},
        {kTrayShutDownNow, {kAnswerNo}, {L"ShutDown"}, {}, "", false},
        {kTrayExit, {kAnswerYes}, {L"Are you sure you want to exit?"}, {}, "", true},
        {kTrayExit, {kAnswerNo}, {L"Are you sure you want to exit?"}, {}, "", false},
        {0, {}, {}, {}, "", false},
        {99, {}, {}, {}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        MessageCatalogue catalogue;
        catalogue.SetText(CatalogueEntry::ConfirmRestartNow, L"Restart");
        catalogue.SetText(CatalogueEntry::ConfirmShutDownNow, L"ShutDown");
        test::FakeMainWindow mainWindow;
        test::RecordingPowerApi power;
        PowerActionPerformer performer(power);
        test::FakeCompanion companion;
        companion.answers.assign(c.answers.begin(), c.answers.end());
        MessageBoxUserPrompts prompts(companion, catalogue, [owner] { return owner; });
        RecordingActivityLog log;
        TrayMenuCommands commands(mainWindow, performer, prompts, catalogue, log);
        bool exited = false;
        commands.onExit = [&] { exited = true; };

        commands.Run(c.command);

        std::vector<std::wstring> questions;
        for (const auto& box : companion.boxes) {
            questions.push_back(box.text);
            EXPECT_EQ(box.owner, owner);
            EXPECT_EQ(box.caption, catalogue.Text(CatalogueEntry::AppTitle));
            EXPECT_EQ(box.style, kMbQuestionYesNo);
        }
        EXPECT_EQ(questions, c.questions);
        EXPECT_EQ(mainWindow.calls, c.mainWindow);
        EXPECT_EQ(power.calls.empty() ? "" : power.calls.back(), c.lastPowerCall);
        EXPECT_EQ(exited, c.exited);
        EXPECT_EQ(log.lines.size(), c.lastPowerCall.empty() ? 0u : 1u);  // with the answer
        EXPECT_TRUE(companion.answers.empty());
    }
}

}  // namespace
}  // namespace dusk
