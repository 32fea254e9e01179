#pragma once
#include <cstdint>

#include "controls/win32/check_box_window.h"
#include "shell/background_notice.h"
#include "shell/win32/skinned_dialog.h"

namespace dusk::win32 {

// The background notice on screen: a borderless, draggable 356 x 220 window centred over the
// main window (over the screen while there is none), with its "Do not prompt me" box as a
// child window and an OK button. Its panel is the box's parent, so the box shows the panel's
// painting behind it.
class NoticeWindow : public SkinnedDialog {
public:
    NoticeWindow(const ResourceWindow& resources, BackgroundNotice& logic,
                 const std::uint8_t& skinCode, Companion& companion);

    // Hidden and empty until its first showing, owned by `owner`.
    bool Create(HWND owner);
    // The window to centre on at each showing; none centres on the screen.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    HWND CheckBoxHandle() const { return checkBox_.Handle(); }

protected:
    bool CreateContent() override { return checkBox_.Create(Handle(), kPanelOrigin); }
    void PaintPanel(Canvas& canvas) override;
    void SkinApplied() override;
    std::vector<HWND> FocusOrder() override {
        return {checkBox_.Handle(), ButtonFocusHandles().front()};
    }
    void Resized(Size /*client*/) override { checkBox_.Place(); }
    void CloseRequested() override { logic_.OnCloseRequest(); }

private:
    // The panel as the check box's parent: everything in the panel's coordinates.
    class Panel : public ControlParent {
    public:
        explicit Panel(NoticeWindow& form) : form_(form) {}
        Size ClientSize() const override;
        void EraseBackground(Canvas& canvas) override { form_.PaintPanelBackground(canvas); }
        void PaintContent(Canvas& canvas) override { form_.PaintPanelContent(canvas); }

    private:
        NoticeWindow& form_;
    };

    void ShowCentred();

    BackgroundNotice& logic_;
    Panel panel_{*this};
    CheckBoxWindow checkBox_;
    HWND mainWindow_ = nullptr;
    Label message_;
};

}  // namespace dusk::win32
