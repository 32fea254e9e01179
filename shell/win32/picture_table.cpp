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

std::string ColorName(ButtonColor color) { return kColors[std::size_t(color)].first; }

void ConnectButtonList(ImageButtonPictures& list, const std::string& name,
                       const PictureDecoder& decode) {
    // A slot is a state, in the order of ButtonState.
    list.SetSource(ColorPictureSource([name, decode](ButtonColor color, std::size_t slot) {
        return decode(name + "_" + ColorName(color) + "_" + kButtonStates[slot].first);
    }));
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
        AddPicture(table, std::string("btnSkin") + colorName,
                   r.main.skinButtons[std::size_t(color)]);
    }
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

void ConnectColorSources(ResourceWindow& r, const PictureDecoder& decode) {
    ConnectButtonList(r.tabButtons, "imgListTab", decode);
    ConnectButtonList(r.closeButtons, "imgListClose", decode);
    ConnectButtonList(r.minimizeButtons, "imgListMin", decode);
    ConnectButtonList(r.maximizeButtons, "imgListMax", decode);
    ConnectButtonList(r.restoreButtons, "imgListRestore", decode);
    ConnectButtonList(r.taskButtons, "XImageButtonPicList1", decode);
    ConnectButtonList(r.dialogButtons, "imgListOK", decode);
    ConnectButtonList(r.languageButtons, "imgListLanguage", decode);
    r.corners.source = ColorPictureSource([decode](ButtonColor color, std::size_t) {
        return decode("imgBK" + ColorName(color) + "2");
    });
}

}  // namespace dusk::win32
