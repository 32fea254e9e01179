#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "controls/color_image_button.h"
#include "controls/label.h"
#include "controls/win32/focus_proxy.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/image_button_host.h"
#include "shell/dialog_button.h"
#include "shell/win32/resource_window.h"
#include "shell/win32/skinned_form.h"

namespace dusk::win32 {

// What the countdown and notice windows share: a white title on the form colour, an inner panel
// in the skin's panel colour, and one dialog button on that panel.
class SkinnedDialog : public SkinnedForm {
public:
    static constexpr Point kPanelOrigin{3, 24};

    // The window, panel and button colours of the current skin code.
    void ApplySkin();

    ColorImageButton& DialogButton() { return button_; }
    Color PanelColor() const { return panelColor_; }

protected:
    struct DialogLayout {
        Layout form;
        Size panel;
        Label title;
        DialogButtonLayout button;
    };

    SkinnedDialog(const ResourceWindow& resources, const std::uint8_t& skinCode,
                  Companion& companion, const DialogLayout& layout);

    // The hidden window with its button, in the current skin.
    bool CreateSkinnedDialog(HWND owner);

    // The panel's background and everything on it, in the panel's coordinates.
    void PaintPanelBackground(Canvas& canvas);
    void PaintPanelContent(Canvas& canvas);
    // What the window puts on its panel below the button.
    virtual void PaintPanel(Canvas& canvas) = 0;
    virtual void SkinApplied() {}
    std::vector<HWND> FocusOrder() override { return {buttonFocus_.Handle()}; }
    HWND ButtonFocusHandle() const { return buttonFocus_.Handle(); }

    const ResourceWindow& resources_;
    GdiTextRenderer text_;

private:
    void PaintContent(Canvas& canvas) final;

    const std::uint8_t& skinCode_;
    DialogLayout layout_;
    ColorImageButton button_;
    std::optional<ImageButtonHost> buttonHost_;  // once the window exists
    FocusProxy buttonFocus_;
    Color panelColor_;
};

}  // namespace dusk::win32
