#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "base/control_models.h"
#include "base/geometry.h"

namespace dusk::win32 {

// A read-only, digits-only edit with its up-down buttons, kept in step with their models: a step
// of the up-down (its buttons, or the arrow keys in the edit) goes through the up-down model,
// which writes the field; the field's text, the position and both enabled flags show in the
// controls. The parent hands its WM_NOTIFY and WM_CTLCOLORSTATIC to the host.
class DigitFieldHost {
public:
    DigitFieldHost(DigitFieldModel& field, UpDownModel& upDown);
    DigitFieldHost(const DigitFieldHost&) = delete;
    DigitFieldHost& operator=(const DigitFieldHost&) = delete;
    ~DigitFieldHost();

    // Both controls as children of `parent` (destroyed with it), in the models' state, named
    // `name` for assistive technology (the label painted beside them). Bounds in the parent's
    // design pixels.
    bool Create(HWND parent, const Rect& fieldBounds, const Rect& upDownBounds, HFONT font,
                const std::wstring& name);
    HWND FieldHandle() const { return field_; }
    HWND UpDownHandle() const { return upDown_; }

    // The up-down's notifications; nothing when the notification was not this host's.
    std::optional<LRESULT> Notify(const NMHDR& header);
    // A read-only edit is painted as a static control: while enabled it shows on white, as an
    // input field does. Nothing when the control is not this host's field.
    std::optional<LRESULT> FieldColor(HWND control, HDC dc) const;

private:
    void ShowField();
    void ShowUpDown();

    DigitFieldModel& fieldModel_;
    UpDownModel& upDownModel_;
    HWND field_ = nullptr;
    HWND upDown_ = nullptr;
};

}  // namespace dusk::win32
