#pragma once
#include <windows.h>

#include "base/win32/unique_handle.h"
#include "controls/canvas.h"

namespace dusk::win32 {

// 0x00BBGGRR as it is; 0xFF0000nn is system colour nn.
COLORREF ToColorRef(Color color);

// The GDI font for a Font: the character height in pixels (negative lfHeight), grey-scale
// anti-aliased so that text looks the same on every backdrop.
UniqueFont CreateGdiFont(const Font& font);

// The Canvas over any DC: a window's double buffer, a control's surface or a printer DC.
// The DC is borrowed; its origin, clipping and selections are left as they were found, except
// between SaveState and RestoreState.
class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}

    Size MeasureText(const std::wstring& text, const Font& font) override;
    void FillRectangle(const Rect& rect, Color color) override;
    void DrawRectangle(const Rect& rect, Color pen, Color brush) override;
    void StretchCopy(const Picture& source, const Rect& from, const Rect& to) override;
    void DrawPicture(const Picture& picture, Point at) override;
    void DrawTextLine(const std::wstring& text, const Font& font, Point at) override;
    void SaveState() override;
    void RestoreState() override;
    void MoveOrigin(int dx, int dy) override;
    void ClipTo(const Rect& rect) override;

private:
    HDC dc_;
};

// Measures on a memory DC of its own and draws captions into pictures through a DIB, as an
// image button composes its face.
class GdiTextRenderer : public TextRenderer {
public:
    GdiTextRenderer();
    Size MeasureText(const std::wstring& text, const Font& font) override;
    void DrawTextInto(Picture& target, const std::wstring& text, const Font& font,
                      Point at) override;

private:
    UniqueDC dc_;
};

// One line of text on a DC: the extent, and drawing it with a transparent background.
Size MeasureTextLine(HDC dc, const std::wstring& text, const Font& font);
void DrawTextLineOn(HDC dc, const std::wstring& text, const Font& font, Point at);

}  // namespace dusk::win32
