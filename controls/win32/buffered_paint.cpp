#include "controls/win32/buffered_paint.h"

#include "controls/scaled_canvas.h"
#include "controls/win32/dib_surface.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

void PaintBuffered(HDC target, int width, int height, const RECT& clip,
                   const std::function<void(Canvas&)>& paint) {
    DibSurface buffer(width, height);
    if (!buffer.Valid()) return;
    GdiCanvas canvas(buffer.Dc());
    canvas.ClipTo({clip.left, clip.top, clip.right, clip.bottom});
    paint(canvas);
    ::BitBlt(target, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top,
             buffer.Dc(), clip.left, clip.top, SRCCOPY);
}

void PaintWindowBuffered(HWND window, const std::function<void(Canvas&)>& paint) {
    PAINTSTRUCT ps{};
    const HDC dc = ::BeginPaint(window, &ps);
    RECT client{};
    ::GetClientRect(window, &client);
    if (dc != nullptr) PaintBuffered(dc, client.right, client.bottom, ps.rcPaint, paint);
    ::EndPaint(window, &ps);
}

void PrintClientBuffered(HWND window, HDC target, const std::function<void(Canvas&)>& paint) {
    RECT client{};
    ::GetClientRect(window, &client);
    PaintBuffered(target, client.right, client.bottom, client, paint);
}

void PaintBuffer::PaintWindow(HWND window, const std::function<void(Canvas&)>& paint) {
    PAINTSTRUCT ps{};
    const HDC dc = ::BeginPaint(window, &ps);
    RECT client{};
    ::GetClientRect(window, &client);
    if (dc != nullptr) Paint(window, dc, client, ps.rcPaint, paint);
    ::EndPaint(window, &ps);
}

void PaintBuffer::PrintClient(HWND window, HDC target, const std::function<void(Canvas&)>& paint) {
    RECT client{};
    ::GetClientRect(window, &client);
    Paint(window, target, client, client, paint);
}

void PaintBuffer::Paint(HWND window, HDC target, const RECT& client, const RECT& clip,
                        const std::function<void(Canvas&)>& paint) {
    RECT area{};
    if (!::IntersectRect(&area, &client, &clip)) return;
    // Only the area being painted, and only while painting: a window at rest holds no surface.
    DibSurface surface(area.right - area.left, area.bottom - area.top);
    if (!surface.Valid()) return;
    ::SetViewportOrgEx(surface.Dc(), -area.left, -area.top, nullptr);
    GdiCanvas canvas(surface.Dc(), &fonts_);
    canvas.ClipTo({area.left, area.top, area.right, area.bottom});
    // The window lays itself out in design pixels; at another scale they are scaled here.
    const DisplayScale scale = ScaleOf(window);
    if (scale.IsDesign()) {
        paint(canvas);
    } else {
        ScaledCanvas scaled(canvas, scale, DetailedPicturesFor(scale));
        paint(scaled);
    }
    ::SetViewportOrgEx(surface.Dc(), 0, 0, nullptr);
    ::BitBlt(target, area.left, area.top, surface.Width(), surface.Height(), surface.Dc(), 0, 0,
             SRCCOPY);
}

void ShowCursorKind(CursorKind cursor) {
    ::SetCursor(::LoadCursorW(nullptr, cursor == CursorKind::Hand ? IDC_HAND : IDC_ARROW));
}

}  // namespace dusk::win32
