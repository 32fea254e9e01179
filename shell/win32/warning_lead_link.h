#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/choice_model.h"
#include "base/geometry.h"
#include "controls/canvas.h"
#include "controls/win32/focus_proxy.h"

namespace dusk::win32 {

// The early warning's lead time on the task page, one line of text: "Early warning:" and the
// lead time drawn as a link with a drop-down mark. A click on the link, or Enter or Space while it
// has the focus, opens the choices; the one picked goes to the model, whose value the line shows.
class WarningLeadLink {
public:
    // `at`: where the line starts, in the page's design pixels.
    WarningLeadLink(ChoiceModel& model, Point at);
    WarningLeadLink(const WarningLeadLink&) = delete;
    WarningLeadLink& operator=(const WarningLeadLink&) = delete;
    ~WarningLeadLink();

    // Opens the choices at a screen point with the current one marked; answers the minutes
    // picked, or nothing (a negative number) when the choices were dismissed.
    std::function<std::int32_t(POINT at, std::int32_t current)> choose;

    bool Create(HWND page);
    HWND FocusHandle() const { return focus_.Handle(); }
    // What a screen reader reads: the whole line.
    std::wstring AccessibleName() const;
    void Paint(Canvas& canvas, Color focusCue);
    // The page's mouse messages: true when the link took the message and nobody else may.
    bool Route(UINT message, LPARAM lParam);
    // Opens the choices below the link.
    void Open();

private:
    bool OnLink(POINT client) const;
    void Invalidate() const;

    ChoiceModel& model_;
    Point at_;
    HWND page_ = nullptr;
    Rect linkArea_;  // the lead time and its mark, in design pixels, as last painted
    bool hover_ = false;
    FocusProxy focus_;
};

}  // namespace dusk::win32
