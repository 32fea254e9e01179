#pragma once
#include <cstdint>
#include <string>

#include "base/geometry.h"
#include "controls/picture.h"

namespace dusk {

struct Font {
    std::wstring face = L"Tahoma";
    int height = 11;  // character height in pixels (a LOGFONT lfHeight of -height)
    bool bold = false;
    Color color = 0x000000;
    std::uint8_t charset = 1;  // the platform's default character set
    bool operator==(const Font&) const = default;
};

// Size of one line of text (no line breaks, no prefix processing) as the platform lays it out.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual Size MeasureText(const std::wstring& text, const Font& font) = 0;
};

// Text drawn into a picture's colour bytes, as a button composes its face off screen.
class TextRenderer : public TextMeasurer {
public:
    // One line at `at` (top-left of the text cell), transparent background, in font.color.
    // Only the colour bytes change; the alpha plane is left as it is.
    virtual void DrawTextInto(Picture& target, const std::wstring& text, const Font& font,
                              Point at) = 0;
};

// A drawing surface: a window's double buffer or a control's own surface. Coordinates are
// logical; MoveOrigin and ClipTo change the mapping until the matching RestoreState.
class Canvas : public TextMeasurer {
public:
    virtual void FillRectangle(const Rect& rect, Color color) = 0;
    // One-pixel outline in `pen` just inside rect, the inside filled with `brush`.
    virtual void DrawRectangle(const Rect& rect, Color pen, Color brush) = 0;
    // The colour bytes of `source` inside `from`, stretched onto `to` (alpha ignored).
    virtual void StretchCopy(const Picture& source, const Rect& from, const Rect& to) = 0;
    // The whole picture with its top-left at `at`; composited by its alpha plane when it has
    // one, copied otherwise.
    virtual void DrawPicture(const Picture& picture, Point at) = 0;
    // A picture made for the surface's own pixels (composed at its display scale), drawn as it
    // is, not scaled, with its top-left at the logical point `at`.
    virtual void DrawDevicePicture(const Picture& picture, Point at) = 0;
    // One line at `at` (top-left of the text cell), transparent background, in font.color.
    virtual void DrawTextLine(const std::wstring& text, const Font& font, Point at) = 0;
    // A one-pixel line from `from` to `to`, the end point excluded (nothing when they are equal).
    virtual void DrawLine(Point from, Point to, Color color) = 0;

    // Saves origin and clipping; RestoreState returns to the latest saved state.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
    // After MoveOrigin(dx, dy), logical (x, y) lands where (x + dx, y + dy) landed before.
    virtual void MoveOrigin(int dx, int dy) = 0;
    // Intersects the clip region with rect, given in the current logical coordinates.
    virtual void ClipTo(const Rect& rect) = 0;
};

}  // namespace dusk
