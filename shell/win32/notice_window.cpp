#include "shell/win32/notice_window.h"

namespace dusk::win32 {

namespace {
constexpr Size kPanelSize{350, 193};
constexpr Point kInfoAt{14, 12};
constexpr Point kTrayAreaAt{79, 53};
}  // namespace

NoticeWindow::NoticeWindow(const ResourceWindow& resources, BackgroundNotice& logic,
                           const std::uint8_t& skinCode, Companion& companion)
    : SkinnedDialog(
          resources, skinCode, companion,
          {{L"Ttishi_frm", L"tishi_frm", 356, 220},
           kPanelSize,
           {{8, 5, 8 + 164, 5 + 16}, L"Tolvane Dusk Relay", {L"Tahoma", 13, true, 0xFFFFFF}},
           {{L"OK", 11, 1, {256, 156, 256 + 90, 156 + 33}, nullptr, {}}}}),
      logic_(logic),
      checkBox_(logic.ignoreBox) {
    message_.box = {52, 14, 52 + 294, 14 + 37};
    message_.caption =
        L"The program will run in the background. You can double-click its icon on the "
        L"taskbar to restore it.";
    message_.font = {L"Tahoma", 12, false, 0x000000};
    message_.wordWrap = true;

    ImageCheckBox& box = logic_.ignoreBox;
    box.SetBounds(14, 165, 201, 14);
    box.SetFont({L"Tahoma", 12, false, 0x434343});
    box.SetPictureList(&resources.noticeCheckBoxes);
    box.SetParent(&panel_);

    DialogButton().onClick = [this] { logic_.OnOkClick(); };
}

bool NoticeWindow::Create(HWND owner) {
    if (!CreateSkinnedDialog(owner)) return false;
    logic_.host.show = [this] { ShowOverOthers([this] { ShowCentred(); }); };
    logic_.host.hide = [this] { CloseModal(); };
    return true;
}

void NoticeWindow::SkinApplied() {
    checkBox_.SetFocusCueColor(FormColor());
    if (checkBox_.Handle() != nullptr) ::InvalidateRect(checkBox_.Handle(), nullptr, FALSE);
}

void NoticeWindow::ShowCentred() {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    // A hidden or minimised main window has no place worth centring on.
    if (mainWindow_ != nullptr && ::IsWindowVisible(mainWindow_) && !::IsIconic(mainWindow_)) {
        ::GetWindowRect(mainWindow_, &area);
    }
    CentreOn(area);
    ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

Size NoticeWindow::Panel::ClientSize() const { return kPanelSize; }

void NoticeWindow::PaintPanel(Canvas& canvas) {
    const NoticePictures& pictures = resources_.notice;
    canvas.DrawPicture(pictures.info, kInfoAt);
    message_.Paint(canvas);
    canvas.DrawPicture(pictures.trayArea, kTrayAreaAt);
}

}  // namespace dusk::win32
