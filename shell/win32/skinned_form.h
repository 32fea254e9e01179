#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "base/win32/window_base.h"
#include "companion/companion.h"
#include "controls/frame_painter.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/image_button_host.h"
#include "controls/win32/image_button_router.h"
#include "shell/skin.h"

namespace dusk::win32 {

// The common part of the program's borderless skinned windows: the form colour with the skin's
// frame, dragging from any point, hosted image buttons, the modal showing and the end query.
// A form is created once, hidden, and only ever hidden again; it is never destroyed early.
class SkinnedForm : public WindowBase {
public:
    SkinnedForm(const SkinPictures& frames, const std::uint8_t& skinCode, Companion& companion);
    ~SkinnedForm() override;

    // Shown over the other windows, which take no input meanwhile.
    bool IsModal() const { return overOthers_; }
    bool DraggingEnabled() const { return draggingEnabled_; }
    Color FormColor() const { return formColor_; }
    void SetFormColor(Color color);
    // The frame picture of the latest paint; null before the first.
    const Picture* LastFramePicture() const { return lastFrame_; }

    // The client area as the window paints it, child windows excluded.
    Picture RenderClient();

protected:
    struct Layout {
        const wchar_t* className;
        const wchar_t* title;
        int clientWidth;
        int clientHeight;
        DWORD extraStyle = 0;  // beside WS_POPUP | WS_CLIPCHILDREN
        DWORD exStyle = 0;
    };
    // FormCreate: the hidden window, dragging enabled, styled by the companion library.
    bool CreateForm(const Layout& layout, HWND owner);

    // Runs show(), which shows the window, with the owner and every other visible window of the
    // thread disabled until CloseModal; returns at once, the caller's message loop goes on.
    void ShowOverOthers(const std::function<void()>& show);
    // Hides the window and enables the others again.
    void CloseModal();

    // Moves the window so that it is centred on `area` (screen coordinates), kept within the
    // work area of the monitor it lands on.
    void CentreOn(const RECT& area);

    // Buttons added first take the pointer first where buttons overlap.
    void AddButton(ImageButtonHost& button) { buttons_.Add(button); }
    void BringButtonToFront(ImageButtonHost& button) { buttons_.BringToFront(button); }
    // The fonts of the window's paints, kept for its life.
    GdiFontCache& Fonts() { return paintBuffer_.Fonts(); }

    // After the display scale may have changed (and once at creation), before the repaint: real
    // child controls take their fonts for the new scale. Positions follow in Resized.
    virtual void ScaleChanged() {}

    // Everything inside the frame, over the form colour.
    virtual void PaintContent(Canvas& canvas) = 0;
    // After a change of size, in design pixels, before the whole window is repainted.
    virtual void Resized(Size /*client*/) {}
    virtual void TimerTick(UINT_PTR /*id*/) {}
    // Alt+F4 and the like: the window must not be destroyed. Hides it unless overridden.
    virtual void CloseRequested() { CloseModal(); }
    // Esc: nothing unless overridden.
    virtual void EscapePressed() {}
    // The window's focusable controls in reading order, for Tab and Shift+Tab.
    virtual std::vector<HWND> FocusOrder() { return {}; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DisableOthers();
    void EnableOthers();
    void FormPaint(Canvas& canvas);
    void FormMouseDown();
    void FormResize(Size client);
    // Sizes the window for its design client size at its monitor's scale, at the place Windows
    // suggests when the scale changed.
    void FitToScale(const RECT* suggested);

    const SkinPictures& frames_;
    const std::uint8_t& skinCode_;
    Companion& companion_;
    Color formColor_ = 0xD58B3A;
    const Picture* lastFrame_ = nullptr;
    bool draggingEnabled_ = false;
    Size designClient_;
    bool overOthers_ = false;
    std::vector<HWND> disabled_;  // by the modal showing, enabled again at its end
    ImageButtonRouter buttons_;
    PaintBuffer paintBuffer_;
};

}  // namespace dusk::win32
