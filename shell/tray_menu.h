#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "controls/picture.h"
#include "controls/popup_menu_item.h"
#include "controls/popup_menu_palette.h"
#include "controls/popup_menu_style.h"
#include "core/activity_log.h"
#include "core/main_window_host.h"
#include "core/message_catalogue.h"
#include "core/power_action.h"
#include "core/user_prompts.h"

namespace dusk {

// The commands of the notification-area menu.
enum TrayCommand : int { kTrayShow = 1, kTrayRestartNow, kTrayShutDownNow, kTrayExit };

// "Show", "Restart Computer Now", "ShutDown Computer Now" and "Exit", each followed by a
// separator.
std::vector<MenuItem> TrayMenuItems();

// The countdown's Postpone menu: "10 minutes", "30 minutes" and "1 hour"; each item's command is
// its length in minutes.
std::vector<MenuItem> PostponeMenuItems();

// The early warning's lead times: "Off", "1 minute", "5 minutes", "10 minutes" and "15 minutes",
// the current one checked; each item's command is its minutes plus one, so that Off has one too.
std::vector<MenuItem> WarnMinutesMenuItems(std::int32_t current);
// The minutes a command of that menu stands for; negative for none (the menu was dismissed).
constexpr std::int32_t WarnMinutesOfCommand(int command) { return command - 1; }

// Item height 21, separator height 10, side bar 20, the system menu font, the given palettes (not
// owned). The palette slot is left to the skin.
void ApplyTrayMenuStyle(PopupMenuStyle& style, const PopupMenuPaletteList& palettes);

// The program's menu palettes with the check pictures of slots 1 to 5.
PopupMenuPaletteList TrayMenuPalettes(const std::array<Picture, 5>& checks);

// What the menu's commands do. Show brings the main window back; the immediate restart and
// shut-down each ask first and log the system's answer; Exit asks and on Yes runs onExit. None of
// them touches the task: a task registered with the system scheduler stays registered.
class TrayMenuCommands {
public:
    TrayMenuCommands(MainWindowHost& mainWindow, PowerAction& power, UserPrompts& prompts,
                     const MessageCatalogue& catalogue, ActivityLog& log);

    // Closes the main window, which ends the program.
    std::function<void()> onExit;

    // Any other command does nothing.
    void Run(int command);

private:
    bool Ask(CatalogueEntry question);
    void PerformAfterYes(CatalogueEntry question, TaskAction action);

    MainWindowHost& mainWindow_;
    PowerAction& power_;
    UserPrompts& prompts_;
    const MessageCatalogue& catalogue_;
    ActivityLog& log_;
};

}  // namespace dusk
