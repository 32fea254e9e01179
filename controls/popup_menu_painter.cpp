#include "controls/popup_menu_painter.h"

#include <algorithm>

#include "controls/menu_drawing_helpers.h"

namespace dusk {

namespace {

constexpr Color kDisabledText = 0x808080;
constexpr int kTextGap = 4;          // between the side bar and the caption
constexpr int kShortcutMargin = 16;  // between the shortcut text and the right edge
constexpr int kExtraItemWidth = 40;  // room for the check picture and the margins
constexpr int kScreenDpi = 96;       // the program is laid out in pixels at 96 dots per inch

int PointsToPixels(int points) { return (points * kScreenDpi + 36) / 72; }

int CentredTop(const Rect& rect, int height) { return rect.top + (rect.Height() - height) / 2; }

// Side bar and background, the look of a separator and of an item that is not selected.
void PaintBarAndBackground(const PopupMenuStyle& style, const PopupMenuPalette& palette,
                           Canvas& canvas, const Rect& rect, bool leftToRight) {
    const int bar = style.barWidth;
    if (bar > 0) {
        const Rect barRect = leftToRight
                                 ? Rect{rect.left, rect.top, rect.left + bar, rect.bottom}
                                 : Rect{rect.right - bar, rect.top, rect.right, rect.bottom};
        if (palette.bar == palette.barTo) {
            FillRectColor(canvas, barRect, palette.bar);
        } else {
            FillGradient(canvas, barRect, palette.bar, palette.barTo);
        }
    }
    const Rect rest = leftToRight ? Rect{rect.left + bar, rect.top, rect.right, rect.bottom}
                                  : Rect{rect.left, rect.top, rect.right - bar, rect.bottom};
    FillRectColor(canvas, rest, palette.background);
}

Font ItemFont(const PopupMenuStyle& style, const PopupMenuPalette& palette, const MenuItem& item,
              bool selected, const Font& menuFont) {
    Font font = MenuCaptionFont(style, menuFont);
    font.color = !item.enabled ? kDisabledText : selected ? palette.selectedFont : palette.font;
    if (item.isDefault) font.bold = true;
    return font;
}

// One line of `size`, vertically centred, starting at x; the accelerator's character underlined.
void PaintCaption(Canvas& canvas, const AcceleratedText& caption, const Font& font, Size size,
                  int x, const Rect& rect) {
    const int top = CentredTop(rect, size.height);
    canvas.DrawTextLine(caption.text, font, {x, top});
    if (caption.underlined < 0) return;
    const auto index = std::size_t(caption.underlined);
    const int from = x + canvas.MeasureText(caption.text.substr(0, index), font).width;
    const int to = from + canvas.MeasureText(caption.text.substr(index, 1), font).width;
    const int y = top + size.height - 2;  // just below the base line
    canvas.DrawLine({from, y}, {to, y}, font.color);
}

void PaintImage(const PopupMenuStyle& style, const MenuItem& item, Canvas& canvas, const Rect& rect,
                bool leftToRight) {
    if (style.images == nullptr || item.imageIndex < 0 ||
        std::size_t(item.imageIndex) >= style.images->size()) {
        return;
    }
    const MenuImage& image = (*style.images)[std::size_t(item.imageIndex)];
    const Picture& picture = item.enabled ? image.enabled : image.disabled;
    const int bar = style.barWidth;
    const int inBar = (bar - picture.Width()) / 2;
    const int x = leftToRight ? rect.left + inBar : rect.right - bar + inBar;
    canvas.DrawPicture(picture, {x, CentredTop(rect, picture.Height())});
}

}  // namespace

bool MenuIsLeftToRight(const PopupMenuStyle& style, const MenuEnvironment& environment) {
    return !(style.rightToLeftReading && environment.middleEasternLocale);
}

Font MenuCaptionFont(const PopupMenuStyle& style, const Font& menuFont) {
    if (style.useSystemFont) return menuFont;
    Font font = menuFont;
    font.face = style.fontName;
    font.height = PointsToPixels(style.fontSize);
    font.charset = style.fontCharset;
    return font;
}

Size MeasureMenuItem(const PopupMenuStyle& style, const MenuItem& item, TextMeasurer& measurer,
                     const Font& menuFont) {
    const Size caption = measurer.MeasureText(item.caption, menuFont);
    const int shortcut =
        item.shortcut.empty() ? 0 : measurer.MeasureText(item.shortcut, menuFont).width;
    const int height =
        IsSeparator(item) ? style.separatorHeight : std::max(style.itemHeight, caption.height);
    return {caption.width + shortcut + style.barWidth + kExtraItemWidth, height};
}

void PaintMenuItem(const PopupMenuStyle& style, const MenuItem& item, Canvas& canvas,
                   const Rect& rect, bool selected, const MenuEnvironment& environment) {
    const PopupMenuPalette* palette = style.Palette();
    if (palette == nullptr) return;
    const bool leftToRight = MenuIsLeftToRight(style, environment);
    const int bar = style.barWidth;

    if (IsSeparator(item)) {
        PaintBarAndBackground(style, *palette, canvas, rect, leftToRight);
        DrawSeparatorLine(canvas, rect, palette->separator, leftToRight, bar);
        return;
    }

    const bool showSelected = selected && item.enabled;
    if (showSelected) {
        FillRectColor(canvas, rect, palette->selected);
        FrameRectColor(canvas, rect, palette->selectedBorder);
    } else {
        PaintBarAndBackground(style, *palette, canvas, rect, leftToRight);
    }

    const Font font = ItemFont(style, *palette, item, showSelected, environment.menuFont);
    const AcceleratedText caption = SplitAccelerator(item.caption);
    const Size captionSize = canvas.MeasureText(caption.text, font);
    const int captionLeft =
        leftToRight ? rect.left + bar + kTextGap : rect.right - bar - kTextGap - captionSize.width;
    PaintCaption(canvas, caption, font, captionSize, captionLeft, rect);

    if (item.checked && !palette->check.Empty()) {
        const Picture& check = palette->check;
        const int x = leftToRight ? rect.right - check.Width() : rect.left + 2;
        canvas.DrawPicture(check, {x, CentredTop(rect, check.Height())});
    }

    if (!item.shortcut.empty()) {
        const Size size = canvas.MeasureText(item.shortcut, font);
        const int x =
            leftToRight ? rect.right - size.width - kShortcutMargin : rect.left + bar + kTextGap;
        canvas.DrawTextLine(item.shortcut, font, {x, CentredTop(rect, size.height)});
    }

    PaintImage(style, item, canvas, rect, leftToRight);
}

void PaintMenuWindowFrame(const PopupMenuStyle& style, Canvas& canvas, Size windowSize,
                          int edgeWidth) {
    const PopupMenuPalette* palette = style.Palette();
    if (palette == nullptr) return;
    FrameMenuWindow(canvas, windowSize, palette->border, palette->background, true, edgeWidth);
}

}  // namespace dusk
