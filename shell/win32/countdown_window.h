#pragma once
#include <cstdint>

#include "base/win32/window_timer.h"
#include "controls/win32/focus_proxy.h"
#include "core/countdown.h"
#include "core/countdown_runner.h"
#include "shell/win32/skinned_dialog.h"

namespace dusk::win32 {

// The countdown window on screen: a topmost, borderless, draggable 369 x 200 window, centred on
// the screen at each showing, that shows the countdown logic's digits, icon and caption and
// hosts its Cancel Task and Postpone buttons. Created hidden once; each countdown shows it over the
// other windows, which take no input meanwhile.
class CountdownWindow : public SkinnedDialog, public CountdownRunner {
public:
    static constexpr UINT_PTR kTickTimerId = 1;
    static constexpr UINT_PTR kBlinkTimerId = 2;
    static constexpr std::size_t kCancelButton = 0;
    static constexpr std::size_t kPostponeButton = 1;

    // skinCode is the process-wide value, read when it is needed.
    CountdownWindow(const ResourceWindow& resources, const std::uint8_t& skinCode,
                    Companion& companion);

    // Hidden and empty until its first showing, owned by `owner`.
    bool Create(HWND owner);

    // Shows the 30-second countdown and returns; onDone tells how it ended: RanOut only when
    // it reached zero, Interrupted when the window was hidden otherwise.
    void Start(TaskAction action, std::function<void(CountdownOutcome)> onDone) override;

    int PostponedMinutes() const override { return logic_.PostponedMinutes(); }

    Countdown& Logic() { return logic_; }

    // Opens the Postpone menu at a screen point; answers the minutes chosen, 0 for none.
    std::function<int(POINT)> choosePostpone;

protected:
    bool CreateContent() override;
    void PaintPanel(Canvas& canvas) override;
    void TimerTick(UINT_PTR id) override;
    void CloseRequested() override;
    void EscapePressed() override { CloseRequested(); }  // Cancel Task, with its question
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPostponeClick();
    void ShowTopmost();
    void ViewChanged();
    std::wstring RemainingText() const;

    MessageBoxUserPrompts prompts_;
    Countdown logic_;
    WindowTimer tickTimer_;
    WindowTimer blinkTimer_;
    FocusProxy remaining_;  // the caption and the seconds left, as text for screen readers
};

}  // namespace dusk::win32
