#include "controls/win32/buffered_paint.h"

#include "controls/win32/dib_surface.h"
#include "controls/win32/gdi_canvas.h"

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

void ShowCursorKind(CursorKind cursor) {
    ::SetCursor(::LoadCursorW(nullptr, cursor == CursorKind::Hand ? IDC_HAND : IDC_ARROW));
}

}  // namespace dusk::win32
