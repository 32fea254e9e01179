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
      panelColor_(SkinFor(skinCode).innerPanel) {
    for (const DialogButtonLayout& buttonLayout : layout.buttons) {
        buttons_.push_back(std::make_unique<ButtonSlot>(text_));
        LoadDialogButton(buttons_.back()->button, buttonLayout, resources.dialogButtons);
    }
}

bool SkinnedDialog::CreateSkinnedDialog(HWND owner) { return CreateForm(layout_.form, owner); }

bool SkinnedDialog::MakeContent() {
    if (contentMade_) return true;
    contentMade_ = true;
    for (auto& slot : buttons_) {
        if (!CreateButton(*slot)) return false;
    }
    if (!CreateContent()) return false;
    ApplySkin();
    return true;
}

LRESULT SkinnedDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The buttons and child controls exist before the first showing paints, whether
    // ShowWindow or SetWindowPos shows the window.
    if (message == WM_WINDOWPOSCHANGING &&
        (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
        MakeContent();
    }
    return SkinnedForm::HandleMessage(message, wParam, lParam);
}

bool SkinnedDialog::CreateButton(ButtonSlot& slot) {
    ColorImageButton& button = slot.button;
    slot.host.emplace(Handle(), button, kPanelOrigin);
    AddButton(*slot.host);
    const auto bounds = [this, &button] {
        const Point at{kPanelOrigin.x + button.Left(), kPanelOrigin.y + button.Top()};
        return ScreenRect(Handle(), {at.x, at.y, at.x + button.Width(), at.y + button.Height()});
    };
    if (!slot.focus.Create(Handle(), button.Caption(), AccessibleRole::PushButton, bounds)) {
        return false;
    }
    slot.focus.onPress = [&button] {
        if (button.Enabled() && button.onClick) button.onClick();
    };
    slot.focus.onFocusChanged = [this] { ::InvalidateRect(Handle(), nullptr, FALSE); };
    return true;
}

std::vector<HWND> SkinnedDialog::ButtonFocusHandles() const {
    std::vector<HWND> handles;
    for (const auto& slot : buttons_) handles.push_back(slot->focus.Handle());
    return handles;
}

RECT SkinnedDialog::ButtonScreenRect(std::size_t index) const {
    const ColorImageButton& button = buttons_[index]->button;
    const Point at{kPanelOrigin.x + button.Left(), kPanelOrigin.y + button.Top()};
    return ScreenRect(Handle(), {at.x, at.y, at.x + button.Width(), at.y + button.Height()});
}

void SkinnedDialog::ApplySkin() {
    const Skin& skin = SkinFor(skinCode_);
    SetFormColor(skin.window);
    for (auto& slot : buttons_) slot->button.SetColor(skin.button);
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
    for (const auto& slot : buttons_) {
        const ColorImageButton& button = slot->button;
        if (slot->host) slot->host->Paint(canvas);
        if (!slot->focus.Focused()) continue;
        const Rect around{button.Left() + 2, button.Top() + 2, button.Left() + button.Width() - 2,
                          button.Top() + button.Height() - 2};
        PaintFocusCue(canvas, around, FormColor());
    }
}

}  // namespace dusk::win32
