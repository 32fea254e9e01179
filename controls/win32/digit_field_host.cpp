#include "controls/win32/digit_field_host.h"

#include <commctrl.h>

#include "controls/win32/accessible_name.h"
#include "controls/win32/window_scale.h"

namespace dusk::win32 {

DigitFieldHost::DigitFieldHost(DigitFieldModel& field, UpDownModel& upDown)
    : fieldModel_(field), upDownModel_(upDown) {
    fieldModel_.onStateChanged = [this] { ShowField(); };
    upDownModel_.onStateChanged = [this] { ShowUpDown(); };
}

DigitFieldHost::~DigitFieldHost() {
    fieldModel_.onStateChanged = nullptr;
    upDownModel_.onStateChanged = nullptr;
}

bool DigitFieldHost::Create(HWND parent, const Rect& fieldDesign, const Rect& upDownDesign,
                            HFONT font, const std::wstring& name) {
    const Rect fieldBounds = ScaleOf(parent).Of(fieldDesign);
    const Rect upDownBounds = ScaleOf(parent).Of(upDownDesign);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    field_ = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_READONLY | ES_AUTOHSCROLL,
        fieldBounds.left, fieldBounds.top, fieldBounds.Width(), fieldBounds.Height(), parent,
        nullptr, instance, nullptr);
    // No UDS_SETBUDDYINT: the models, not the control, write the field.
    upDown_ = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS,
                                upDownBounds.left, upDownBounds.top, upDownBounds.Width(),
                                upDownBounds.Height(), parent, nullptr, instance, nullptr);
    if (field_ == nullptr || upDown_ == nullptr) return false;
    NameForAccessibility(field_, name);
    NameForAccessibility(upDown_, name);
    ::SendMessageW(field_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field_), 0);
    // The buddy call moves and sizes the up-down to the field; put it back where it belongs.
    ::MoveWindow(upDown_, upDownBounds.left, upDownBounds.top, upDownBounds.Width(),
                 upDownBounds.Height(), FALSE);
    ::SendMessageW(upDown_, UDM_SETRANGE32, WPARAM(upDownModel_.Minimum()),
                   LPARAM(upDownModel_.Maximum()));
    ShowField();
    ShowUpDown();
    return true;
}

std::optional<LRESULT> DigitFieldHost::Notify(const NMHDR& header) {
    if (upDown_ == nullptr || header.hwndFrom != upDown_ || header.code != UDN_DELTAPOS) {
        return std::nullopt;
    }
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    if (change.iDelta > 0) {
        upDownModel_.StepUp();
    } else if (change.iDelta < 0) {
        upDownModel_.StepDown();
    }
    ShowUpDown();
    return TRUE;  // the model has moved the position; the control must not move it again
}

std::optional<LRESULT> DigitFieldHost::FieldColor(HWND control, HDC dc) const {
    if (control != field_ || !::IsWindowEnabled(field_)) return std::nullopt;
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

void DigitFieldHost::ShowField() {
    if (field_ == nullptr) return;
    ::SetWindowTextW(field_, fieldModel_.Text().c_str());
    ::EnableWindow(field_, fieldModel_.Enabled());
}

void DigitFieldHost::ShowUpDown() {
    if (upDown_ == nullptr) return;
    ::SendMessageW(upDown_, UDM_SETPOS32, 0, LPARAM(upDownModel_.Position()));
    ::EnableWindow(upDown_, upDownModel_.Enabled());
}

}  // namespace dusk::win32
