#include "shell/win32/picture_table.h"

#include <utility>

#include "shell/win32/resource_window.h"

namespace dusk::win32 {

namespace {

constexpr std::pair<const char*, ButtonColor> kColors[] = {{"Blue", ButtonColor::Blue},
                                                           {"Green", ButtonColor::Green},
                                                           {"Black", ButtonColor::Black},
                                                           {"Yellow", ButtonColor::Yellow},
                                                           {"Red", ButtonColor::Red}};

constexpr std::pair<const char*, ButtonState> kButtonStates[] = {
    {"Normal", ButtonState::Normal},
    {"MouseOn", ButtonState::MouseOn},
    {"MouseDown", ButtonState::MouseDown},
    {"Disabled", ButtonState::Disabled}};

constexpr std::pair<const char*, CheckBoxStatus> kCheckStatuses[] = {
    {"Checked", CheckBoxStatus::Checked},
    {"Grayed", CheckBoxStatus::Grayed},
    {"UnChecked", CheckBoxStatus::Unchecked}};

constexpr std::pair<const char*, CheckBoxLook> kCheckLooks[] = {
    {"Normal", CheckBoxLook::Normal},
    {"MouseOn", CheckBoxLook::MouseOn},
    {"Disabled", CheckBoxLook::Disabled},
    {"MouseDown", CheckBoxLook::MouseDown}};

void AddPicture(PictureTable& table, std::string stem, Picture& target) {
    table.emplace(std::move(stem), [&target](const Picture& picture) { target = picture; });
}

template <std::size_t N>
void AddNumbered(PictureTable& table, const std::string& prefix, std::array<Picture, N>& targets,
                 int first = 0) {
    for (std::size_t i = 0; i < N; ++i) {
        AddPicture(table, prefix + std::to_string(first + int(i)), targets[i]);
    }
}

void AddButtonList(PictureTable& table, const std::string& name, ImageButtonPictures& list) {
    for (const auto& [colorName, color] : kColors) {
        for (const auto& [stateName, state] : kButtonStates) {
            table.emplace(name + "_" + colorName + "_" + stateName,
                          [&list, color, state](const Picture& picture) {
                              list.SetPic(color, state, picture);
                          });
        }
    }
}

void AddCheckList(PictureTable& table, const std::string& name, CheckBoxPictures& list) {
    for (const auto& [statusName, status] : kCheckStatuses) {
        for (const auto& [lookName, look] : kCheckLooks) {
            table.emplace(name + "_" + statusName + "_" + lookName,
                          [&list, status, look](const Picture& picture) {
                              list.SetPic(status, look, picture);
                          });
        }
    }
}

}  // namespace

PictureTable MakePictureTable(ResourceWindow& r) {
    PictureTable table;
    for (const auto& [colorName, color] : kColors) {
        AddPicture(table, std::string("imgBK") + colorName, r.frames.For(color));
        AddPicture(table, std::string("imgBK") + colorName + "2", r.corners.For(color));
        AddPicture(table, std::string("btnSkin") + colorName,
                   r.main.skinButtons[std::size_t(color)]);
    }
    AddButtonList(table, "imgListTab", r.tabButtons);
    AddButtonList(table, "imgListClose", r.closeButtons);
    AddButtonList(table, "imgListMin", r.minimizeButtons);
    AddButtonList(table, "imgListMax", r.maximizeButtons);
    AddButtonList(table, "imgListRestore", r.restoreButtons);
    AddButtonList(table, "XImageButtonPicList1", r.taskButtons);
    AddButtonList(table, "imgListOK", r.dialogButtons);
    AddButtonList(table, "imgListLanguage", r.languageButtons);
    AddCheckList(table, "XCheckBoxPicList1", r.taskCheckBoxes);
    AddCheckList(table, "XCheckBoxPicList2", r.noticeCheckBoxes);

    AddPicture(table, "jishi_icon1", r.countdown.icon1);
    AddPicture(table, "jishi_icon2", r.countdown.icon2);
    AddPicture(table, "jishi_backdrop", r.countdown.backdrop);
    AddNumbered(table, "jishi_digit_", r.countdown.digits);
    AddPicture(table, "tishi_info", r.notice.info);
    AddPicture(table, "tishi_tray_area", r.notice.trayArea);
    AddPicture(table, "task_start_small", r.taskStartSmall);
    AddPicture(table, "task_cancel_small", r.taskCancelSmall);
    AddPicture(table, "app_icon_16", r.appIcon16);

    AddPicture(table, "imgBKWhiteRight", r.main.edgeRight);
    AddPicture(table, "imgBKWhiteBottom", r.main.edgeBottom);
    AddPicture(table, "imgBKWhiteRightBottom", r.main.edgeRightBottom);
    AddPicture(table, "imgBKWhiteLeftBottom", r.main.edgeLeftBottom);
    AddNumbered(table, "ImageList3_", r.main.boxTitles);
    AddPicture(table, "main_product", r.main.product);
    AddPicture(table, "main_hourglass", r.main.hourglass);
    AddNumbered(table, "ImageList2_", r.trayIcons);
    AddNumbered(table, "LwVclPopupMenuPicList2_Pic", r.menuChecks, 1);
    return table;
}

}  // namespace dusk::win32
