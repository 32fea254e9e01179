#include "shell/tray_menu.h"

#include <string>

#include "core/early_warning.h"
#include "core/postponement.h"
#include "system/power_actions.h"

namespace dusk {

std::vector<MenuItem> TrayMenuItems() {
    return {{.caption = L"Show", .command = kTrayShow},
            {.caption = L"-"},
            {.caption = L"Restart Computer Now", .command = kTrayRestartNow},
            {.caption = L"-"},
            {.caption = L"ShutDown Computer Now", .command = kTrayShutDownNow},
            {.caption = L"-"},
            {.caption = L"Exit", .command = kTrayExit},
            {.caption = L"-"}};
}

std::vector<MenuItem> PostponeMenuItems() {
    std::vector<MenuItem> items;
    for (const int minutes : kPostponeMinutes) {
        items.push_back({.caption = minutes % 60 == 0 ? std::to_wstring(minutes / 60) + L" hour"
                                                      : std::to_wstring(minutes) + L" minutes",
                         .command = minutes});
    }
    return items;
}

std::vector<MenuItem> WarnMinutesMenuItems(std::int32_t current) {
    std::vector<MenuItem> items;
    for (const std::int32_t minutes : kWarnMinutesChoices) {
        items.push_back({.caption = WarnMinutesText(minutes),
                         .checked = minutes == current,
                         .command = minutes + 1});
    }
    return items;
}

void ApplyTrayMenuStyle(PopupMenuStyle& style, const PopupMenuPaletteList& palettes) {
    style.itemHeight = 21;
    style.separatorHeight = 10;
    style.barWidth = 20;
    style.fontName = L"MS Sans Serif";
    style.fontSize = 8;
    style.useSystemFont = true;
    style.palettes = &palettes;
}

PopupMenuPaletteList TrayMenuPalettes(const std::array<Picture, 5>& checks) {
    PopupMenuPaletteList palettes = SkinMenuPalettes();
    for (int slot = PopupMenuPaletteList::kFirstSlot; slot <= PopupMenuPaletteList::kLastSlot;
         ++slot) {
        palettes.Slot(slot)->check = checks[std::size_t(slot - 1)];
    }
    return palettes;
}

TrayMenuCommands::TrayMenuCommands(MainWindowHost& mainWindow, PowerApi& power,
                                   Companion& companion, const MessageCatalogue& catalogue)
    : mainWindow_(mainWindow), power_(power), companion_(companion), catalogue_(catalogue) {}

void TrayMenuCommands::Run(int command) {
    switch (command) {
        case kTrayShow:
            mainWindow_.Restore();
            break;
        case kTrayRestartNow:
            RestartComputerNow(power_, companion_, catalogue_, owner_);
            break;
        case kTrayShutDownNow:
            ShutDownComputerNow(power_, companion_, catalogue_, owner_);
            break;
        case kTrayExit:
            ConfirmExit();
            break;
        default:
            break;
    }
}

void TrayMenuCommands::ConfirmExit() {
    const int answer =
        companion_.ShowMessageBox(owner_, catalogue_.Text(CatalogueEntry::ConfirmExit),
                                  catalogue_.Text(CatalogueEntry::AppTitle), kMbQuestionYesNo);
    if (answer == kAnswerYes && OnExit) OnExit();
}

}  // namespace dusk
