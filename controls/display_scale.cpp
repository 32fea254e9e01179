#include "controls/display_scale.h"

#include <cstdint>
#include <cstdlib>

namespace dusk {
namespace {

int MulDivRounded(int value, int numerator, int denominator) {
    const std::int64_t product = std::int64_t(value) * numerator;
    const std::int64_t half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

int DisplayScale::Length(int design) const { return MulDivRounded(design, dpi_, kDesignDpi); }

int DisplayScale::ToDesign(int pixels) const { return MulDivRounded(pixels, kDesignDpi, dpi_); }

Rect DisplayScale::Of(const Rect& design) const {
    return {Length(design.left), Length(design.top), Length(design.right), Length(design.bottom)};
}

Font DisplayScale::Of(const Font& design) const {
    Font font = design;
    font.height = Length(design.height);
    return font;
}

int NearestPictureSet(const DisplayScale& scale, std::span<const int> percents) {
    // Compared in DPI units times 100, so no fraction is lost.
    const int wanted = scale.Dpi() * 100;
    int best = percents.empty() ? 100 : percents.front();
    for (const int percent : percents) {
        const int distance = std::abs(percent * DisplayScale::kDesignDpi - wanted);
        const int bestDistance = std::abs(best * DisplayScale::kDesignDpi - wanted);
        if (distance < bestDistance || (distance == bestDistance && percent > best)) {
            best = percent;
        }
    }
    return best;
}

}  // namespace dusk
