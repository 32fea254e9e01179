#pragma once
#include <string>

#include "controls/canvas.h"
#include "controls/detailed_pictures.h"
#include "controls/display_scale.h"
#include "controls/picture.h"

namespace dusk {

enum class TextAlign { Custom = 0, Left = 1, Center = 2, Right = 3 };

// The picture drawn for `scale` at the scaled size: the detailed one where the set has it, else
// the design picture, fitted (FitPicture). At 96 DPI the design picture.
Picture PictureForScale(const Picture& design, const DisplayScale& scale,
                        const DetailedPictures* detailed);

// A state picture of a button: the picture as it was given and the one shown at 96 DPI, which
// the button may have stretched to its width. At another scale the stretch is made again from
// the picture drawn for that scale, so no face is an enlarged 96 DPI bitmap.
class FacePicture {
public:
    FacePicture() = default;
    explicit FacePicture(const Picture& picture) { *this = picture; }
    FacePicture& operator=(const Picture& picture);
    const Picture& Design() const { return design_; }
    bool Empty() const { return design_.Empty(); }
    // Three-slice stretch of the shown picture (StretchPicture).
    void StretchTo(int width, int margin);
    Picture At(const DisplayScale& scale, const DetailedPictures* detailed) const;

private:
    Picture given_;
    Picture design_;
    int stretchWidth_ = 0;  // 0: never stretched
    int stretchMargin_ = 0;
};

// Everything one composed look of an image button is made of, in design pixels, so that the
// same look can be composed at any display scale.
struct FaceRecipe {
    FacePicture face;  // the state picture
    Picture badge;     // drawn at badgeAt where it is not empty
    Point badgeAt;
    std::wstring caption;  // drawn where it is not empty
    Font font;
    TextAlign align = TextAlign::Custom;
    Point customAt;    // the caption's place for TextAlign::Custom
    Point offset;      // added to the aligned caption's place otherwise
    Size button;       // the button's size, which the alignments refer to
    FacePicture from;  // where not empty, the look is `alpha` of the way from it
    int alpha = 255;
};

// The look of `recipe` at `scale` before any blend: the state picture, the badge composited at
// its place, the caption drawn in the font at the scale.
Picture ComposeLook(const FaceRecipe& recipe, const DisplayScale& scale,
                    const DetailedPictures* detailed, TextRenderer& text);

}  // namespace dusk
