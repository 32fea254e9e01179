#include "shell/win32/tishi_frm.h"

#include "shell/win32/dialog_button.h"
#include "shell/win32/skin_colours.h"

namespace dusk::win32 {

namespace {
constexpr Size kClient{356, 220};
constexpr Size kPanelSize{350, 193};
constexpr Point kInfoAt{14, 12};
constexpr Point kTrayAreaAt{79, 53};
}  // namespace

NoticeWindow::NoticeWindow(const TfrmResource& resources, Ttishi_frm& logic,
                           const std::uint8_t& skinCode, Companion& companion)
    : SkinnedForm(resources.frames, skinCode, companion),
      resources_(resources),
      skinCode_(skinCode),
      logic_(logic),
      btnOk_(text_),
      checkBox_(logic.chkIgnore) {
    label2_.box = {8, 5, 8 + 164, 5 + 16};
    label2_.caption = L"Tolvane Dusk Relay";
    label2_.font = {L"Tahoma", 13, true, 0xFFFFFF};
    label1_.box = {52, 14, 52 + 294, 14 + 37};
    label1_.caption =
        L"The program will run in the background. You can double-click its icon on the "
        L"taskbar to restore it.";
    label1_.font = {L"Tahoma", 12, false, 0x000000};
    label1_.wordWrap = true;

    TXCheckBox& box = logic_.chkIgnore;
    box.SetBounds(14, 165, 201, 14);
    box.SetFont({L"Tahoma", 12, false, 0x434343});
    box.SetPicImageList(&resources.XCheckBoxPicList2);
    box.SetParent(&panel_);

    LoadDialogButton(btnOk_, {L"OK", 11, 1, {256, 156, 256 + 90, 156 + 33}, nullptr, {}},
                     resources.imgListOK);
    btnOk_.OnClick = [this] { logic_.btnOkClick(); };
}

bool NoticeWindow::Create(HWND owner) {
    if (!CreateForm({L"Ttishi_frm", L"tishi_frm", kClient.width, kClient.height}, owner)) {
        return false;
    }
    okHost_.emplace(Handle(), btnOk_, kPanelOrigin);
    AddButton(*okHost_);
    if (!checkBox_.Create(Handle(), kPanelOrigin)) return false;
    logic_.host.showModal = [this] { ShowModal([this] { ShowCentred(); }); };
    logic_.host.closeModal = [this] { CloseModal(); };
    ApplySkin();
    return true;
}

void NoticeWindow::ApplySkin() {
    const SkinColours colours = SkinColoursFor(skinCode_);
    SetFormColor(colours.window);
    btnOk_.SetButtonColor(colours.button);
    panelColor_ = colours.innerPanel;
    if (Handle() == nullptr) return;
    ::InvalidateRect(Handle(), nullptr, FALSE);
    ::InvalidateRect(checkBox_.Handle(), nullptr, FALSE);
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

void NoticeWindow::PaintContent(Canvas& canvas) {
    label2_.Paint(canvas);
    canvas.SaveState();
    canvas.MoveOrigin(kPanelOrigin.x, kPanelOrigin.y);
    canvas.ClipTo({0, 0, kPanelSize.width, kPanelSize.height});
    panel_.EraseBackground(canvas);
    panel_.PaintContent(canvas);
    canvas.RestoreState();
}

Size NoticeWindow::Panel::ClientSize() const { return kPanelSize; }

void NoticeWindow::Panel::EraseBackground(Canvas& canvas) {
    canvas.FillRectangle({0, 0, kPanelSize.width, kPanelSize.height}, form_.panelColor_);
}

void NoticeWindow::Panel::PaintContent(Canvas& canvas) {
    const NoticePictures& pictures = form_.resources_.notice;
    canvas.DrawPicture(pictures.info, kInfoAt);
    form_.label1_.Paint(canvas);
    canvas.DrawPicture(pictures.trayArea, kTrayAreaAt);
    if (form_.okHost_) form_.okHost_->Paint(canvas);
}

}  // namespace dusk::win32
