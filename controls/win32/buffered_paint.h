#pragma once
#include <windows.h>

#include <functional>

#include "controls/canvas.h"
#include "controls/control_host.h"

namespace dusk::win32 {

// Paints the width x height area through an off-screen DIB and copies it to the target in one
// go, so nothing flickers; only `clip` (target coordinates) is painted and copied.
void PaintBuffered(HDC target, int width, int height, const RECT& clip,
                   const std::function<void(Canvas&)>& paint);

// WM_PAINT and WM_PRINTCLIENT for a window whose whole client area paint() draws.
void PaintWindowBuffered(HWND window, const std::function<void(Canvas&)>& paint);
void PrintClientBuffered(HWND window, HDC target, const std::function<void(Canvas&)>& paint);

void ShowCursorKind(CursorKind cursor);

}  // namespace dusk::win32
