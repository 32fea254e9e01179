#pragma once
#include <windows.h>

#include <string>

#include "base/control_models.h"
#include "controls/canvas.h"

namespace dusk::win32 {

// A real date or time picker (SysDateTimePick32) kept in step with its model both ways: the
// user's change sets the model's value, which runs the model's onChange; a change of the model's
// value or enabled flag shows in the control. The parent hands its WM_NOTIFY to Notify.
class DateTimePickerHost {
public:
    enum class Kind { Date, Time };

    DateTimePickerHost(DateTimePickerModel& model, Kind kind);
    DateTimePickerHost(const DateTimePickerHost&) = delete;
    DateTimePickerHost& operator=(const DateTimePickerHost&) = delete;
    ~DateTimePickerHost();

    // The control as a child of `parent` (destroyed with it), in the model's state, named
    // `name` for assistive technology. Bounds in the parent's design pixels.
    bool Create(HWND parent, const Rect& bounds, HFONT font, const std::wstring& name);
    HWND Handle() const { return control_; }

    // True when the notification was this control's.
    bool Notify(const NMHDR& header);

    // The drop-down calendar's background and title background, and the colour of the days
    // outside the month. The calendar is drawn without visual styles, which would hide them.
    void SetCalendarColors(Color background, COLORREF trailingText);

private:
    void ShowModel();
    void TakeUserValue();

    DateTimePickerModel& model_;
    Kind kind_;
    HWND control_ = nullptr;
    bool showingModel_ = false;  // the control's own notices of our change are not the user's
};

// SYSTEMTIME and DateTime, both local; the day of the week is filled in.
SYSTEMTIME ToSystemTime(DateTime value);
DateTime FromSystemTime(const SYSTEMTIME& time);

}  // namespace dusk::win32
