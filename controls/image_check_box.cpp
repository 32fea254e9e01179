#include "controls/image_check_box.h"

#include <algorithm>

#include "controls/system_colors.h"

namespace dusk {

void ImageCheckBox::SetStatus(CheckBoxStatus status) {
    status_ = status;
    host.Repaint();
}

void ImageCheckBox::SetEnabled(bool enabled) {
    enabled_ = enabled;
    host.Repaint();
}

void ImageCheckBox::SetRadioButton(bool radio) {
    radioButton_ = radio;
    host.Repaint();
}

void ImageCheckBox::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    host.Repaint();
}

void ImageCheckBox::SetPictureList(const CheckBoxPictures* list) {
    pictureList_ = list;
    host.Repaint();
}

void ImageCheckBox::SetFont(const dusk::Font& font) {
    font_ = font;
    host.Repaint();
}

void ImageCheckBox::SetCaptionLeft(int value) {
    captionLeft_ = value;
    host.Repaint();
}

void ImageCheckBox::SetCaptionTop(int value) {
    captionTop_ = value;
    host.Repaint();
}

void ImageCheckBox::SetAutosize(bool autosize) {
    if (autosize_ == autosize) return;
    autosize_ = autosize;
    host.Repaint();
}

void ImageCheckBox::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

CheckBoxLook ImageCheckBox::Look() const {
    if (!enabled_) return CheckBoxLook::Disabled;
    return mouseOver_ ? CheckBoxLook::MouseOn : CheckBoxLook::Normal;
}

const Picture& ImageCheckBox::ListPicture() const {
    static const Picture kNone;
    return pictureList_ ? pictureList_->Pic(status_, Look()) : kNone;
}

ImageCheckBox::Layout ImageCheckBox::Fit(const Picture& picture, TextMeasurer& measurer) {
    constexpr int kBox = 14;
    Layout layout{kBox, kBox, measurer.MeasureText(caption_, font_)};
    int width = 0;
    if (!picture.Empty()) {
        layout.boxWidth = std::max(kBox, picture.Width());
        layout.boxHeight = std::max(kBox, picture.Height());
        width = layout.boxWidth;
    }
    width = std::max(width, layout.text.width + layout.boxWidth + captionLeft_ + 4);
    if (autosize_ && width_ != width) {
        width_ = width;
        host.Changed();
    }
    return layout;
}

void ImageCheckBox::FitWidth(TextMeasurer& measurer) { Fit(ListPicture(), measurer); }

void ImageCheckBox::PaintCheckBox(Canvas& canvas, bool systemColors) {
    current_ = ListPicture();
    const Layout layout = Fit(current_, canvas);
    const int lineHeight = std::max(layout.text.height, layout.boxHeight);
    const Point caption{
        layout.boxWidth + captionLeft_ + 4,
        captionTop_ == kCaptionCentred ? (lineHeight - layout.text.height) / 2 : captionTop_};
    if (parent_) PaintParentBackground(canvas);
    dusk::Font font = font_;
    if (systemColors) {
        font.color = enabled_ ? kSystemWindowText : kSystemGrayText;
        PaintPlainBox(canvas, layout, font.color);
    } else if (!current_.Empty()) {
        canvas.DrawPicture(current_, {(layout.boxWidth - current_.Width()) / 2,
                                      (layout.boxHeight - current_.Height()) / 2});
    }
    if (parent_) canvas.DrawTextLine(caption_, font, caption);
}

void ImageCheckBox::PaintPlainBox(Canvas& canvas, const Layout& layout, Color ink) const {
    // The picture's place, or a box of 10 x 10 where there is no picture.
    const Size mark = current_.Empty() ? Size{10, 10} : Size{current_.Width(), current_.Height()};
    const Point at{(layout.boxWidth - mark.width) / 2, (layout.boxHeight - mark.height) / 2};
    canvas.DrawRectangle({at.x, at.y, at.x + mark.width, at.y + mark.height}, ink, kSystemWindow);
    if (status_ == CheckBoxStatus::Unchecked) return;
    canvas.FillRectangle({at.x + 2, at.y + 2, at.x + mark.width - 2, at.y + mark.height - 2}, ink);
}

void ImageCheckBox::PaintParentBackground(Canvas& canvas) {
    const Size client = parent_->ClientSize();
    canvas.SaveState();
    canvas.MoveOrigin(-left_, -top_);
    canvas.ClipTo({0, 0, client.width, client.height});
    parent_->EraseBackground(canvas);
    parent_->PaintContent(canvas);
    canvas.RestoreState();
}

void ImageCheckBox::MouseEnter() {
    if (!enabled_) {
        cursor_ = CursorKind::Arrow;
        return;
    }
    cursor_ = CursorKind::Hand;
    mouseOver_ = true;
    host.Repaint();
}

void ImageCheckBox::MouseLeave() {
    // A disabled control keeps MouseOver, so after re-enabling it shows its mouse-on picture
    // until the pointer next enters and leaves.
    if (!enabled_) return;
    mouseOver_ = false;
    host.Repaint();
}

void ImageCheckBox::MouseDown(MouseButton button, bool doubleClick) {
    clicks_.Press(button, doubleClick);
}

void ImageCheckBox::MouseUp(MouseButton button, bool overControl) {
    if (clicks_.Release(button, overControl)) Click();
}

void ImageCheckBox::Click() {
    if (!enabled_) return;
    if (status_ == CheckBoxStatus::Checked) {
        if (radioButton_) return;
        status_ = CheckBoxStatus::Unchecked;
    } else {
        status_ = CheckBoxStatus::Checked;
    }
    host.Repaint();
    if (onClick) onClick();
}

}  // namespace dusk
