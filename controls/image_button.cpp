#include "controls/image_button.h"

#include <algorithm>
#include <cstdint>

#include "controls/picture_ops.h"

namespace dusk {

ImageButton::ImageButton(TextRenderer& text) : text_(text) {}

void ImageButton::SetPicture(const dusk::Picture& picture) {
    ShowPlain(FacePicture(picture));
    if (autoSize_ && !picture_.Empty()) {
        SetBounds(left_, top_, picture_.Width(), picture_.Height());
    }
    host.Changed();
}

void ImageButton::SetNormalFace(const dusk::Picture& picture) {
    LoadNormalFace(picture);
    ShowPlain(FacePicture(picture));
    host.Changed();
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::LoadNormalFace(const dusk::Picture& picture) {
    normalFace_ = picture;
    NormalFaceChanged();
}

void ImageButton::SetDisabledFace(const dusk::Picture& picture) {
    disabledFace_ = picture;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetNormalBadge(const dusk::Picture& picture) {
    normalBadge_ = picture;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetDisabledBadge(const dusk::Picture& picture) {
    disabledBadge_ = picture;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetFont(const dusk::Font& font) {
    font_ = font;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetDisabledFont(const dusk::Font& font) {
    disabledFont_ = font;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetCaptionLeft(int value) {
    captionLeft_ = value;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetCaptionTop(int value) {
    captionTop_ = value;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetCaptionAlign(TextAlign align) {
    captionAlign_ = align;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetBadgeLeft(int value) {
    badgeLeft_ = value;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetBadgeTop(int value) {
    badgeTop_ = value;
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::SetEnableAnimation(bool enable) {
    enableAnimation_ = enable;
    if (!enable) animationActive_ = false;
}

void ImageButton::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    host.Changed();
}

void ImageButton::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    host.Changed();
    BoundsChanged();
}

void ImageButton::NormalFaceChanged() {
    if (!normalFace_.Empty()) {
        autoSize_ = false;
        SetBounds(left_, top_, NormalFace().Width(), NormalFace().Height());
    }
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::BoundsChanged() {
    if (!stretchToWidth_) return;
    stretchMargin_ = normalFace_.Empty() ? 1 : NormalFace().Width() / 4;
    // A stretch to nothing would lose the pictures for good; keep them until a real width comes.
    if (width_ >= 1) {
        if (!normalFace_.Empty()) {
            normalFace_.StretchTo(width_, stretchMargin_);
            NormalFaceChanged();
        }
        for (FacePicture* state : {&hoverFace_, &pressedFace_, &disabledFace_}) {
            if (!state->Empty()) state->StretchTo(width_, stretchMargin_);
        }
    }
    ComposeButtonFace(ButtonLook::Normal);
}

void ImageButton::MouseEnter() {
    if (!enabled_) {
        cursor_ = CursorKind::Arrow;
        return;
    }
    cursor_ = CursorKind::Hand;
    if (enableAnimation_) animationActive_ = true;
    clickPending_ = false;
    ComposeButtonFace(ButtonLook::MouseOn);
    if (onMouseEnter) onMouseEnter();
}

void ImageButton::MouseLeave() {
    if (!enabled_) return;
    ComposeButtonFace(ButtonLook::Normal);
    if (onMouseLeave) onMouseLeave();
}

void ImageButton::MouseDown(MouseButton button, bool doubleClick) {
    clicks_.Press(button, doubleClick);
    if (button != MouseButton::Left || !enabled_) return;
    ComposeButtonFace(ButtonLook::MouseDown, nullptr, false, true);
    if (onMouseDown) onMouseDown();
}

void ImageButton::MouseUp(MouseButton button, bool overButton) {
    // The platform delivers the click before the release.
    if (clicks_.Release(button, overButton)) Click();
    if (button != MouseButton::Left || !enabled_) return;
    if (clickPending_) {
        ComposeButtonFace(ButtonLook::Normal, &normalBadge_);
        clickPending_ = false;
    } else {
        ComposeButtonFace(ButtonLook::MouseOn);
    }
    if (onMouseUp) onMouseUp();
}

void ImageButton::Click() {
    if (!enabled_) return;
    clickPending_ = true;
    ComposeButtonFace(ButtonLook::Normal, &normalBadge_, true);
    if (onClick) onClick();
}

void ImageButton::ShowPlain(const FacePicture& look) {
    picture_ = look.Design();
    shown_ = FaceRecipe{};
    shown_.face = look;
    ++shownSerial_;
}

void ImageButton::ComposeButtonFace(ButtonLook look, const dusk::Picture* smallOverride,
                                    bool clickFade, bool pressed) {
    if (redrawSuspended_) return;
    if (normalFace_.Empty()) {
        ShowPlain(FacePicture());
        host.Changed();
        return;
    }
    ShowPlain(normalFace_);

    const FacePicture* face = &normalFace_;
    const dusk::Picture* small = smallOverride;
    FaceRecipe recipe;
    if (enabled_) {
        if (look == ButtonLook::MouseOn && !hoverFace_.Empty()) face = &hoverFace_;
        if (look == ButtonLook::MouseDown && !pressedFace_.Empty()) face = &pressedFace_;
        if (!small) small = &normalBadge_;
        recipe.font = font_;
    } else {
        if (disabledFace_.Empty()) {
            host.Changed();
            return;
        }
        face = &disabledFace_;
        if (!small) small = &disabledBadge_;
        recipe.font = disabledFont_;
    }
    const int offset = pressed ? 1 : 0;
    recipe.face = *face;
    recipe.badge = *small;
    recipe.badgeAt = {badgeLeft_ + offset, badgeTop_ + offset};
    recipe.caption = caption_;
    recipe.align = captionAlign_;
    recipe.customAt = {captionLeft_ + offset, captionTop_ + offset};
    recipe.offset = {captionLeft_, captionTop_};
    recipe.button = {width_, height_};
    dusk::Picture working = ComposeLook(recipe, DisplayScale(), nullptr, text_);

    if (!enabled_) {
        picture_ = std::move(working);  // a disabled look never fades
        shown_ = std::move(recipe);
        ++shownSerial_;
        host.Changed();
        return;
    }
    previousFace_ = picture_;
    recipe.from = normalFace_;
    shown_ = std::move(recipe);
    ++shownSerial_;
    FadeTo(working, clickFade);
}

const dusk::Picture& ImageButton::FaceAt(const DisplayScale& scale,
                                         const DetailedPictures* detailed) const {
    if (scale.IsDesign()) return picture_;
    if (!scaled_ || scaled_->scale != scale || scaled_->detailed != detailed ||
        scaled_->serial != shownSerial_) {
        scaled_.emplace(ScaledFace{scale, detailed, shownSerial_, -1, {}, {}, {}});
        scaled_->to = ComposeLook(shown_, scale, detailed, text_);
        scaled_->from = shown_.from.At(scale, detailed);
    }
    if (scaled_->from.Empty()) return scaled_->to;
    if (scaled_->alpha != shown_.alpha) {
        scaled_->alpha = shown_.alpha;
        scaled_->shown = scaled_->from;
        BlendPictures(scaled_->from, scaled_->to, shown_.alpha, scaled_->shown);
    }
    return scaled_->shown;
}

void ImageButton::FadeTo(const dusk::Picture& face, bool clickFade) {
    if (!animationActive_) {
        shown_.alpha = 255;
        BlendPictures(previousFace_, face, 255, picture_);
        host.Repaint();
        return;
    }
    // 64-bit steps: configured values are small, but no value may overflow.
    const std::int64_t factor = clickFade ? 2 : 1;
    const std::int64_t last = clickFade ? animationEnd_ / 2 : animationEnd_;
    bool painted = false;
    for (std::int64_t k = animationStart_; k <= last; ++k) {
        const std::int64_t alpha = std::min<std::int64_t>(255, k * factor * animationParam_);
        shown_.alpha = int(std::max<std::int64_t>(alpha, 0));
        BlendPictures(previousFace_, face, shown_.alpha, picture_);
        host.Repaint();
        painted = true;
        if (alpha == 255) break;  // every later frame would be the same full face
    }
    if (!painted) host.Changed();
}

}  // namespace dusk
