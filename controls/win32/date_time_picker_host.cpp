#include "controls/win32/date_time_picker_host.h"

// clang-format off
#include <commctrl.h>
// clang-format on

#include "base/win32/system_library.h"
#include "controls/win32/accessible_name.h"
#include "controls/win32/gdi_canvas.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

namespace {

// The calendar takes the colours it is given only without the visual style. The theme library
// is loaded from the system folder when needed, not linked: a copy beside the program is never
// loaded.
void DropVisualStyle(HWND window) {
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    const UniqueModule theme = LoadSystemLibrary(L"uxtheme.dll");
    if (const auto setTheme = ExportedFunction<SetWindowThemeFn>(theme.Get(), "SetWindowTheme"))
        setTheme(window, L"", L"");
}

}  // namespace

SYSTEMTIME ToSystemTime(DateTime value) {
    const DateTimeParts parts = value.Parts();
    SYSTEMTIME time{};
    time.wYear = WORD(parts.year);
    time.wMonth = WORD(parts.month);
    time.wDay = WORD(parts.day);
    time.wHour = WORD(parts.hour);
    time.wMinute = WORD(parts.minute);
    time.wSecond = WORD(parts.second);
    time.wMilliseconds = WORD(parts.millisecond);
    // 0001-01-01 was a Monday; the control wants the day of the week to match the date.
    time.wDayOfWeek = WORD((value.Milliseconds() / DateTime::kMsPerDay + 1) % 7);
    return time;
}

DateTime FromSystemTime(const SYSTEMTIME& time) {
    const DateTimeParts parts{time.wYear,   time.wMonth,  time.wDay,         time.wHour,
                              time.wMinute, time.wSecond, time.wMilliseconds};
    return DateTime::FromParts(parts).value_or(DateTime{});
}

DateTimePickerHost::DateTimePickerHost(DateTimePickerModel& model, Kind kind)
    : model_(model), kind_(kind) {
    model_.onStateChanged = [this] { ShowModel(); };
}

DateTimePickerHost::~DateTimePickerHost() { model_.onStateChanged = nullptr; }

bool DateTimePickerHost::Create(HWND parent, const Rect& design, HFONT font,
                                const std::wstring& name) {
    const Rect bounds = ScaleOf(parent).Of(design);
    const DWORD format = kind_ == Kind::Time ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
    control_ =
        ::CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | format,
                          bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent, nullptr,
                          ::GetModuleHandleW(nullptr), nullptr);
    if (control_ == nullptr) return false;
    NameForAccessibility(control_, name);
    ::SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowModel();
    return true;
}

bool DateTimePickerHost::Notify(const NMHDR& header) {
    if (control_ == nullptr || header.hwndFrom != control_) return false;
    if (header.code == DTN_DATETIMECHANGE && !showingModel_) TakeUserValue();
    if (header.code == DTN_DROPDOWN) {
        const auto calendar =
            reinterpret_cast<HWND>(::SendMessageW(control_, DTM_GETMONTHCAL, 0, 0));
        if (calendar != nullptr) DropVisualStyle(calendar);
    }
    return true;
}

void DateTimePickerHost::SetCalendarColors(Color background, COLORREF trailingText) {
    if (control_ == nullptr) return;
    const COLORREF color = ToColorRef(background);
    ::SendMessageW(control_, DTM_SETMCCOLOR, MCSC_BACKGROUND, LPARAM(color));
    ::SendMessageW(control_, DTM_SETMCCOLOR, MCSC_TITLEBK, LPARAM(color));
    ::SendMessageW(control_, DTM_SETMCCOLOR, MCSC_TRAILINGTEXT, LPARAM(trailingText));
}

void DateTimePickerHost::ShowModel() {
    if (control_ == nullptr) return;
    showingModel_ = true;
    SYSTEMTIME time = ToSystemTime(model_.Value());
    ::SendMessageW(control_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    ::EnableWindow(control_, model_.Enabled());
    showingModel_ = false;
}

void DateTimePickerHost::TakeUserValue() {
    SYSTEMTIME time{};
    if (::SendMessageW(control_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) !=
        GDT_VALID) {
        return;
    }
    model_.SetValue(FromSystemTime(time));
}

}  // namespace dusk::win32
