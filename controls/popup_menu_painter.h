#pragma once
#include "controls/canvas.h"
#include "controls/popup_menu_item.h"
#include "controls/popup_menu_style.h"

namespace dusk {

// What the platform tells the menu's measuring and painting.
struct MenuEnvironment {
    Font menuFont;                     // the platform's menu font
    bool middleEasternLocale = false;  // the system locale reads right to left
};

// The item's size: separators are separatorHeight high; other items the larger of itemHeight
// and the caption's height. The width is caption + shortcut + side bar + 40, measured in the
// menu font (a separator's caption "-" included).
Size MeasureMenuItem(const PopupMenuStyle& style, const MenuItem& item, TextMeasurer& measurer,
                     const Font& menuFont);

// Paints the item over rect (right and bottom exclusive) in the style's palette: side bar and
// background, or the selected fill and outline; the caption, the check picture at the right,
// the shortcut text and the item's image in the bar. A disabled item is never drawn selected.
// Nothing without a palette.
void PaintMenuItem(const PopupMenuStyle& style, const MenuItem& item, Canvas& canvas,
                   const Rect& rect, bool selected, const MenuEnvironment& environment);

// The menu window's border over its whole surface: one pixel in the palette's border colour,
// then edgeWidth pixels in its background colour. Nothing without a palette.
void PaintMenuWindowFrame(const PopupMenuStyle& style, Canvas& canvas, Size windowSize,
                          int edgeWidth);

bool MenuIsLeftToRight(const PopupMenuStyle& style, const MenuEnvironment& environment);

// The caption font before its colour and weight: the menu font, or the style's own face, size
// and character set over the menu font's other attributes.
Font MenuCaptionFont(const PopupMenuStyle& style, const Font& menuFont);

}  // namespace dusk
