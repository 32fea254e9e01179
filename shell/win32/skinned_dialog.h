#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

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
// in the skin's panel colour, and the dialog buttons on that panel.
class SkinnedDialog : public SkinnedForm {
public:
    static constexpr Point kPanelOrigin{3, 24};

    // The window, panel and button colours of the current skin code.
    void ApplySkin();

    // The buttons in the layout's order, which is also their focus order.
    ColorImageButton& DialogButton(std::size_t index = 0) { return buttons_[index]->button; }
    Color PanelColor() const { return panelColor_; }

protected:
    struct DialogLayout {
        Layout form;
        Size panel;
        Label title;
        std::vector<DialogButtonLayout> buttons;
    };

    SkinnedDialog(const ResourceWindow& resources, const std::uint8_t& skinCode,
                  Companion& companion, const DialogLayout& layout);

    // The hidden window, styled but empty: its buttons and child controls are made when it
    // first shows, in the skin then in force.
    bool CreateSkinnedDialog(HWND owner);
    // The window's own child controls, made after the buttons at the first showing.
    virtual bool CreateContent() { return true; }

    // The panel's background and everything on it, in the panel's coordinates.
    void PaintPanelBackground(Canvas& canvas);
    void PaintPanelContent(Canvas& canvas);
    // What the window puts on its panel below the buttons.
    virtual void PaintPanel(Canvas& canvas) = 0;
    virtual void SkinApplied() {}
    std::vector<HWND> FocusOrder() override { return ButtonFocusHandles(); }
    std::vector<HWND> ButtonFocusHandles() const;
    // The button's place on the screen, as its focus stand-in tells screen readers.
    RECT ButtonScreenRect(std::size_t index) const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    const ResourceWindow& resources_;
    GdiTextRenderer text_;

private:
    void PaintContent(Canvas& canvas) final;

    const std::uint8_t& skinCode_;
    struct ButtonSlot {
        explicit ButtonSlot(TextRenderer& text) : button(text) {}
        ColorImageButton button;
        std::optional<ImageButtonHost> host;  // once the window exists
        FocusProxy focus;
    };
    bool CreateButton(ButtonSlot& slot);
    bool MakeContent();

    DialogLayout layout_;
    std::vector<std::unique_ptr<ButtonSlot>> buttons_;
    Color panelColor_;
    bool contentMade_ = false;
};

}  // namespace dusk::win32
