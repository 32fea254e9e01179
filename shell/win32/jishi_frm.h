#pragma once
#include <cstdint>
#include <optional>

#include "controls/XImageButtonColor.h"
#include "controls/win32/gdi_canvas.h"
#include "core/jishi.h"
#include "shell/win32/frmRes.h"
#include "shell/win32/label.h"
#include "shell/win32/skinned_form.h"
#include "shell/win32/window_timer.h"

namespace dusk::win32 {

// The countdown window on screen: a topmost, borderless, draggable 369 x 200 window, centred on
// the screen at each showing, that shows the countdown logic's digits, icon and caption and
// hosts its Cancel Task button. Created hidden once; each countdown shows it modally.
class CountdownWindow : public SkinnedForm {
public:
    static constexpr UINT_PTR kDaoJishiTimerId = 1;  // countdown tick
    static constexpr UINT_PTR kTimer2Id = 2;         // icon blink
    static constexpr Point kPanelOrigin{3, 24};

    // actionCode and skinCode are the process-wide values, read when they are needed.
    CountdownWindow(const TfrmResource& resources, CountdownState& state,
                    const std::int32_t& actionCode, const std::uint8_t& skinCode,
                    Companion& companion);

    bool Create(HWND owner);

    // Shows the 30-second countdown modally and answers CountdownCancelled once it has ended:
    // true only after a confirmed cancel. A call while a countdown runs waits for that one.
    bool RunCountdown();

    // The window, panel and Cancel Task colours of the current skin code.
    void ApplySkin();

    Tjishi_frm& Logic() { return logic_; }
    TXImageButtonColor& btnCancel() { return btnCancel_; }
    Color PanelColor() const { return panelColor_; }

protected:
    void PaintContent(Canvas& canvas) override;
    void TimerTick(UINT_PTR id) override;
    void CloseRequested() override;

private:
    void ShowTopmost();
    void PaintPanel(Canvas& canvas);

    const TfrmResource& resources_;
    const std::uint8_t& skinCode_;
    CountdownState& state_;
    Tjishi_frm logic_;
    GdiTextRenderer text_;
    TXImageButtonColor btnCancel_;
    std::optional<ImageButtonHost> cancelHost_;  // once the window exists
    WindowTimer daoJishiTimer_;
    WindowTimer timer2_;
    Color panelColor_ = 0xFFF5DF;
    Label label1_;
};

}  // namespace dusk::win32
