#pragma once
#include "base/geometry.h"
#include "controls/picture.h"

namespace dusk {

// into := from * (255 - a) div 255 + to * a div 255, each quotient truncated separately: first
// every colour byte, then, where all three pictures have one, the alpha plane. Covers the area
// the three pictures share (a button's pictures are all the size of its normal picture); `into`
// keeps its bytes elsewhere. `alpha` is clamped to 0..255.
void BlendPictures(const Picture& from, const Picture& to, int alpha, Picture& into);

// Three-slice horizontal stretch: the left `margin` and right `margin` columns of the source are
// kept and every column between repeats source column `margin`. A narrower width shrinks by the
// same rule. The height is the source's; columns the source lacks are taken from its nearest one.
Picture StretchPicture(const Picture& source, int newWidth, int margin);

// The picture stretched or shrunk to width x height by pixel replication, alpha plane included,
// as a platform's stretched picture control shows it. Empty for an empty source or size.
Picture ScalePicture(const Picture& source, int width, int height);

// The picture resized to width x height by area averaging: each target pixel takes the mean of the
// source area it covers (colours weighted by alpha), so shrinking keeps detail and enlarging by
// a small factor stays smooth. Empty for an empty source or size.
Picture ResamplePicture(const Picture& source, int width, int height);

// A picture drawn for a display scale at exactly width x height: where the size differs by at
// most one pixel each way (the rounding of the set's size against the layout's), the last column
// and row are repeated or dropped, so the drawing stays sharp; any other size is resampled.
Picture FitPicture(const Picture& source, int width, int height);

// Composites `source` onto the colour bytes of `target` with its top-left at `at`, by the
// source's alpha plane (a plain copy without one). The target's alpha plane is untouched.
void CompositeOnto(Picture& target, const Picture& source, Point at);

}  // namespace dusk
