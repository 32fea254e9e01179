#include "shell/win32/jishi_frm.h"

#include "shell/win32/dialog_button.h"
#include "shell/win32/skin_colours.h"

namespace dusk::win32 {

namespace {
constexpr Size kClient{369, 200};
constexpr Rect kPanel{0, 0, 363, 173};
constexpr Point kIconAt{17, 44};
constexpr Point kBackdropAt{97, 34};
constexpr Point kTensAt{192, 52};
constexpr Point kUnitsAt{226, 53};
constexpr Point kLabel3At{97, 12};
const Font kLabel3Font{L"Tahoma", 11, true, 0x4080FF};
}  // namespace

CountdownWindow::CountdownWindow(const TfrmResource& resources, CountdownState& state,
                                 const std::int32_t& actionCode, const std::uint8_t& skinCode,
                                 Companion& companion)
    : SkinnedForm(resources.frames, skinCode, companion),
      resources_(resources),
      skinCode_(skinCode),
      state_(state),
      logic_(state, actionCode, resources.catalogue, companion),
      btnCancel_(text_),
      daoJishiTimer_(logic_.dao_jishi_timer, kDaoJishiTimerId),
      timer2_(logic_.Timer2, kTimer2Id) {
    label1_.box = {8, 5, 8, 5};
    label1_.caption = L"Tolvane Dusk Relay";
    label1_.font = {L"Tahoma", 12, true, 0xFFFFFF};

    LoadDialogButton(btnCancel_,
                     {L"Cancel Task",
                      12,
                      6,
                      {207, 131, 207 + 135, 131 + 33},
                      &resources.taskCancelSmall,
                      {13, 8}},
                     resources.imgListOK);
    btnCancel_.OnClick = [this] { logic_.btnCancelClick(); };
}

bool CountdownWindow::Create(HWND owner) {
    if (!CreateForm({L"Tjishi_frm", L"jishi_frm", kClient.width, kClient.height}, owner)) {
        return false;
    }
    cancelHost_.emplace(Handle(), btnCancel_, kPanelOrigin);
    AddButton(*cancelHost_);
    daoJishiTimer_.Attach(Handle());
    timer2_.Attach(Handle());
    logic_.host.window = Handle();
    logic_.host.showTopmost = [this] { ShowTopmost(); };
    logic_.host.closeModal = [this] { CloseModal(); };
    logic_.host.viewChanged = [this] { ::InvalidateRect(Handle(), nullptr, FALSE); };
    ApplySkin();
    return true;
}

bool CountdownWindow::RunCountdown() {
    if (!ShowModal([this] { logic_.FormShow(); })) {
        // The program is quitting: nothing may be performed for a countdown that never ended.
        logic_.dao_jishi_timer.SetEnabled(false);
        logic_.Timer2.SetEnabled(false);
        state_.CountdownCancelled = true;
    }
    return state_.CountdownCancelled;
}

void CountdownWindow::ApplySkin() {
    const SkinColours colours = SkinColoursFor(skinCode_);
    SetFormColor(colours.window);
    btnCancel_.SetButtonColor(colours.button);
    panelColor_ = colours.innerPanel;
    if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void CountdownWindow::ShowTopmost() {
    CentreOn({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CountdownWindow::PaintContent(Canvas& canvas) {
    label1_.Paint(canvas);
    canvas.SaveState();
    canvas.MoveOrigin(kPanelOrigin.x, kPanelOrigin.y);
    canvas.ClipTo(kPanel);
    PaintPanel(canvas);
    canvas.RestoreState();
}

void CountdownWindow::PaintPanel(Canvas& canvas) {
    const CountdownPictures& pictures = resources_.countdown;
    canvas.FillRectangle(kPanel, panelColor_);
    if (logic_.Image1Visible()) canvas.DrawPicture(pictures.icon1, kIconAt);
    if (logic_.Image2Visible()) canvas.DrawPicture(pictures.icon2, kIconAt);
    canvas.DrawPicture(pictures.backdrop, kBackdropAt);
    canvas.DrawPicture(pictures.digits[std::size_t(logic_.Image4Digit())], kTensAt);
    canvas.DrawPicture(pictures.digits[std::size_t(logic_.Image5Digit())], kUnitsAt);
    canvas.DrawTextLine(logic_.Label3Caption(), kLabel3Font, kLabel3At);
    if (cancelHost_) cancelHost_->Paint(canvas);
}

void CountdownWindow::TimerTick(UINT_PTR id) {
    if (!daoJishiTimer_.Tick(id)) timer2_.Tick(id);
}

void CountdownWindow::CloseRequested() {
    // Closing the countdown from the keyboard is a request to cancel it, never a way to skip
    // to the action; the question decides as the Cancel Task button does.
    if (IsModal() && logic_.dao_jishi_timer.Enabled()) logic_.btnCancelClick();
}

}  // namespace dusk::win32
