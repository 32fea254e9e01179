#include "controls/scaled_canvas.h"

#include <algorithm>

#include "controls/picture_ops.h"

namespace dusk {

ScaledCanvas::ScaledCanvas(Canvas& device, DisplayScale scale, const DetailedPictures* detailed)
    : device_(device), scale_(scale), detailed_(detailed) {}

Rect ScaledCanvas::Device(const Rect& design) const {
    return scale_.Of(Rect{design.left + origin_.x, design.top + origin_.y, design.right + origin_.x,
                          design.bottom + origin_.y});
}

Point ScaledCanvas::Device(Point design) const {
    return scale_.Of(Point{design.x + origin_.x, design.y + origin_.y});
}

Size ScaledCanvas::MeasureText(const std::wstring& text, const Font& font) {
    // The design font's extent: layouts built on it come out the same at every scale, and a
    // control that fits itself to its text before a paint is not resized by the paint.
    return device_.MeasureText(text, font);
}

void ScaledCanvas::FillRectangle(const Rect& rect, Color color) {
    device_.FillRectangle(Device(rect), color);
}

void ScaledCanvas::DrawRectangle(const Rect& rect, Color pen, Color brush) {
    const Rect outer = Device(rect);
    const int width = std::max(1, scale_.Length(1));
    device_.FillRectangle(outer, pen);
    const Rect inner{outer.left + width, outer.top + width, outer.right - width,
                     outer.bottom - width};
    if (inner.Width() > 0 && inner.Height() > 0) device_.FillRectangle(inner, brush);
}

void ScaledCanvas::StretchCopy(const Picture& source, const Rect& from, const Rect& to) {
    if (source.Empty()) return;
    const Picture* detailed = detailed_ != nullptr ? detailed_->Find(source) : nullptr;
    if (detailed == nullptr) return device_.StretchCopy(source, from, Device(to));
    // The same part of the detailed picture, whose pixels are finer by its own factor.
    const DisplayScale detail(detailed->Width() * DisplayScale::kDesignDpi / source.Width());
    device_.StretchCopy(*detailed, detail.Of(from), Device(to));
}

void ScaledCanvas::DrawPicture(const Picture& picture, Point at) {
    if (picture.Empty()) return;
    const Rect target = Device(Rect{at.x, at.y, at.x + picture.Width(), at.y + picture.Height()});
    const Picture* detailed = detailed_ != nullptr ? detailed_->Find(picture) : nullptr;
    const Picture& source = detailed != nullptr ? *detailed : picture;
    const Point corner{target.left, target.top};
    if (source.Width() == target.Width() && source.Height() == target.Height()) {
        return device_.DrawPicture(source, corner);
    }
    device_.DrawPicture(FitPicture(source, target.Width(), target.Height()), corner);
}

void ScaledCanvas::DrawDevicePicture(const Picture& picture, Point at) {
    device_.DrawPicture(picture, Device(at));
}

void ScaledCanvas::DrawTextLine(const std::wstring& text, const Font& font, Point at) {
    device_.DrawTextLine(text, scale_.Of(font), Device(at));
}

void ScaledCanvas::DrawLine(Point from, Point to, Color color) {
    // A one-pixel line becomes a band as wide as one design pixel.
    if (from.y == to.y && from.x != to.x) {
        const int left = from.x < to.x ? from.x : to.x + 1;
        const int right = from.x < to.x ? to.x : from.x + 1;
        return FillRectangle({left, from.y, right, from.y + 1}, color);
    }
    if (from.x == to.x && from.y != to.y) {
        const int top = from.y < to.y ? from.y : to.y + 1;
        const int bottom = from.y < to.y ? to.y : from.y + 1;
        return FillRectangle({from.x, top, from.x + 1, bottom}, color);
    }
    device_.DrawLine(Device(from), Device(to), color);
}

void ScaledCanvas::SaveState() {
    saved_.push_back(origin_);
    device_.SaveState();
}

void ScaledCanvas::RestoreState() {
    if (saved_.empty()) return;
    origin_ = saved_.back();
    saved_.pop_back();
    device_.RestoreState();
}

void ScaledCanvas::MoveOrigin(int dx, int dy) {
    origin_.x += dx;
    origin_.y += dy;
}

void ScaledCanvas::ClipTo(const Rect& rect) { device_.ClipTo(Device(rect)); }

}  // namespace dusk
