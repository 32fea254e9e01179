#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "controls/picture.h"

namespace dusk::test {

// Runs test steps inside whatever message loop is running: each posted step runs when the loop
// reaches it, in order with the other messages posted to this thread.
class StepPoster {
public:
    StepPoster();
    StepPoster(const StepPoster&) = delete;
    StepPoster& operator=(const StepPoster&) = delete;
    ~StepPoster();

    void Post(std::function<void()> step);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// The window's pixels as they are on screen (children included); by default after the paints
// that are pending.
Picture CaptureWindow(HWND window, bool paintFirst = true);

// The whole window, its frame included, as it is on screen.
Picture CaptureWholeWindow(HWND window);

// Runs `tick` every 100 ms through a thread timer, which also fires inside modal loops such as a
// menu's, until destroyed. One at a time.
class ThreadTicker {
public:
    explicit ThreadTicker(std::function<void()> tick);
    ThreadTicker(const ThreadTicker&) = delete;
    ThreadTicker& operator=(const ThreadTicker&) = delete;
    ~ThreadTicker();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static std::function<void()> current_;
    UINT_PTR timer_;
};

// While it lives: the first popup menu that shows is captured, with the whole screen, then Down
// is pressed `downs` times and Enter there. Any menu still open after ten seconds is ended, so
// that no test hangs.
class MenuChooser {
public:
    explicit MenuChooser(int downs);

    Picture menu;    // empty while no menu has shown
    Picture screen;  // the screen with the menu on it

private:
    int ticks_ = 0;
    ThreadTicker ticker_;
};

// Posts a left click at a client point: move, press and release.
void PostClick(HWND window, POINT at);

// Colour channels differ by at most tolerance.
bool NearlyEqual(Color a, Color b, int tolerance);
// Pixels of `expected` that differ from `actual` at offset `at` by more than tolerance.
int CountMismatches(const Picture& actual, Point at, const Picture& expected, int tolerance);
// Pixels of `picture` inside rect whose colour differs from `color` by more than tolerance.
int CountDiffering(const Picture& picture, const Rect& rect, Color color, int tolerance);

// The part of a picture inside rect.
Picture Crop(const Picture& picture, const Rect& rect);

// Writes the picture's colours as a PNG into the build's artifacts folder; false on failure.
bool SaveArtifact(const Picture& picture, const std::string& fileName);

}  // namespace dusk::test
