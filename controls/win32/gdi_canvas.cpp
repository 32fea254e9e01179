#include "controls/win32/gdi_canvas.h"

#include <algorithm>

#include "controls/win32/dib_surface.h"

namespace dusk::win32 {

COLORREF ToColorRef(Color color) {
    if ((color & 0xFF000000u) == 0xFF000000u) return ::GetSysColor(int(color & 0xFFu));
    return COLORREF(color & 0x00FFFFFFu);
}

UniqueFont CreateGdiFont(const Font& font) {
    LOGFONTW log{};
    log.lfHeight = -font.height;
    log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    log.lfCharSet = BYTE(font.charset);
    log.lfOutPrecision = OUT_TT_PRECIS;
    log.lfQuality = ANTIALIASED_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::size_t length = std::min(font.face.size(), std::size_t(LF_FACESIZE - 1));
    font.face.copy(log.lfFaceName, length);
    return UniqueFont(::CreateFontIndirectW(&log));
}

HFONT GdiFontCache::Get(const Font& font) {
    const auto sameGdiFont = [&font](const std::pair<Font, UniqueFont>& entry) {
        const Font& f = entry.first;
        return f.face == font.face && f.height == font.height && f.bold == font.bold &&
               f.charset == font.charset;
    };
    const auto found = std::find_if(fonts_.begin(), fonts_.end(), sameGdiFont);
    if (found != fonts_.end()) return found->second.Get();
    fonts_.emplace_back(font, CreateGdiFont(font));
    return fonts_.back().second.Get();
}

Size MeasureTextLine(HDC dc, const std::wstring& text, HFONT gdiFont) {
    const SelectionGuard selected(dc, gdiFont);
    SIZE extent{};
    if (text.empty()) {
        // No width, but the height of a line, as the platform's text measuring gives it.
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        return {0, int(metrics.tmHeight)};
    }
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    return {int(extent.cx), int(extent.cy)};
}

void DrawTextLineOn(HDC dc, const std::wstring& text, HFONT gdiFont, Color color, Point at) {
    if (text.empty()) return;
    const SelectionGuard selected(dc, gdiFont);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc, ToColorRef(color));
    const UINT oldAlign = ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::TextOutW(dc, at.x, at.y, text.c_str(), int(text.size()));
    ::SetTextAlign(dc, oldAlign);
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
}

Size MeasureTextLine(HDC dc, const std::wstring& text, const Font& font) {
    const UniqueFont gdiFont = CreateGdiFont(font);
    return MeasureTextLine(dc, text, gdiFont.Get());
}

void DrawTextLineOn(HDC dc, const std::wstring& text, const Font& font, Point at) {
    if (text.empty()) return;
    const UniqueFont gdiFont = CreateGdiFont(font);
    DrawTextLineOn(dc, text, gdiFont.Get(), font.color, at);
}

Size GdiCanvas::MeasureText(const std::wstring& text, const Font& font) {
    if (fonts_ != nullptr) return MeasureTextLine(dc_, text, fonts_->Get(font));
    return MeasureTextLine(dc_, text, font);
}

namespace {

// The DC's own brush in a colour: nothing is created per fill.
HBRUSH DcBrush(HDC dc, Color color) {
    ::SetDCBrushColor(dc, ToColorRef(color));
    return static_cast<HBRUSH>(::GetStockObject(DC_BRUSH));
}

}  // namespace

void GdiCanvas::FillRectangle(const Rect& rect, Color color) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const COLORREF oldColor = ::GetDCBrushColor(dc_);
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(dc_, &area, DcBrush(dc_, color));
    ::SetDCBrushColor(dc_, oldColor);
}

void GdiCanvas::DrawRectangle(const Rect& rect, Color pen, Color brush) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    FillRectangle(rect, brush);
    const COLORREF oldColor = ::GetDCBrushColor(dc_);
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::FrameRect(dc_, &area, DcBrush(dc_, pen));
    ::SetDCBrushColor(dc_, oldColor);
}

void GdiCanvas::DrawLine(Point from, Point to, Color color) {
    if (from == to) return;
    const SelectionGuard pen(dc_, ::GetStockObject(DC_PEN));
    const COLORREF oldColor = ::SetDCPenColor(dc_, ToColorRef(color));
    POINT oldPosition{};
    ::MoveToEx(dc_, from.x, from.y, &oldPosition);
    ::LineTo(dc_, to.x, to.y);
    ::MoveToEx(dc_, oldPosition.x, oldPosition.y, nullptr);
    ::SetDCPenColor(dc_, oldColor);
}

void GdiCanvas::StretchCopy(const Picture& source, const Rect& from, const Rect& to) {
    if (source.Empty() || from.Width() <= 0 || from.Height() <= 0 || to.Width() <= 0 ||
        to.Height() <= 0) {
        return;
    }
    DibSurface surface(source.Width(), source.Height());
    if (!surface.Valid()) return;
    surface.LoadPicture(source, false);
    // Pixel replication: a stretched edge repeats its source pixels exactly.
    const int oldMode = ::SetStretchBltMode(dc_, COLORONCOLOR);
    ::StretchBlt(dc_, to.left, to.top, to.Width(), to.Height(), surface.Dc(), from.left, from.top,
                 from.Width(), from.Height(), SRCCOPY);
    ::SetStretchBltMode(dc_, oldMode);
}

void GdiCanvas::DrawPicture(const Picture& picture, Point at) {
    if (picture.Empty()) return;
    DibSurface surface(picture.Width(), picture.Height());
    if (!surface.Valid()) return;
    surface.LoadPicture(picture, picture.HasAlpha());
    if (!picture.HasAlpha()) {
        ::BitBlt(dc_, at.x, at.y, picture.Width(), picture.Height(), surface.Dc(), 0, 0, SRCCOPY);
        return;
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc_, at.x, at.y, picture.Width(), picture.Height(), surface.Dc(), 0, 0,
                    picture.Width(), picture.Height(), blend);
}

void GdiCanvas::DrawTextLine(const std::wstring& text, const Font& font, Point at) {
    if (fonts_ != nullptr) return DrawTextLineOn(dc_, text, fonts_->Get(font), font.color, at);
    DrawTextLineOn(dc_, text, font, at);
}

void GdiCanvas::SaveState() { ::SaveDC(dc_); }

void GdiCanvas::RestoreState() { ::RestoreDC(dc_, -1); }

void GdiCanvas::MoveOrigin(int dx, int dy) { ::OffsetViewportOrgEx(dc_, dx, dy, nullptr); }

void GdiCanvas::ClipTo(const Rect& rect) {
    ::IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

GdiTextRenderer::GdiTextRenderer() : dc_(::CreateCompatibleDC(nullptr)) {}

Size GdiTextRenderer::MeasureText(const std::wstring& text, const Font& font) {
    return MeasureTextLine(dc_.Get(), text, fonts_.Get(font));
}

void GdiTextRenderer::DrawTextInto(Picture& target, const std::wstring& text, const Font& font,
                                   Point at) {
    if (target.Empty() || text.empty()) return;
    DibSurface surface(target.Width(), target.Height());
    if (!surface.Valid()) return;
    surface.LoadPicture(target, false);
    DrawTextLineOn(surface.Dc(), text, fonts_.Get(font), font.color, at);
    surface.StoreColorsInto(target);
}

}  // namespace dusk::win32
