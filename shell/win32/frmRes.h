#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/XCheckBoxPicList.h"
#include "controls/XImageButtonPicList.h"
#include "controls/frame_painter.h"
#include "controls/picture.h"
#include "controls/win32/window_base.h"
#include "shell/message_catalogue.h"

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

// The hidden resource window: holds the pictures every window shares and the message
// catalogue. It is never shown and never blocks a log-off or shut-down.
class TfrmResource : public WindowBase {
public:
    TfrmResource() = default;

    // Decodes every picture of the program's picture table from the module's resources. A
    // picture that is missing, not a PNG, or not of its size and kind stays blank and is listed
    // in FailedPictures.
    void LoadPictures(HMODULE module);
    // Hidden, owned by `owner`; loads the pictures from the program's own module.
    bool Create(HWND owner);

    const std::vector<std::wstring>& FailedPictures() const { return failed_; }

    TXImageButtonPicList imgListTab, imgListClose, imgListMin, imgListMax, imgListRestore;
    TXImageButtonPicList XImageButtonPicList1, imgListOK, imgListLanguage;
    TXCheckBoxPicList XCheckBoxPicList1, XCheckBoxPicList2;
    SkinPictures frames;   // imgBKBlue ... the 20 x 20 frame bitmaps
    SkinPictures corners;  // imgBKBlue2 ... the main window's corner pictures
    CountdownPictures countdown;
    NoticePictures notice;
    Picture taskStartSmall, taskCancelSmall;
    Picture appIcon16;
    MessageCatalogue catalogue;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Store(std::string_view stem, const Picture& picture);
    Picture* Single(std::string_view stem);

    std::vector<std::wstring> failed_;
};

}  // namespace dusk::win32
