// Every picture embedded in the program: file stem, size and whether it has an alpha plane.
// The PNG files are resources/pictures/<stem>.png, embedded as RCDATA named <STEM> (upper case).
// Stems of picture-list entries are <list>_<colour>_<state> for buttons (colour Blue, Green,
// Black, Yellow, Red; state Normal, MouseOn, MouseDown, Disabled) and <list>_<check>_<look> for
// check boxes (check Checked, Grayed, UnChecked; look Normal, MouseOn, Disabled, MouseDown).
// A state that a list does not have is absent here. tools/picture_generator draws the pictures and
// checks every one against this table.
// Every picture comes in each picture set: drawn for a display scale, in a folder of its own and
// named with the set's suffix (<STEM><suffix>); the sizes here are those of the 100 % set.
#pragma once

#include <string_view>

namespace dusk {

struct PictureSet {
    int percent;
    std::string_view folder;  // under resources/pictures; empty for the 100 % set
    std::string_view suffix;  // of the resource names
};

inline constexpr PictureSet kPictureSets[] = {
    {100, "", ""}, {150, "150", "_150"}, {200, "200", "_200"}};

struct PictureInfo {
    std::string_view stem;
    int width;
    int height;
    bool hasAlpha;
};

inline constexpr PictureInfo kPictures[] = {
    // Frame bitmaps, sliced by the frame painter, and the main window's corner pictures.
    {"imgBKBlue", 20, 20, false},
    {"imgBKGreen", 20, 20, false},
    {"imgBKBlack", 20, 20, false},
    {"imgBKYellow", 20, 20, false},
    {"imgBKRed", 20, 20, false},
    {"imgBKBlue2", 230, 150, true},
    {"imgBKGreen2", 230, 150, true},
    {"imgBKBlack2", 230, 150, true},
    {"imgBKYellow2", 230, 150, true},
    {"imgBKRed2", 230, 150, true},
    // imgListTab: button states per colour.
    {"imgListTab_Blue_Normal", 128, 31, true},
    {"imgListTab_Blue_MouseOn", 128, 31, true},
    {"imgListTab_Blue_MouseDown", 128, 31, true},
    {"imgListTab_Blue_Disabled", 128, 31, true},
    {"imgListTab_Green_Normal", 128, 31, true},
    {"imgListTab_Green_MouseOn", 128, 31, true},
    {"imgListTab_Green_MouseDown", 128, 31, true},
    {"imgListTab_Green_Disabled", 128, 31, true},
    {"imgListTab_Black_Normal", 128, 31, true},
    {"imgListTab_Black_MouseOn", 128, 31, true},
    {"imgListTab_Black_MouseDown", 128, 31, true},
    {"imgListTab_Black_Disabled", 128, 31, true},
    {"imgListTab_Yellow_Normal", 128, 31, true},
    {"imgListTab_Yellow_MouseOn", 128, 31, true},
    {"imgListTab_Yellow_MouseDown", 128, 31, true},
    {"imgListTab_Yellow_Disabled", 128, 31, true},
    {"imgListTab_Red_Normal", 128, 31, true},
    {"imgListTab_Red_MouseOn", 128, 31, true},
    {"imgListTab_Red_MouseDown", 128, 31, true},
    {"imgListTab_Red_Disabled", 128, 31, true},
    // imgListClose: button states per colour.
    {"imgListClose_Blue_Normal", 43, 17, true},
    {"imgListClose_Blue_MouseOn", 43, 17, true},
    {"imgListClose_Blue_MouseDown", 43, 17, true},
    {"imgListClose_Green_Normal", 43, 17, true},
    {"imgListClose_Green_MouseOn", 43, 17, true},
    {"imgListClose_Green_MouseDown", 43, 17, true},
    {"imgListClose_Black_Normal", 43, 17, true},
    {"imgListClose_Black_MouseOn", 43, 17, true},
    {"imgListClose_Black_MouseDown", 43, 17, true},
    {"imgListClose_Yellow_Normal", 43, 17, true},
    {"imgListClose_Yellow_MouseOn", 43, 17, true},
    {"imgListClose_Yellow_MouseDown", 43, 17, true},
    {"imgListClose_Red_Normal", 43, 17, true},
    {"imgListClose_Red_MouseOn", 43, 17, true},
    {"imgListClose_Red_MouseDown", 43, 17, true},
    // imgListMin: button states per colour.
    {"imgListMin_Blue_Normal", 25, 17, true},
    {"imgListMin_Blue_MouseOn", 25, 17, true},
    {"imgListMin_Blue_MouseDown", 25, 17, true},
    {"imgListMin_Green_Normal", 25, 17, true},
    {"imgListMin_Green_MouseOn", 25, 17, true},
    {"imgListMin_Green_MouseDown", 25, 17, true},
    {"imgListMin_Black_Normal", 25, 17, true},
    {"imgListMin_Black_MouseOn", 25, 17, true},
    {"imgListMin_Black_MouseDown", 25, 17, true},
    {"imgListMin_Yellow_Normal", 25, 17, true},
    {"imgListMin_Yellow_MouseOn", 25, 17, true},
    {"imgListMin_Yellow_MouseDown", 25, 17, true},
    {"imgListMin_Red_Normal", 25, 17, true},
    {"imgListMin_Red_MouseOn", 25, 17, true},
    {"imgListMin_Red_MouseDown", 25, 17, true},
    // imgListMax: button states per colour.
    {"imgListMax_Blue_Normal", 25, 17, false},
    {"imgListMax_Blue_MouseOn", 25, 17, false},
    {"imgListMax_Blue_MouseDown", 25, 17, false},
    {"imgListMax_Blue_Disabled", 25, 17, false},
    {"imgListMax_Green_Normal", 25, 17, false},
    {"imgListMax_Green_MouseOn", 25, 17, false},
    {"imgListMax_Green_MouseDown", 25, 17, false},
    {"imgListMax_Green_Disabled", 25, 17, false},
    {"imgListMax_Black_Normal", 25, 17, false},
    {"imgListMax_Black_MouseOn", 25, 17, false},
    {"imgListMax_Black_MouseDown", 25, 17, false},
    {"imgListMax_Black_Disabled", 25, 17, false},
    {"imgListMax_Yellow_Normal", 25, 17, false},
    {"imgListMax_Yellow_MouseOn", 25, 17, false},
    {"imgListMax_Yellow_MouseDown", 25, 17, false},
    {"imgListMax_Yellow_Disabled", 25, 17, false},
    {"imgListMax_Red_Normal", 25, 17, false},
    {"imgListMax_Red_MouseOn", 25, 17, false},
    {"imgListMax_Red_MouseDown", 25, 17, false},
    {"imgListMax_Red_Disabled", 25, 17, false},
    // imgListRestore: button states per colour.
    {"imgListRestore_Blue_Normal", 25, 17, false},
    {"imgListRestore_Blue_MouseOn", 25, 17, false},
    {"imgListRestore_Blue_MouseDown", 25, 17, false},
    {"imgListRestore_Green_Normal", 25, 17, false},
    {"imgListRestore_Green_MouseOn", 25, 17, false},
    {"imgListRestore_Green_MouseDown", 25, 17, false},
    {"imgListRestore_Black_Normal", 25, 17, false},
    {"imgListRestore_Black_MouseOn", 25, 17, false},
    {"imgListRestore_Black_MouseDown", 25, 17, false},
    {"imgListRestore_Yellow_Normal", 25, 17, false},
    {"imgListRestore_Yellow_MouseOn", 25, 17, false},
    {"imgListRestore_Yellow_MouseDown", 25, 17, false},
    {"imgListRestore_Red_Normal", 25, 17, false},
    {"imgListRestore_Red_MouseOn", 25, 17, false},
    {"imgListRestore_Red_MouseDown", 25, 17, false},
    // XImageButtonPicList1: button states per colour.
    {"XImageButtonPicList1_Blue_Normal", 91, 33, true},
    {"XImageButtonPicList1_Blue_MouseOn", 91, 33, true},
    {"XImageButtonPicList1_Blue_MouseDown", 91, 33, true},
    {"XImageButtonPicList1_Blue_Disabled", 91, 33, true},
    {"XImageButtonPicList1_Green_Normal", 91, 33, true},
    {"XImageButtonPicList1_Green_MouseOn", 91, 33, true},
    {"XImageButtonPicList1_Green_MouseDown", 91, 33, true},
    {"XImageButtonPicList1_Green_Disabled", 91, 33, true},
    {"XImageButtonPicList1_Black_Normal", 91, 33, true},
    {"XImageButtonPicList1_Black_MouseOn", 91, 33, true},
    {"XImageButtonPicList1_Black_MouseDown", 91, 33, true},
    {"XImageButtonPicList1_Black_Disabled", 91, 33, true},
    {"XImageButtonPicList1_Yellow_Normal", 91, 33, true},
    {"XImageButtonPicList1_Yellow_MouseOn", 91, 33, true},
    {"XImageButtonPicList1_Yellow_MouseDown", 91, 33, true},
    {"XImageButtonPicList1_Yellow_Disabled", 91, 33, true},
    {"XImageButtonPicList1_Red_Normal", 91, 33, true},
    {"XImageButtonPicList1_Red_MouseOn", 91, 33, true},
    {"XImageButtonPicList1_Red_MouseDown", 91, 33, true},
    {"XImageButtonPicList1_Red_Disabled", 91, 33, true},
    // imgListOK: button states per colour.
    {"imgListOK_Blue_Normal", 91, 33, true},
    {"imgListOK_Blue_MouseOn", 91, 33, true},
    {"imgListOK_Blue_MouseDown", 91, 33, true},
    {"imgListOK_Blue_Disabled", 91, 33, true},
    {"imgListOK_Green_Normal", 91, 33, true},
    {"imgListOK_Green_MouseOn", 91, 33, true},
    {"imgListOK_Green_MouseDown", 91, 33, true},
    {"imgListOK_Green_Disabled", 91, 33, true},
    {"imgListOK_Black_Normal", 91, 33, true},
    {"imgListOK_Black_MouseOn", 91, 33, true},
    {"imgListOK_Black_MouseDown", 91, 33, true},
    {"imgListOK_Black_Disabled", 91, 33, true},
    {"imgListOK_Yellow_Normal", 91, 33, true},
    {"imgListOK_Yellow_MouseOn", 91, 33, true},
    {"imgListOK_Yellow_MouseDown", 91, 33, true},
    {"imgListOK_Yellow_Disabled", 91, 33, true},
    {"imgListOK_Red_Normal", 91, 33, true},
    {"imgListOK_Red_MouseOn", 91, 33, true},
    {"imgListOK_Red_MouseDown", 91, 33, true},
    {"imgListOK_Red_Disabled", 91, 33, true},
    // imgListLanguage: button states per colour.
    {"imgListLanguage_Blue_Normal", 90, 19, true},
    {"imgListLanguage_Blue_MouseOn", 90, 19, true},
    {"imgListLanguage_Blue_MouseDown", 90, 19, true},
    {"imgListLanguage_Green_Normal", 90, 19, true},
    {"imgListLanguage_Green_MouseOn", 90, 19, true},
    {"imgListLanguage_Green_MouseDown", 90, 19, true},
    {"imgListLanguage_Black_Normal", 90, 19, true},
    {"imgListLanguage_Black_MouseOn", 90, 19, true},
    {"imgListLanguage_Black_MouseDown", 90, 19, true},
    {"imgListLanguage_Yellow_Normal", 90, 19, true},
    {"imgListLanguage_Yellow_MouseOn", 90, 19, true},
    {"imgListLanguage_Yellow_MouseDown", 90, 19, true},
    {"imgListLanguage_Red_Normal", 90, 19, true},
    {"imgListLanguage_Red_MouseOn", 90, 19, true},
    {"imgListLanguage_Red_MouseDown", 90, 19, true},
    // XCheckBoxPicList1: no grayed or mouse-down pictures.
    {"XCheckBoxPicList1_Checked_Normal", 9, 9, true},
    {"XCheckBoxPicList1_Checked_MouseOn", 9, 9, true},
    {"XCheckBoxPicList1_Checked_Disabled", 9, 9, true},
    {"XCheckBoxPicList1_UnChecked_Normal", 9, 9, true},
    {"XCheckBoxPicList1_UnChecked_MouseOn", 9, 9, true},
    {"XCheckBoxPicList1_UnChecked_Disabled", 9, 9, true},
    // XCheckBoxPicList2: all twelve.
    {"XCheckBoxPicList2_Checked_Normal", 10, 10, false},
    {"XCheckBoxPicList2_Checked_MouseOn", 10, 10, false},
    {"XCheckBoxPicList2_Checked_Disabled", 10, 10, false},
    {"XCheckBoxPicList2_Checked_MouseDown", 10, 10, false},
    {"XCheckBoxPicList2_Grayed_Normal", 10, 10, false},
    {"XCheckBoxPicList2_Grayed_MouseOn", 10, 10, false},
    {"XCheckBoxPicList2_Grayed_Disabled", 10, 10, false},
    {"XCheckBoxPicList2_Grayed_MouseDown", 10, 10, false},
    {"XCheckBoxPicList2_UnChecked_Normal", 10, 10, false},
    {"XCheckBoxPicList2_UnChecked_MouseOn", 10, 10, false},
    {"XCheckBoxPicList2_UnChecked_Disabled", 10, 10, false},
    {"XCheckBoxPicList2_UnChecked_MouseDown", 10, 10, false},
    // Countdown window: the blinking icon pair, the digit backdrop and the digits 0 to 9.
    {"jishi_icon1", 65, 65, true},
    {"jishi_icon2", 65, 65, true},
    {"jishi_backdrop", 248, 88, true},
    {"jishi_digit_0", 30, 50, true},
    {"jishi_digit_1", 30, 50, true},
    {"jishi_digit_2", 30, 50, true},
    {"jishi_digit_3", 30, 50, true},
    {"jishi_digit_4", 30, 50, true},
    {"jishi_digit_5", 30, 50, true},
    {"jishi_digit_6", 30, 50, true},
    {"jishi_digit_7", 30, 50, true},
    {"jishi_digit_8", 30, 50, true},
    {"jishi_digit_9", 30, 50, true},
    // Small pictures of the Start Task and Cancel Task buttons.
    {"task_start_small", 16, 16, true},
    {"task_cancel_small", 16, 16, true},
    // Notice window: information symbol and the notification-area illustration.
    {"tishi_info", 32, 32, true},
    {"tishi_tray_area", 176, 100, true},
    // The application's artwork at notification-area size.
    {"app_icon_16", 16, 16, true},
    // Main window: the content area's edge pictures (right and bottom ones stretched).
    {"imgBKWhiteRight", 8, 8, true},
    {"imgBKWhiteBottom", 8, 8, true},
    {"imgBKWhiteRightBottom", 8, 8, true},
    {"imgBKWhiteLeftBottom", 8, 8, true},
    // ImageList3: box title bars by index (0 Green, 1 Red, 2 Yellow, 3 Blue, 4 Black), stretched.
    {"ImageList3_0", 16, 16, false},
    {"ImageList3_1", 16, 16, false},
    {"ImageList3_2", 16, 16, false},
    {"ImageList3_3", 16, 16, false},
    {"ImageList3_4", 16, 16, false},
    // Skin selectors, shown unchanged in every state.
    {"btnSkinBlue", 14, 12, true},
    {"btnSkinGreen", 14, 12, true},
    {"btnSkinBlack", 14, 12, true},
    {"btnSkinYellow", 14, 12, true},
    {"btnSkinRed", 14, 12, true},
    // Main window's product picture (Image1) and the picture beside the task summary (Image4).
    {"main_product", 64, 64, true},
    {"main_hourglass", 26, 42, true},
    // ImageList2: notification-area icons, 0 no task, 1 task set, 2 task cancelled.
    {"ImageList2_0", 16, 16, true},
    {"ImageList2_1", 16, 16, true},
    {"ImageList2_2", 16, 16, true},
    // Popup menu check pictures of palette slots 1 to 5 (green, red, yellow, blue, black).
    {"LwVclPopupMenuPicList2_Pic1", 12, 12, true},
    {"LwVclPopupMenuPicList2_Pic2", 12, 12, true},
    {"LwVclPopupMenuPicList2_Pic3", 12, 12, true},
    {"LwVclPopupMenuPicList2_Pic4", 12, 12, true},
    {"LwVclPopupMenuPicList2_Pic5", 12, 12, true},
};

}  // namespace dusk
