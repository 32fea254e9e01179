#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "base/win32/window_timer.h"
#include "controls/win32/focus_proxy.h"
#include "controls/win32/panel_window.h"
#include "core/main_window_host.h"
#include "core/task_view.h"
#include "shell/win32/main_window_events.h"
#include "shell/win32/resource_window.h"
#include "shell/win32/skinned_form.h"
#include "shell/win32/task_page.h"
#include "shell/win32/title_area.h"

namespace dusk::win32 {

// The main window: a borderless, draggable 700 x 524 window with its title area, three tabs and
// the task page, the companion library's two pages on the other tabs, and the content area's
// white card. It is created hidden once and only ever hidden again: close hides it, a close
// request from the system minimizes it.
class MainWindow : public SkinnedForm, public MainWindowHost {
public:
    static constexpr UINT kRefreshMessage = WM_USER + 3721;  // 0x1289
    // Posted by the first showing: its task part, once the window has painted.
    static constexpr UINT kFirstShowTaskMessage = WM_APP + 1;
    static constexpr UINT_PTR kWatchTimerId = 1;
    static constexpr UINT_PTR kClockTimerId = 2;
    static constexpr int kTaskTab = 0, kOurProductsTab = 1, kVimblyTab = 2;

    // The view, skin code and events belong to the application and outlive the window.
    MainWindow(const ResourceWindow& resources, TaskView& view, MainWindowEvents events,
               const std::uint8_t& skinCode, Companion& companion);

    // Hidden, centred on the screen, owned by `owner`.
    bool Create(HWND owner);
    // The task controller's watch and clock timers as this window's timers.
    void BindTimers(TimerModel& watchTimer, TimerModel& clockTimer);

    // Shown in its normal state and brought to the front.
    void Show();
    void Hide() override;
    void Minimize() override;
    void Restore() override;

    // Recolours the window's own parts by the current skin code.
    void ApplySkin();

    void SelectTab(int tab);
    int ActiveTab() const { return activeTab_; }
    bool FirstShowDone() const { return firstShowDone_; }

    TitleArea& Title() { return title_; }
    TaskPage& Page() { return taskPage_; }
    HWND PageHandle(int tab) const;

protected:
    void PaintContent(Canvas& canvas) override;
    void TimerTick(UINT_PTR id) override;
    void CloseRequested() override;
    std::vector<HWND> FocusOrder() override;
    void Resized(Size client) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormShow();
    void FirstShowTask();
    void Activated(HWND previous);
    bool LinkMessage(UINT message, LPARAM lParam);
    void PlaceEdges(Size client);
    // The second and third tabs' pages are made, and filled by the companion library, when
    // they first show.
    void MakeCompanionPage(int tab);

    const ResourceWindow& resources_;
    MainWindowEvents events_;
    const std::uint8_t& skinCode_;
    Companion& companion_;

    TitleArea title_;
    std::array<FocusProxy, TitleArea::kTabCount> tabProxies_;  // what screen readers see
    TaskPage taskPage_;
    PanelWindow ourProductsPage_;
    PanelWindow vimblyPage_;
    int activeTab_ = kTaskTab;
    bool firstShowDone_ = false;
    bool firstActivation_ = true;
    bool taskPartDone_ = false;         // the first showing's task part has begun
    bool activatedBeforeTask_ = false;  // the first activation came before it
    bool disabledMeanwhile_ = false;    // by a modal window since the last activation

    Picture edgeBottom_, edgeRight_;  // stretched for the current size
    Size client_;

    std::optional<WindowTimer> watchTimer_;
    std::optional<WindowTimer> clockTimer_;
};

}  // namespace dusk::win32
