#include "controls/button_face.h"

#include <algorithm>

#include "controls/picture_ops.h"

namespace dusk {
namespace {

// Where the caption's text cell starts, for a caption `text` pixels large at the scale.
Point CaptionOrigin(const FaceRecipe& recipe, const DisplayScale& scale, Size text) {
    const int width = scale.Length(recipe.button.width);
    const int middleY =
        (scale.Length(recipe.button.height) - text.height) / 2 + scale.Length(recipe.offset.y);
    switch (recipe.align) {
        case TextAlign::Left:
            return {scale.Length(1 + recipe.offset.x), middleY};
        case TextAlign::Center:
            return {(width - text.width) / 2 + scale.Length(recipe.offset.x), middleY};
        case TextAlign::Right:
            return {width - text.width + scale.Length(recipe.offset.x - 1), middleY};
        case TextAlign::Custom:
            break;
    }
    return scale.Of(recipe.customAt);
}

}  // namespace

Picture PictureForScale(const Picture& design, const DisplayScale& scale,
                        const DetailedPictures* detailed) {
    if (design.Empty() || scale.IsDesign()) return design;
    const Picture* found = detailed != nullptr ? detailed->Find(design) : nullptr;
    const Picture& source = found != nullptr ? *found : design;
    const Size size = scale.Of(Size{design.Width(), design.Height()});
    return FitPicture(source, size.width, size.height);
}

FacePicture& FacePicture::operator=(const Picture& picture) {
    given_ = picture;
    design_ = picture;
    stretchWidth_ = 0;
    stretchMargin_ = 0;
    return *this;
}

void FacePicture::StretchTo(int width, int margin) {
    design_ = StretchPicture(design_, width, margin);
    // A stretch of a stretched picture keeps the given picture's columns up to the smaller
    // margin and repeats the column there: one stretch with that margin.
    stretchMargin_ = stretchWidth_ == 0 ? margin : std::min(stretchMargin_, margin);
    stretchWidth_ = width;
}

Picture FacePicture::At(const DisplayScale& scale, const DetailedPictures* detailed) const {
    if (scale.IsDesign()) return design_;
    Picture picture = PictureForScale(given_, scale, detailed);
    if (stretchWidth_ == 0 || picture.Empty()) return picture;
    return StretchPicture(picture, scale.Length(stretchWidth_), scale.Length(stretchMargin_));
}

Picture ComposeLook(const FaceRecipe& recipe, const DisplayScale& scale,
                    const DetailedPictures* detailed, TextRenderer& text) {
    Picture look = recipe.face.At(scale, detailed);
    if (look.Empty()) return look;
    if (!recipe.badge.Empty()) {
        CompositeOnto(look, PictureForScale(recipe.badge, scale, detailed),
                      scale.Of(recipe.badgeAt));
    }
    // The font made for the scale, so the caption is drawn at the display's own resolution.
    const Font font = scale.Of(recipe.font);
    // An empty caption measures as a single space.
    const Size size = text.MeasureText(recipe.caption.empty() ? L" " : recipe.caption, font);
    if (!recipe.caption.empty()) {
        text.DrawTextInto(look, recipe.caption, font, CaptionOrigin(recipe, scale, size));
    }
    return look;
}

}  // namespace dusk
