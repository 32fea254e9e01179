#pragma once
#include <windows.h>

#include <functional>

#include "controls/detailed_pictures.h"
#include "controls/display_scale.h"

namespace dusk::win32 {

// The display scale a window is drawn at: the DPI of its monitor (a child takes its top-level
// window's) where Windows reports one per window or per monitor (8.1), the system DPI before.
DisplayScale ScaleOf(HWND window);

// Between the design pixels a window lays itself out in and its client pixels.
RECT DeviceRect(HWND window, const Rect& design);
POINT DesignPoint(HWND window, POINT client);
// A design rectangle of a window's client area on the screen.
RECT ScreenRect(HWND window, const Rect& design);
Size DesignClientSize(HWND window);
// Moves and sizes a child window to its design bounds at its parent's scale.
void PlaceChild(HWND child, const Rect& design);

// The detailed pictures for a scale; the application names the one place that loads them.
void SetDetailedPictureSource(std::function<const DetailedPictures*(DisplayScale)> source);
const DetailedPictures* DetailedPicturesFor(DisplayScale scale);

// A square picture at `size` pixels for a scale: drawn for the scale where there is one, fitted
// to the exact size.
Picture PictureAtSize(const Picture& design, DisplayScale scale, int size);

// The system's small icon size (the notification area's) at a DPI.
int SmallIconSize(DisplayScale scale);

}  // namespace dusk::win32
