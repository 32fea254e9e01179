#pragma once
#include <string>
#include <vector>

#include "controls/canvas.h"

namespace dusk {

// Breaks text at blanks into lines no wider than width; a word wider than that keeps a line
// of its own. Explicit line breaks are kept.
std::vector<std::wstring> WrapWords(TextMeasurer& measurer, const std::wstring& text,
                                    const Font& font, int width);

// A windowless text label: one line at its place, or word-wrapped lines within its box and
// clipped to it.
struct Label {
    Rect box;  // a one-line label uses only its top-left
    std::wstring caption;
    Font font;
    bool wordWrap = false;

    void Paint(Canvas& canvas) const;
};

}  // namespace dusk
