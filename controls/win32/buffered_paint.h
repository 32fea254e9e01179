#pragma once
#include <windows.h>

#include <functional>

#include "controls/canvas.h"
#include "controls/control_host.h"
#include "controls/win32/dib_surface.h"
#include "controls/win32/gdi_canvas.h"

namespace dusk::win32 {

// Paints the width x height area through an off-screen DIB and copies it to the target in one
// go, so nothing flickers; only `clip` (target coordinates) is painted and copied.
void PaintBuffered(HDC target, int width, int height, const RECT& clip,
                   const std::function<void(Canvas&)>& paint);

// WM_PAINT and WM_PRINTCLIENT for a window whose whole client area paint() draws.
void PaintWindowBuffered(HWND window, const std::function<void(Canvas&)>& paint);
void PrintClientBuffered(HWND window, HDC target, const std::function<void(Canvas&)>& paint);

// The double buffer of a window that paints often: an off-screen surface the size of the area
// being painted, made for each paint, and one GDI font per face and size for the window's whole
// life. paint() draws in design pixels, scaled to the window's display scale.
class PaintBuffer {
public:
    void PaintWindow(HWND window, const std::function<void(Canvas&)>& paint);
    void PrintClient(HWND window, HDC target, const std::function<void(Canvas&)>& paint);
    GdiFontCache& Fonts() { return fonts_; }

private:
    void Paint(HWND window, HDC target, const RECT& client, const RECT& clip,
               const std::function<void(Canvas&)>& paint);

    GdiFontCache fonts_;
};

void ShowCursorKind(CursorKind cursor);

}  // namespace dusk::win32
