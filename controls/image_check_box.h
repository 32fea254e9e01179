#pragma once
#include <functional>
#include <string>

#include "controls/canvas.h"
#include "controls/check_box_pictures.h"
#include "controls/control_host.h"

namespace dusk {

// Image check box or radio button: a small picture from a picture list, then a one-line caption,
// over whatever its parent paints behind it. The host gives it a surface of its own: repaintNow
// must run PaintCheckBox on that surface before returning (so must the platform's paint
// requests), and invalidate means the control changed its own width.
//
// The control keeps no group: RadioButton only stops a click from unchecking a checked control.
// Setting Status from code fires no event.
class ImageCheckBox {
public:
    CheckBoxStatus Status() const { return status_; }
    void SetStatus(CheckBoxStatus status);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool RadioButton() const { return radioButton_; }
    void SetRadioButton(bool radio);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    const CheckBoxPictures* PictureList() const { return pictureList_; }
    void SetPictureList(const CheckBoxPictures* list);  // not owned
    const dusk::Font& Font() const { return font_; }
    void SetFont(const dusk::Font& font);
    int CaptionLeft() const { return captionLeft_; }
    void SetCaptionLeft(int value);
    // kCaptionCentred centres the caption vertically; any other value is its y.
    static constexpr int kCaptionCentred = -100;
    int CaptionTop() const { return captionTop_; }
    void SetCaptionTop(int value);
    // Keeps the width fitted to box and caption; the height is never changed.
    bool Autosize() const { return autosize_; }
    void SetAutosize(bool autosize);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);
    // Without a parent neither background nor caption is drawn.
    ControlParent* Parent() const { return parent_; }
    void SetParent(ControlParent* parent) { parent_ = parent; }

    CursorKind Cursor() const { return cursor_; }
    bool MouseOver() const { return mouseOver_; }
    // The list picture chosen at the last paint.
    const Picture& CurrentPicture() const { return current_; }

    // Draws the whole control onto its own surface, in the control's coordinates. In system
    // colours (a high-contrast theme) the picture gives way to a plain box, drawn with the
    // caption in the window text colour, grey text while disabled; the layout stays.
    void PaintCheckBox(Canvas& canvas, bool systemColors = false);
    // Takes the autosized width for the current picture and caption, as PaintCheckBox would,
    // without drawing anything.
    void FitWidth(TextMeasurer& measurer);

    // A click is a left press on the control and a left release over it; a double click's
    // second press starts none, so a double click changes the state once.
    void MouseEnter();
    void MouseLeave();
    void MouseDown(MouseButton button, bool doubleClick);
    void MouseUp(MouseButton button, bool overControl);

    std::function<void()> onClick;
    ControlHost host;

private:
    struct Layout {
        int boxWidth, boxHeight;  // the picture's cell
        Size text;                // the caption
    };
    // Lays out box and caption for `picture` and takes the autosized width.
    Layout Fit(const Picture& picture, TextMeasurer& measurer);
    const Picture& ListPicture() const;
    void Click();
    void PaintParentBackground(Canvas& canvas);
    void PaintPlainBox(Canvas& canvas, const Layout& layout, Color ink) const;
    CheckBoxLook Look() const;

    CheckBoxStatus status_ = CheckBoxStatus::Unchecked;
    bool enabled_ = true;
    bool radioButton_ = false;
    std::wstring caption_ = L"XCheckBox";
    const CheckBoxPictures* pictureList_ = nullptr;
    dusk::Font font_{L"Tahoma", 11, false, 0x000000};
    int captionLeft_ = 0;
    int captionTop_ = kCaptionCentred;
    bool autosize_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    ControlParent* parent_ = nullptr;
    CursorKind cursor_ = CursorKind::Hand;
    bool mouseOver_ = false;
    Picture current_;
    ClickTracker clicks_;
};

}  // namespace dusk
