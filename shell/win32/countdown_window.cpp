#include "shell/win32/countdown_window.h"

#include <iterator>
#include <string>
#include <utility>

#include "controls/win32/window_scale.h"

namespace dusk::win32 {

namespace {
constexpr Point kIconAt{17, 44};
constexpr Point kBackdropAt{97, 34};
constexpr Point kTensAt{192, 52};
constexpr Point kUnitsAt{226, 53};
constexpr Point kCaptionAt{97, 12};
const Font kCaptionFont{L"Tahoma", 11, true, 0x4080FF};
}  // namespace

CountdownWindow::CountdownWindow(const ResourceWindow& resources, const std::uint8_t& skinCode,
                                 Companion& companion)
    : SkinnedDialog(resources, skinCode, companion,
                    {{L"Tjishi_frm", L"jishi_frm", 369, 200},
                     {363, 173},
                     {{8, 5, 8, 5}, L"Tolvane Dusk Relay", {L"Tahoma", 12, true, 0xFFFFFF}},
                     {{L"Cancel Task",
                       12,
                       6,
                       {207, 131, 207 + 135, 131 + 33},
                       &resources.taskCancelSmall,
                       {13, 8}},
                      {L"Postpone", 12, 0, {62, 131, 62 + 135, 131 + 33}, nullptr, {}}}}),
      prompts_(companion, resources.catalogue, [this] { return WindowHandle(Handle()); }),
      logic_(resources.catalogue, prompts_),
      tickTimer_(logic_.tickTimer, kTickTimerId),
      blinkTimer_(logic_.blinkTimer, kBlinkTimerId) {
    DialogButton(kCancelButton).onClick = [this] { logic_.OnCancelClick(); };
    DialogButton(kPostponeButton).onClick = [this] { OnPostponeClick(); };
}

void CountdownWindow::OnPostponeClick() {
    if (!choosePostpone || !logic_.Running()) return;
    // The menu opens below the button; the count goes on while it is open.
    const RECT button = ButtonScreenRect(kPostponeButton);
    const int minutes = choosePostpone({button.left, button.bottom});
    if (minutes > 0) logic_.OnPostpone(minutes);
}

bool CountdownWindow::Create(HWND owner) {
    if (!CreateSkinnedDialog(owner)) return false;
    tickTimer_.Attach(Handle());
    blinkTimer_.Attach(Handle());
    logic_.host.showTopmost = [this] { ShowOverOthers([this] { ShowTopmost(); }); };
    logic_.host.hide = [this] { CloseModal(); };
    logic_.host.viewChanged = [this] { ViewChanged(); };
    return true;
}

bool CountdownWindow::CreateContent() {
    const auto digits = [this] {
        return ScreenRect(Handle(), {kPanelOrigin.x + kBackdropAt.x, kPanelOrigin.y + kBackdropAt.y,
                                     kPanelOrigin.x + kUnitsAt.x + 30, kPanelOrigin.y + 103});
    };
    return remaining_.Create(Handle(), RemainingText(), AccessibleRole::StaticText, digits);
}

std::wstring CountdownWindow::RemainingText() const {
    return logic_.Caption() + L" " +
           std::to_wstring(logic_.TensDigit() * 10 + logic_.UnitsDigit()) + L" seconds";
}

void CountdownWindow::ViewChanged() {
    ::InvalidateRect(Handle(), nullptr, FALSE);
    const std::wstring text = RemainingText();
    wchar_t shown[256]{};
    ::GetWindowTextW(remaining_.Handle(), shown, int(std::size(shown)));
    if (text != shown) remaining_.SetCaption(text);
}

void CountdownWindow::Start(TaskAction action, std::function<void(CountdownOutcome)> onDone) {
    logic_.Start(action, std::move(onDone));
}

void CountdownWindow::ShowTopmost() {
    CentreOn({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void CountdownWindow::PaintPanel(Canvas& canvas) {
    const CountdownPictures& pictures = resources_.countdown;
    if (logic_.FirstIconVisible()) canvas.DrawPicture(pictures.icon1, kIconAt);
    if (logic_.SecondIconVisible()) canvas.DrawPicture(pictures.icon2, kIconAt);
    canvas.DrawPicture(pictures.backdrop, kBackdropAt);
    canvas.DrawPicture(pictures.digits[std::size_t(logic_.TensDigit())], kTensAt);
    canvas.DrawPicture(pictures.digits[std::size_t(logic_.UnitsDigit())], kUnitsAt);
    canvas.DrawTextLine(logic_.Caption(), kCaptionFont, kCaptionAt);
}

void CountdownWindow::TimerTick(UINT_PTR id) {
    if (!tickTimer_.Tick(id)) blinkTimer_.Tick(id);
}

void CountdownWindow::CloseRequested() {
    // Closing the countdown from the keyboard is a request to cancel it, never a way to skip
    // to the action; the question decides as the Cancel Task button does.
    if (IsModal() && logic_.tickTimer.Enabled()) logic_.OnCancelClick();
}

LRESULT CountdownWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Hidden by anything but its own end: the countdown is over and nothing is performed.
    if (message == WM_SHOWWINDOW && wParam == FALSE && logic_.Running()) {
        const LRESULT result = SkinnedDialog::HandleMessage(message, wParam, lParam);
        logic_.Interrupt();
        return result;
    }
    return SkinnedDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace dusk::win32
