#include "shell/win32/warning_lead_link.h"

#include "base/win32/window_base.h"
#include "controls/focus_cycle.h"
#include "controls/win32/buffered_paint.h"
#include "controls/win32/window_scale.h"
#include "core/early_warning.h"

namespace dusk::win32 {

namespace {

constexpr wchar_t kTitle[] = L"Early warning:";
const Font kTitleFont{L"Tahoma", 11, true, 0x666666};
const Font kLinkFont{L"Tahoma", 11, true, 0xBF6C11};
// Gaps of their own rather than blanks, which some scales measure narrower than they draw.
constexpr int kTitleGap = 5;
constexpr int kMarkGap = 6;
constexpr int kMarkWidth = 7;
constexpr int kLineWidth = 300;

std::wstring LeadText(std::int32_t minutes) {
    return minutes <= 0 ? WarnMinutesText(minutes) : WarnMinutesText(minutes) + L" before";
}

}  // namespace

WarningLeadLink::WarningLeadLink(ChoiceModel& model, Point at) : model_(model), at_(at) {
    model_.onStateChanged = [this] {
        Invalidate();
        focus_.SetCaption(AccessibleName());
    };
}

WarningLeadLink::~WarningLeadLink() { model_.onStateChanged = nullptr; }

bool WarningLeadLink::Create(HWND page) {
    page_ = page;
    if (!focus_.Create(page, AccessibleName(), AccessibleRole::PushButton,
                       [this] { return ScreenRect(page_, linkArea_); })) {
        return false;
    }
    focus_.Follow(true, true);
    focus_.onPress = [this] { Open(); };
    focus_.onFocusChanged = [this] { Invalidate(); };
    return true;
}

std::wstring WarningLeadLink::AccessibleName() const {
    return std::wstring(kTitle) + L" " + LeadText(model_.Value());
}

void WarningLeadLink::Paint(Canvas& canvas, Color focusCue) {
    const std::wstring lead = LeadText(model_.Value());
    const Size title = canvas.MeasureText(kTitle, kTitleFont);
    const Size link = canvas.MeasureText(lead, kLinkFont);
    const Point linkAt{at_.x + title.width + kTitleGap, at_.y};
    canvas.DrawTextLine(kTitle, kTitleFont, at_);
    canvas.DrawTextLine(lead, kLinkFont, linkAt);
    // The drop-down mark: a small triangle pointing down, centred on the text.
    const int markLeft = linkAt.x + link.width + kMarkGap;
    const int markTop = at_.y + (link.height - kMarkWidth / 2) / 2;
    for (int row = 0; row <= kMarkWidth / 2; ++row) {
        canvas.DrawLine({markLeft + row, markTop + row},
                        {markLeft + kMarkWidth - row, markTop + row}, kLinkFont.color);
    }
    linkArea_ = {linkAt.x, at_.y, markLeft + kMarkWidth + 1, at_.y + link.height};
    if (hover_ || focus_.Focused()) {
        const int y = linkArea_.bottom - 1;
        canvas.DrawLine({linkAt.x, y}, {linkAt.x + link.width, y}, kLinkFont.color);
    }
    if (focus_.Focused()) {
        PaintFocusCue(
            canvas,
            {linkArea_.left - 2, linkArea_.top - 1, linkArea_.right + 2, linkArea_.bottom + 1},
            focusCue);
    }
}

bool WarningLeadLink::Route(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE: {
            const bool on = OnLink(MousePoint(lParam));
            if (on != hover_) {
                hover_ = on;
                Invalidate();
            }
            return false;  // the buttons see the pointer too
        }
        case WM_MOUSELEAVE:
            if (hover_) {
                hover_ = false;
                Invalidate();
            }
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!OnLink(MousePoint(lParam))) return false;
            Open();
            return true;
        case WM_SETCURSOR: {
            if (LOWORD(lParam) != HTCLIENT) return false;
            POINT cursor{};
            ::GetCursorPos(&cursor);
            ::ScreenToClient(page_, &cursor);
            if (!OnLink(cursor)) return false;
            ShowCursorKind(CursorKind::Hand);
            return true;
        }
        default:
            return false;
    }
}

void WarningLeadLink::Open() {
    if (!choose || page_ == nullptr) return;
    const RECT link = ScreenRect(page_, linkArea_);
    const std::int32_t minutes = choose({link.left, link.bottom}, model_.Value());
    if (minutes >= 0) model_.Choose(minutes);
}

bool WarningLeadLink::OnLink(POINT client) const {
    const POINT p = DesignPoint(page_, client);
    const Rect& a = linkArea_;
    return p.x >= a.left && p.x < a.right && p.y >= a.top && p.y < a.bottom;
}

void WarningLeadLink::Invalidate() const {
    if (page_ == nullptr) return;
    // Wide enough for the longest lead time and its focus cue.
    const RECT r = DeviceRect(page_, {at_.x - 4, at_.y - 3, at_.x + kLineWidth, at_.y + 20});
    ::InvalidateRect(page_, &r, FALSE);
}

}  // namespace dusk::win32
