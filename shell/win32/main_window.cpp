#include "shell/win32/main_window.h"

#include <utility>

#include "controls/picture_ops.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/high_contrast.h"
#include "controls/win32/keyboard_navigation.h"
#include "controls/win32/window_scale.h"
#include "core/win32/instance_block.h"

namespace dusk::win32 {

namespace {

constexpr Size kDesignSize{700, 524};
constexpr Color kPageColor = 0xFFFFFF;

// The pages keep their distance to every edge of the window.
Rect PageBounds(int tab, Size client) {
    if (tab == MainWindow::kTaskTab) return {20, 72, client.width - 19, client.height - 33};
    return {24, 72, client.width - 25, client.height - 47};
}

}  // namespace

MainWindow::MainWindow(const ResourceWindow& resources, TaskView& view, MainWindowEvents events,
                       const std::uint8_t& skinCode, Companion& companion)
    : SkinnedForm(resources.frames, skinCode, companion),
      resources_(resources),
      events_(std::move(events)),
      skinCode_(skinCode),
      companion_(companion),
      title_(resources),
      taskPage_(view, resources, skinCode),
      ourProductsPage_(kPageColor),
      vimblyPage_(kPageColor),
      client_(kDesignSize) {
    for (int tab = 0; tab < TitleArea::kTabCount; ++tab) {
        title_.tabs[std::size_t(tab)].onClick = [this, tab] { SelectTab(tab); };
    }
    title_.minimize.onClick = [this] { Minimize(); };
    title_.close.onClick = [this] { Hide(); };
    title_.onSkinButton = [this](std::uint8_t code) {
        if (events_.onSkinButton) events_.onSkinButton(code);
    };
}

bool MainWindow::Create(HWND owner) {
    SetSystemColorsInForce(HighContrastOn());
    // The main window, not its hidden owner, stands in the task bar.
    const Layout layout{L"TfrmMain",
                        L"123456",
                        kDesignSize.width,
                        kDesignSize.height,
                        WS_MINIMIZEBOX | WS_SYSMENU,
                        WS_EX_APPWINDOW};
    if (!CreateForm(layout, owner)) return false;
    CentreOn({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    if (!title_.Create(Handle(), [this](ImageButtonHost& button) { AddButton(button); }) ||
        !taskPage_.Create(Handle(), PageBounds(kTaskTab, client_))) {
        return false;
    }
    for (int tab = 0; tab < TitleArea::kTabCount; ++tab) {
        ColorImageButton& button = title_.tabs[std::size_t(tab)];
        FocusProxy& proxy = tabProxies_[std::size_t(tab)];
        const auto bounds = [this, &button] {
            return ScreenRect(Handle(),
                              {button.Left(), button.Top(), button.Left() + button.Width(),
                               button.Top() + button.Height()});
        };
        if (!proxy.Create(Handle(), button.Caption(), AccessibleRole::PageTab, bounds)) {
            return false;
        }
        proxy.isChecked = [this, tab] { return activeTab_ == tab; };
        proxy.onPress = [this, tab] { SelectTab(tab); };
    }
    PlaceEdges(client_);
    ApplySkin();
    return true;
}

void MainWindow::BindTimers(TimerModel& watchTimer, TimerModel& clockTimer) {
    watchTimer_.emplace(watchTimer, kWatchTimerId);
    clockTimer_.emplace(clockTimer, kClockTimerId);
    watchTimer_->Attach(Handle());
    clockTimer_->Attach(Handle());
}

void MainWindow::MakeCompanionPage(int tab) {
    if (tab == kTaskTab) return;
    PanelWindow& panel = tab == kVimblyTab ? vimblyPage_ : ourProductsPage_;
    if (panel.Handle() != nullptr || !panel.Create(Handle(), PageBounds(tab, client_), false)) {
        return;
    }
    // The companion library lays its pages out in the pages' own pixels.
    const Rect page = ScaleOf(Handle()).Of(PageBounds(tab, client_));
    if (tab == kVimblyTab) {
        companion_.ShowCompanionPage(panel.Handle(), page.Width(), page.Height());
    } else {
        companion_.ShowProductsPage(panel.Handle(), page.Width(), page.Height());
    }
}

void MainWindow::Show() {
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
}

void MainWindow::Hide() { ::ShowWindow(Handle(), SW_HIDE); }

void MainWindow::Minimize() {
    // A hidden window stays hidden: minimizing must not bring it to the task bar.
    if (::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_MINIMIZE);
}

void MainWindow::Restore() {
    ::ShowWindow(Handle(), SW_RESTORE);
    ::SetForegroundWindow(Handle());
}

void MainWindow::ApplySkin() {
    const Skin& skin = SkinFor(skinCode_);
    SetFormColor(skin.window);
    title_.SetColor(skin.button);
    taskPage_.ApplySkin();
}

void MainWindow::SelectTab(int tab) {
    if (tab < 0 || tab >= TitleArea::kTabCount) return;
    activeTab_ = tab;
    MakeCompanionPage(tab);
    ::ShowWindow(PageHandle(tab), SW_SHOW);
    for (int other = 0; other < TitleArea::kTabCount; ++other) {
        if (other != tab) ::ShowWindow(PageHandle(other), SW_HIDE);
    }
    BringButtonToFront(title_.ShowTabActive(tab));
    for (const FocusProxy& proxy : tabProxies_) proxy.StateChanged();
}

HWND MainWindow::PageHandle(int tab) const {
    switch (tab) {
        case kTaskTab:
            return taskPage_.Handle();
        case kOurProductsTab:
            return ourProductsPage_.Handle();
        case kVimblyTab:
            return vimblyPage_.Handle();
        default:
            return nullptr;
    }
}

void MainWindow::PaintContent(Canvas& canvas) {
    const int w = client_.width;
    const int h = client_.height;
    PaintMainWindowExtras(canvas, w, h, resources_.corners.For(skinCode_));
    const MainWindowPictures& pictures = resources_.main;
    canvas.DrawPicture(pictures.edgeRightBottom, {w - 20, h - 38});
    canvas.DrawPicture(pictures.edgeLeftBottom, {14, h - 38});
    canvas.DrawPicture(edgeBottom_, {22, h - 38});
    canvas.DrawPicture(edgeRight_, {w - 20, 66});
    title_.Paint(canvas);
}

void MainWindow::PlaceEdges(Size client) {
    const MainWindowPictures& pictures = resources_.main;
    edgeBottom_ =
        ScalePicture(pictures.edgeBottom, client.width - 42, pictures.edgeBottom.Height());
    edgeRight_ = ScalePicture(pictures.edgeRight, pictures.edgeRight.Width(), client.height - 104);
}

void MainWindow::TimerTick(UINT_PTR id) {
    if (watchTimer_ && watchTimer_->Tick(id)) return;
    if (clockTimer_) clockTimer_->Tick(id);
}

std::vector<HWND> MainWindow::FocusOrder() {
    // The other tabs' pages belong to the companion library.
    return activeTab_ == kTaskTab ? taskPage_.FocusOrder() : std::vector<HWND>{};
}

void MainWindow::CloseRequested() {
    // Never closed this way: the program goes on; during the countdown nothing happens at all.
    if (events_.countdownShowing && events_.countdownShowing()) return;
    ::SendMessageW(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void MainWindow::Resized(Size client) {
    if (client.width == 0 && client.height == 0) return;  // minimized: nothing to lay out
    client_ = client;
    title_.Layout(client.width);
    PlaceChild(taskPage_.Handle(), PageBounds(kTaskTab, client));
    PlaceChild(ourProductsPage_.Handle(), PageBounds(kOurProductsTab, client));
    PlaceChild(vimblyPage_.Handle(), PageBounds(kVimblyTab, client));
    taskPage_.Relayout();
    PlaceEdges(client);
    companion_.MainWindowResized();
}

void MainWindow::FormShow() {
    firstShowDone_ = true;
    SelectTab(kTaskTab);
    // The task part reads the Task Scheduler: the window shows and paints first.
    ::PostMessageW(Handle(), kFirstShowTaskMessage, 0, 0);
}

void MainWindow::FirstShowTask() {
    if (taskPartDone_) return;
    taskPartDone_ = true;
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (events_.onFirstShow) events_.onFirstShow();
    // The program's own first activation sends a window with a set task back to the
    // notification area, as soon as the task is known.
    if (activatedBeforeTask_ && events_.taskSet && events_.taskSet()) Hide();
    activatedBeforeTask_ = false;
}

void MainWindow::Activated(HWND previous) {
    // The program activates its main window itself at the first showing and when one of its
    // modal windows (not a message box over this window) goes away; only then does a set task
    // send the window back to the notification area.
    const bool fromModalWindow =
        disabledMeanwhile_ && (previous == nullptr || ::GetWindow(previous, GW_OWNER) != Handle());
    const bool programActivation = firstActivation_ || fromModalWindow;
    if (firstActivation_ && !taskPartDone_) activatedBeforeTask_ = true;
    firstActivation_ = false;
    disabledMeanwhile_ = false;
    if (programActivation && events_.taskSet && events_.taskSet()) Hide();
}

bool MainWindow::LinkMessage(UINT message, LPARAM lParam) {
    const POINT point = DesignPoint(Handle(), MousePoint(lParam));
    switch (message) {
        case WM_MOUSEMOVE:
            title_.LinkMouseMove(point);
            return false;  // the buttons see the pointer too
        case WM_MOUSELEAVE:
            title_.LinkMouseLeft();
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return title_.LinkPress(point, message == WM_LBUTTONDBLCLK);  // no drag from it
        case WM_LBUTTONUP:
            if (title_.LinkRelease(point)) companion_.OpenHomePage();
            return false;
        case WM_SETCURSOR: {
            if (LOWORD(lParam) != HTCLIENT) return false;
            POINT cursor{};
            ::GetCursorPos(&cursor);
            ::ScreenToClient(Handle(), &cursor);
            if (!title_.OnLink(DesignPoint(Handle(), cursor))) return false;
            ShowCursorKind(CursorKind::Hand);
            return true;
        }
        default:
            return false;
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) title_.MakeHints();
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam != FALSE && !firstShowDone_) FormShow();
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) Activated(reinterpret_cast<HWND>(lParam));
            break;
        case WM_ENABLE:
            if (wParam == FALSE) disabledMeanwhile_ = true;
            break;
        case WM_GETMINMAXINFO: {
            auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
            const Size least = ScaleOf(Handle()).Of(kDesignSize);
            info.ptMinTrackSize = {least.width, least.height};
            return 0;
        }
        case WM_COMMAND:
            if (lParam == 0 &&
                (LOWORD(wParam) == kNextPageCommand || LOWORD(wParam) == kPreviousPageCommand)) {
                const int step = LOWORD(wParam) == kNextPageCommand ? 1 : TitleArea::kTabCount - 1;
                SelectTab((activeTab_ + step) % TitleArea::kTabCount);
                return 0;
            }
            break;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            // A high-contrast theme turned on or off: the skins follow at once.
            if (HighContrastOn() != SystemColorsInForce()) {
                SetSystemColorsInForce(!SystemColorsInForce());
                ApplySkin();
                ::RedrawWindow(Handle(), nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
            }
            break;
        case kFirstShowTaskMessage:
            FirstShowTask();
            return 0;
        case kRefreshMessage:
            if (events_.onRefresh) events_.onRefresh();
            return 0;
        case kScheduledStartMessage:
            // The sender waits for the done message in its own loop, not for this handler.
            ::ReplyMessage(kScheduledStartTaken);
            // A start handed over before the first showing's task part waits for the task.
            if (firstShowDone_) FirstShowTask();
            if (events_.onScheduledStart) events_.onScheduledStart(InstanceWindow(wParam));
            return kScheduledStartTaken;
        default:
            if (LinkMessage(message, lParam)) return message == WM_SETCURSOR;
            break;
    }
    return SkinnedForm::HandleMessage(message, wParam, lParam);
}

}  // namespace dusk::win32
