#pragma once
#include <functional>
#include <optional>
#include <string>

#include "controls/button_face.h"
#include "controls/canvas.h"
#include "controls/control_host.h"
#include "controls/picture.h"

namespace dusk {

// The look a composition starts from.
enum class ButtonLook { Normal, MouseOn, MouseDown };

// Windowless push button that shows one picture, composed from a state picture, a small picture
// and a one-line caption, optionally cross-fading to it. The host routes the pointer to it, keeps
// its bounds in step (SetBounds, and host.invalidate when the button resizes itself) and paints
// FaceAt(its display scale) at the button's origin, alpha-composited over the parent.
//
// A plain button stays suspended for life and keeps showing the Picture it was given; the colour
// button lifts the suspension at its first colour change.
class ImageButton {
public:
    explicit ImageButton(TextRenderer& text);
    virtual ~ImageButton() = default;
    ImageButton(const ImageButton&) = delete;
    ImageButton& operator=(const ImageButton&) = delete;

    // The shown picture. While auto-size is on (until NormalFace receives a picture) setting it
    // also gives the button its size.
    const dusk::Picture& Picture() const { return picture_; }
    void SetPicture(const dusk::Picture& picture);
    // The shown look composed afresh at `scale` from the pictures drawn for it (`detailed` may
    // be null) with the caption in the font at that scale; at 96 DPI the shown Picture itself.
    // Kept until the look or the scale changes.
    const dusk::Picture& FaceAt(const DisplayScale& scale, const DetailedPictures* detailed) const;

    const dusk::Picture& NormalFace() const { return normalFace_.Design(); }
    void SetNormalFace(const dusk::Picture& picture);  // also becomes the shown Picture
    // As a form loader reads it: sizes the button and composes, the shown Picture stays.
    void LoadNormalFace(const dusk::Picture& picture);
    const dusk::Picture& HoverFace() const { return hoverFace_.Design(); }
    void SetHoverFace(const dusk::Picture& picture) { hoverFace_ = picture; }
    const dusk::Picture& PressedFace() const { return pressedFace_.Design(); }
    void SetPressedFace(const dusk::Picture& picture) { pressedFace_ = picture; }
    const dusk::Picture& DisabledFace() const { return disabledFace_.Design(); }
    void SetDisabledFace(const dusk::Picture& picture);
    const dusk::Picture& NormalBadge() const { return normalBadge_; }
    void SetNormalBadge(const dusk::Picture& picture);
    // Kept for the form, never drawn.
    const dusk::Picture& HoverBadge() const { return hoverBadge_; }
    void SetHoverBadge(const dusk::Picture& picture) { hoverBadge_ = picture; }
    const dusk::Picture& PressedBadge() const { return pressedBadge_; }
    void SetPressedBadge(const dusk::Picture& picture) { pressedBadge_ = picture; }
    const dusk::Picture& DisabledBadge() const { return disabledBadge_; }
    void SetDisabledBadge(const dusk::Picture& picture);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Acts at the next change of bounds.
    bool StretchToWidth() const { return stretchToWidth_; }
    void SetStretchToWidth(bool stretch) { stretchToWidth_ = stretch; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    const dusk::Font& Font() const { return font_; }
    void SetFont(const dusk::Font& font);
    const dusk::Font& DisabledFont() const { return disabledFont_; }
    void SetDisabledFont(const dusk::Font& font);
    int CaptionLeft() const { return captionLeft_; }
    void SetCaptionLeft(int value);
    int CaptionTop() const { return captionTop_; }
    void SetCaptionTop(int value);
    TextAlign CaptionAlign() const { return captionAlign_; }
    void SetCaptionAlign(TextAlign align);
    int BadgeLeft() const { return badgeLeft_; }
    void SetBadgeLeft(int value);
    int BadgeTop() const { return badgeTop_; }
    void SetBadgeTop(int value);
    int AnimationStart() const { return animationStart_; }
    void SetAnimationStart(int value) { animationStart_ = value; }
    int AnimationEnd() const { return animationEnd_; }
    void SetAnimationEnd(int value) { animationEnd_ = value; }
    int AnimationParam() const { return animationParam_; }
    void SetAnimationParam(int value) { animationParam_ = value; }
    bool EnableAnimation() const { return enableAnimation_; }
    void SetEnableAnimation(bool enable);

    const std::wstring& Hint() const { return hint_; }
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    CursorKind Cursor() const { return cursor_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool AutoSize() const { return autoSize_; }
    // Every move or resize; with StretchToWidth the state pictures are stretched to the new width.
    void SetBounds(int left, int top, int width, int height);

    // Pointer and mouse buttons, as the host sees them. A click is a left press on the button
    // followed by a left release over it; a double click's second press starts no click.
    void MouseEnter();
    void MouseLeave();
    void MouseDown(MouseButton button, bool doubleClick);
    void MouseUp(MouseButton button, bool overButton);

    bool RedrawSuspended() const { return redrawSuspended_; }
    bool AnimationActive() const { return animationActive_; }
    bool ClickPending() const { return clickPending_; }
    int StretchMargin() const { return stretchMargin_; }

    std::function<void()> onClick;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseLeave;
    std::function<void()> onMouseDown;
    std::function<void()> onMouseUp;
    ControlHost host;

protected:
    void ComposeButtonFace(ButtonLook look, const dusk::Picture* smallOverride = nullptr,
                           bool clickFade = false, bool pressed = false);
    void SetRedrawSuspended(bool suspended) { redrawSuspended_ = suspended; }
    void SetStretchMargin(int margin) { stretchMargin_ = margin; }

private:
    void NormalFaceChanged();
    void BoundsChanged();
    void Click();
    // The shown picture becomes `look` as it is, with nothing composed onto it.
    void ShowPlain(const FacePicture& look);
    void FadeTo(const dusk::Picture& face, bool clickFade);

    TextRenderer& text_;
    dusk::Picture picture_;
    FacePicture normalFace_, hoverFace_, pressedFace_, disabledFace_;
    dusk::Picture normalBadge_, hoverBadge_, pressedBadge_, disabledBadge_;
    dusk::Picture previousFace_;
    FaceRecipe shown_;          // what picture_ is made of
    unsigned shownSerial_ = 0;  // counts the changes of shown_
    struct ScaledFace {
        DisplayScale scale;
        const DetailedPictures* detailed = nullptr;
        unsigned serial = 0;
        int alpha = 0;
        dusk::Picture from, to, shown;
    };
    mutable std::optional<ScaledFace> scaled_;  // the shown look at the scale painted last
    bool enabled_ = true;
    bool stretchToWidth_ = false;
    std::wstring caption_;
    dusk::Font font_{L"Tahoma", 11, true, 0x000000};
    dusk::Font disabledFont_{L"Tahoma", 11, true, 0x808080};
    int captionLeft_ = 40;
    int captionTop_ = 8;
    int badgeLeft_ = 10;
    int badgeTop_ = 7;
    int animationStart_ = 0;
    int animationEnd_ = 64;
    int animationParam_ = 4;
    bool enableAnimation_ = true;
    TextAlign captionAlign_ = TextAlign::Custom;
    std::wstring hint_;
    bool visible_ = true;
    CursorKind cursor_ = CursorKind::Hand;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool autoSize_ = true;

    bool redrawSuspended_ = true;
    bool animationActive_ = false;
    bool clickPending_ = false;
    int stretchMargin_ = 1;
    ClickTracker clicks_;
};

}  // namespace dusk
