#include "gui_test_support.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "controls/win32/dib_surface.h"
#include "controls/win32/window_dc.h"

namespace dusk::test {

namespace {
constexpr UINT kRunStep = WM_APP + 1;
constexpr wchar_t kPosterClass[] = L"DuskTestStepPoster";
}  // namespace

StepPoster::StepPoster() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kPosterClass;
    ::RegisterClassExW(&windowClass);
    window_ = ::CreateWindowExW(0, kPosterClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
}

StepPoster::~StepPoster() {
    // Steps never run are freed with the window's queue drained here.
    MSG message{};
    while (::PeekMessageW(&message, window_, kRunStep, kRunStep, PM_REMOVE)) {
        delete reinterpret_cast<std::function<void()>*>(message.lParam);
    }
    ::DestroyWindow(window_);
}

void StepPoster::Post(std::function<void()> step) {
    auto* owned = new std::function<void()>(std::move(step));
    if (!::PostMessageW(window_, kRunStep, 0, reinterpret_cast<LPARAM>(owned))) delete owned;
}

LRESULT CALLBACK StepPoster::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunStep) return ::DefWindowProcW(window, message, wParam, lParam);
    std::unique_ptr<std::function<void()>> step(reinterpret_cast<std::function<void()>*>(lParam));
    (*step)();
    return 0;
}

Picture CaptureWindow(HWND window, bool paintFirst) {
    if (paintFirst) ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    ::GetClientRect(window, &client);
    win32::DibSurface surface(client.right, client.bottom);
    const HDC dc = ::GetDC(window);
    ::BitBlt(surface.Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
    return surface.ToPicture();
}

Picture CaptureWholeWindow(HWND window) {
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    win32::DibSurface surface(bounds.right - bounds.left, bounds.bottom - bounds.top);
    const win32::WindowDc dc(window, true);
    ::BitBlt(surface.Dc(), 0, 0, surface.Width(), surface.Height(), dc.Get(), 0, 0, SRCCOPY);
    return surface.ToPicture();
}

std::function<void()> ThreadTicker::current_;

ThreadTicker::ThreadTicker(std::function<void()> tick) {
    current_ = std::move(tick);
    timer_ = ::SetTimer(nullptr, 0, 100, Tick);
}

ThreadTicker::~ThreadTicker() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void CALLBACK ThreadTicker::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_();
}

MenuChooser::MenuChooser(int downs)
    : ticker_([this, downs] {
          if (++ticks_ > 100) {
              ::EndMenu();
              return;
          }
          const HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
          if (!menu.Empty() || menuWindow == nullptr || !::IsWindowVisible(menuWindow)) return;
          menu = CaptureWholeWindow(menuWindow);
          screen = CaptureWholeWindow(::GetDesktopWindow());
          for (int i = 0; i < downs; ++i) {
              ::PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 1);
              ::PostMessageW(menuWindow, WM_KEYUP, VK_DOWN, 0xC0000001);
          }
          ::PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 1);
      }) {}

void PostClick(HWND window, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(window, WM_MOUSEMOVE, 0, where);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(window, WM_LBUTTONUP, 0, where);
}

bool NearlyEqual(Color a, Color b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

int CountMismatches(const Picture& actual, Point at, const Picture& expected, int tolerance) {
    int mismatches = 0;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            const int ax = at.x + x, ay = at.y + y;
            if (ax < 0 || ay < 0 || ax >= actual.Width() || ay >= actual.Height() ||
                !NearlyEqual(actual.ColorAt(ax, ay), expected.ColorAt(x, y), tolerance)) {
                ++mismatches;
            }
        }
    }
    return mismatches;
}

int CountDiffering(const Picture& picture, const Rect& rect, Color color, int tolerance) {
    int differing = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (!NearlyEqual(picture.ColorAt(x, y), color, tolerance)) ++differing;
        }
    }
    return differing;
}

Picture Crop(const Picture& picture, const Rect& rect) {
    Picture part(rect.Width(), rect.Height(), picture.HasAlpha());
    for (int y = 0; y < rect.Height(); ++y) {
        for (int x = 0; x < rect.Width(); ++x) {
            part.SetColorAt(x, y, picture.ColorAt(rect.left + x, rect.top + y));
            part.SetAlphaAt(x, y, picture.AlphaAt(rect.left + x, rect.top + y));
        }
    }
    return part;
}

namespace {

// libpng reports errors by longjmp; nothing here needs unwinding past it.
bool WritePngRows(std::FILE* file, const Picture& picture) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(picture.Width()), png_uint_32(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_bgr(png);  // the picture's rows are B, G, R
    png_write_info(png, info);
    for (int y = 0; y < picture.Height(); ++y) png_write_row(png, picture.Row(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool SaveArtifact(const Picture& picture, const std::string& fileName) {
    if (picture.Empty()) return false;
    const std::string folder = DUSK_ARTIFACTS_DIR;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::FILE* file = std::fopen((folder + "/" + fileName).c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = WritePngRows(file, picture);
    return std::fclose(file) == 0 && written;
}

}  // namespace dusk::test
