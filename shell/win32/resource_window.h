#pragma once
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/win32/window_base.h"
#include "controls/check_box_pictures.h"
#include "controls/detailed_pictures.h"
#include "controls/display_scale.h"
#include "controls/image_button_pictures.h"
#include "controls/picture.h"
#include "core/message_catalogue.h"
#include "shell/skin.h"

namespace dusk::win32 {

// A picture embedded as RCDATA under its upper-case stem; nothing when it is missing or not a
// PNG.
std::optional<Picture> LoadPictureResource(HMODULE module, std::string_view stem);

struct CountdownPictures {
    Picture icon1, icon2;  // the blinking pair
    Picture backdrop;      // behind the digits
    std::array<Picture, 10> digits;
};

struct NoticePictures {
    Picture info;      // information symbol
    Picture trayArea;  // the notification area with an arrow at the program's icon
};

struct MainWindowPictures {
    Picture edgeRight, edgeBottom, edgeRightBottom, edgeLeftBottom;  // content area's edges
    std::array<Picture, 5> boxTitles;    // by a skin's box title picture index
    std::array<Picture, 5> skinButtons;  // by button colour
    Picture product;
    Picture hourglass;  // beside the task summary
};

// The hidden resource window: holds the pictures every window shares and the message
// catalogue. It is never shown and never blocks a log-off or shut-down.
class ResourceWindow : public WindowBase {
public:
    ResourceWindow() = default;
    // With the pictures of `module` loaded at once, so that windows made before this one can
    // copy them in their constructors.
    explicit ResourceWindow(HMODULE module) { LoadPictures(module); }
    ResourceWindow(const ResourceWindow&) = delete;
    ResourceWindow& operator=(const ResourceWindow&) = delete;
    ~ResourceWindow() override;

    // Checks every picture of the program's picture table in the module's resources and decodes
    // them, except those of the lists that hold one colour at a time (the button lists and the
    // corner pictures): those are decoded when first read. A picture that is missing, not a PNG,
    // or not of its size and kind stays blank and is listed in FailedPictures.
    void LoadPictures(HMODULE module);
    // Hidden, owned by `owner`; loads the pictures from the program's own module unless they
    // were loaded before.
    bool Create(HWND owner);

    const std::vector<std::wstring>& FailedPictures() const { return failed_; }

    // The one place that picks a picture set by display scale: the pictures drawn for the set
    // nearest to `scale`, each found by its design picture. Null where the design pictures are
    // the nearest. Only the pictures decoded so far have theirs decoded, at the first need; a
    // colour's come when its design pictures are first read. The windows' paints find them
    // through DetailedPicturesFor once the pictures are loaded.
    const DetailedPictures* DetailedFor(DisplayScale scale) const;

    ImageButtonPictures tabButtons, closeButtons, minimizeButtons, maximizeButtons, restoreButtons;
    ImageButtonPictures taskButtons;      // Start Task and Cancel Task
    ImageButtonPictures dialogButtons;    // the countdown's Cancel Task and the notice's OK
    ImageButtonPictures languageButtons;  // shown by no window
    CheckBoxPictures taskCheckBoxes;      // the task page's radio buttons and check boxes
    CheckBoxPictures noticeCheckBoxes;
    SkinPictures frames;   // 20 x 20 frame bitmaps
    SkinPictures corners;  // the main window's corner pictures
    CountdownPictures countdown;
    NoticePictures notice;
    MainWindowPictures main;
    Picture taskStartSmall, taskCancelSmall;
    Picture appIcon16;
    std::array<Picture, 3> trayIcons;   // no task, task set, task cancelled
    std::array<Picture, 5> menuChecks;  // by menu palette slot 1 to 5

    MessageCatalogue catalogue;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A design picture of one colour, read at the first need, with its pictures of the sets
    // already in use.
    Picture DecodeColorPicture(const std::string& stem);
    void AddDetailed(DetailedPictures& set, int percent, const std::string& stem,
                     const Picture& design) const;

    std::vector<std::wstring> failed_;
    std::vector<std::string> decodedStems_;  // design pictures decoded so far
    bool loaded_ = false;
    HMODULE module_ = nullptr;
    mutable std::map<int, DetailedPictures> detailed_;  // by set percent
};

}  // namespace dusk::win32
