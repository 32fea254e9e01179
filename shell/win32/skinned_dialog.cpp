#include "shell/win32/skinned_dialog.h"

#include "controls/focus_cycle.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

SkinnedDialog::SkinnedDialog(const ResourceWindow& resources, const std::uint8_t& skinCode,
                             Companion& companion, const DialogLayout& layout)
    : SkinnedForm(resources.frames, skinCode, companion),
      resources_(resources),
      skinCode_(skinCode),
      layout_(layout),
      button_(text_),
      panelColor_(SkinFor(skinCode).innerPanel) {
    LoadDialogButton(button_, layout.button, resources.dialogButtons);
}

bool SkinnedDialog::CreateSkinnedDialog(HWND owner) {
    if (!CreateForm(layout_.form, owner)) return false;
    buttonHost_.emplace(Handle(), button_, kPanelOrigin);
    AddButton(*buttonHost_);
    const auto bounds = [this] {
        const Point at{kPanelOrigin.x + button_.Left(), kPanelOrigin.y + button_.Top()};
        return ScreenRect(Handle(), {at.x, at.y, at.x + button_.Width(), at.y + button_.Height()});
    };
    if (!buttonFocus_.Create(Handle(), button_.Caption(), AccessibleRole::PushButton, bounds)) {
        return false;
    }
    buttonFocus_.onPress = [this] {
        if (button_.Enabled() && button_.OnClick) button_.OnClick();
    };
    buttonFocus_.onFocusChanged = [this] { ::InvalidateRect(Handle(), nullptr, FALSE); };
    ApplySkin();
    return true;
}

void SkinnedDialog::ApplySkin() {
    const Skin& skin = SkinFor(skinCode_);
    SetFormColor(skin.window);
    button_.SetColor(skin.button);
    panelColor_ = skin.innerPanel;
    if (Handle() == nullptr) return;
    ::InvalidateRect(Handle(), nullptr, FALSE);
    SkinApplied();
}

void SkinnedDialog::PaintContent(Canvas& canvas) {
    layout_.title.Paint(canvas);
    canvas.SaveState();
    canvas.MoveOrigin(kPanelOrigin.x, kPanelOrigin.y);
    canvas.ClipTo({0, 0, layout_.panel.width, layout_.panel.height});
    PaintPanelBackground(canvas);
    PaintPanelContent(canvas);
    canvas.RestoreState();
}

void SkinnedDialog::PaintPanelBackground(Canvas& canvas) {
    canvas.FillRectangle({0, 0, layout_.panel.width, layout_.panel.height}, panelColor_);
}

void SkinnedDialog::PaintPanelContent(Canvas& canvas) {
    PaintPanel(canvas);
    if (buttonHost_) buttonHost_->Paint(canvas);
    if (buttonFocus_.Focused()) {
        const Rect around{button_.Left() + 2, button_.Top() + 2,
                          button_.Left() + button_.Width() - 2,
                          button_.Top() + button_.Height() - 2};
        PaintFocusCue(canvas, around, FormColor());
    }
}

}  // namespace dusk::win32
