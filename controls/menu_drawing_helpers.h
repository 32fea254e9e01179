#pragma once
#include "base/geometry.h"
#include "controls/canvas.h"

namespace dusk {

// The drawing primitives of the owner-drawn popup menu. Colours are plain 0x00BBGGRR values; a
// system colour (0xFF0000nn) must be resolved to its red, green and blue first.

struct ColorChannels {
    int red = 0;    // bits 0 to 7
    int green = 0;  // bits 8 to 15
    int blue = 0;   // bits 16 to 23
    bool operator==(const ColorChannels&) const = default;
};
ColorChannels SplitColor(Color color);
// red + green * 256 + blue * 65536.
Color MakeColor(int red, int green, int blue);

// A horizontal gradient of one-pixel vertical lines: `from` at the left column, `to` at the
// right one, the columns between at from + trunc((to - from) / width * (x - left)) per channel.
// A one-pixel-wide rectangle shows `to`; an empty one draws nothing.
void FillGradient(Canvas& canvas, const Rect& rect, Color from, Color to);

// The one-pixel line of a separator item, at top + 2, clear of the side bar by 4 pixels and of
// the opposite edge by 2.
void DrawSeparatorLine(Canvas& canvas, const Rect& rect, Color color, bool leftToRight,
                       int barWidth);

// A one-pixel outline just inside rect; the inside is left as it is.
void FrameRectColor(Canvas& canvas, const Rect& rect, Color color);
void FillRectColor(Canvas& canvas, const Rect& rect, Color color);

// The border of a menu window of windowSize, drawn over its whole surface (frame included): a
// one-pixel outline in `outer` and, when drawInner, `innerCount` outlines inside it in `inner`.
void FrameMenuWindow(Canvas& canvas, Size windowSize, Color outer, Color inner, bool drawInner,
                     int innerCount);

}  // namespace dusk
