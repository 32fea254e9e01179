#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "base/win32/unique_handle.h"
#include "controls/canvas.h"

namespace dusk::win32 {

// 0x00BBGGRR as it is; 0xFF0000nn is system colour nn.
COLORREF ToColorRef(Color color);

// The GDI font for a Font: the character height in pixels (negative lfHeight), grey-scale
// anti-aliased so that text looks the same on every backdrop.
UniqueFont CreateGdiFont(const Font& font);

// GDI fonts kept for reuse, one per face, height, weight and character set (the colour is not
// part of a GDI font), so a surface that paints often does not create a font per text.
class GdiFontCache {
public:
    HFONT Get(const Font& font);

private:
    std::vector<std::pair<Font, UniqueFont>> fonts_;
};

// The Canvas over any DC: a window's double buffer, a control's surface or a printer DC.
// The DC is borrowed; its origin, clipping and selections are left as they were found, except
// between SaveState and RestoreState. Without a font cache each text creates its font.
class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc, GdiFontCache* fonts = nullptr) : dc_(dc), fonts_(fonts) {}

    Size MeasureText(const std::wstring& text, const Font& font) override;
    void FillRectangle(const Rect& rect, Color color) override;
    void DrawRectangle(const Rect& rect, Color pen, Color brush) override;
    void StretchCopy(const Picture& source, const Rect& from, const Rect& to) override;
    void DrawPicture(const Picture& picture, Point at) override;
    void DrawDevicePicture(const Picture& picture, Point at) override { DrawPicture(picture, at); }
    void DrawTextLine(const std::wstring& text, const Font& font, Point at) override;
    void DrawLine(Point from, Point to, Color color) override;
    void SaveState() override;
    void RestoreState() override;
    void MoveOrigin(int dx, int dy) override;
    void ClipTo(const Rect& rect) override;

private:
    HDC dc_;
    GdiFontCache* fonts_;
};

// Measures on a memory DC of its own and draws captions into pictures through a DIB, as an
// image button composes its face; its fonts are made once and kept.
class GdiTextRenderer : public TextRenderer {
public:
    GdiTextRenderer();
    Size MeasureText(const std::wstring& text, const Font& font) override;
    void DrawTextInto(Picture& target, const std::wstring& text, const Font& font,
                      Point at) override;

private:
    UniqueDC dc_;
    GdiFontCache fonts_;
};

// One line of text on a DC: the extent, and drawing it with a transparent background, in a
// font of its own or in a GDI font made for `font`.
Size MeasureTextLine(HDC dc, const std::wstring& text, const Font& font);
void DrawTextLineOn(HDC dc, const std::wstring& text, const Font& font, Point at);
Size MeasureTextLine(HDC dc, const std::wstring& text, HFONT gdiFont);
void DrawTextLineOn(HDC dc, const std::wstring& text, HFONT gdiFont, Color color, Point at);

}  // namespace dusk::win32
