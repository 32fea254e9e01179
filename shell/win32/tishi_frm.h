#pragma once
#include <cstdint>
#include <optional>

#include "controls/XImageButtonColor.h"
#include "controls/win32/check_box_window.h"
#include "controls/win32/gdi_canvas.h"
#include "shell/tishi.h"
#include "shell/win32/frmRes.h"
#include "shell/win32/label.h"
#include "shell/win32/skinned_form.h"

namespace dusk::win32 {

// The background notice on screen: a borderless, draggable 356 x 220 window centred over the
// main window (over the screen while there is none), with its "Do not prompt me" box as a
// child window and an OK button. Its panel is the box's parent, so the box shows the panel's
// painting behind it.
class NoticeWindow : public SkinnedForm {
public:
    static constexpr Point kPanelOrigin{3, 24};

    NoticeWindow(const TfrmResource& resources, Ttishi_frm& logic, const std::uint8_t& skinCode,
                 Companion& companion);

    bool Create(HWND owner);
    // The window to centre on at each showing; none centres on the screen.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    // The window, panel and OK colours of the current skin code.
    void ApplySkin();

    TXImageButtonColor& btnOk() { return btnOk_; }
    HWND CheckBoxHandle() const { return checkBox_.Handle(); }
    Color PanelColor() const { return panelColor_; }

protected:
    void PaintContent(Canvas& canvas) override;

private:
    // panCenter as the check box's parent: everything in the panel's coordinates.
    class Panel : public ControlParent {
    public:
        explicit Panel(NoticeWindow& form) : form_(form) {}
        Size ClientSize() const override;
        void EraseBackground(Canvas& canvas) override;
        void PaintContent(Canvas& canvas) override;

    private:
        NoticeWindow& form_;
    };

    void ShowCentred();

    const TfrmResource& resources_;
    const std::uint8_t& skinCode_;
    Ttishi_frm& logic_;
    GdiTextRenderer text_;
    TXImageButtonColor btnOk_;
    std::optional<ImageButtonHost> okHost_;  // once the window exists
    Panel panel_{*this};
    CheckBoxWindow checkBox_;
    HWND mainWindow_ = nullptr;
    Color panelColor_ = 0xFFF5DF;
    Label label2_, label1_;
};

}  // namespace dusk::win32
