#include "shell/win32/title_area.h"

#include "controls/win32/window_scale.h"
#include "shell/color_button_layout.h"

namespace dusk::win32 {

namespace {

constexpr int kDesignWidth = 700;
constexpr Point kCaptionAt{31, 8};
const Font kCaptionFont{L"Tahoma", 13, true, 0xFFFFFF};
constexpr Rect kLinkBox{561, 49, 561 + 123, 49 + 15};  // the text is right-aligned in it
const Font kLinkFont{L"Tahoma", 12, false, 0xFFFFFF};
constexpr wchar_t kLinkText[] = L"www.tolvane.example";

constexpr int kSkinButtonTop = 5;
struct SkinButtonPlace {
    ButtonColor color;
    int left;
    const wchar_t* hint;
};
constexpr SkinButtonPlace kSkinButtons[] = {{ButtonColor::Green, 525, L"Green Skin"},
                                            {ButtonColor::Red, 540, L"Red Skin"},
                                            {ButtonColor::Yellow, 555, L"Yellow Skin"},
                                            {ButtonColor::Blue, 570, L"Blue Skin"},
                                            {ButtonColor::Black, 585, L"Black Skin"}};
constexpr int kSkinHintDelayMs = 0;
constexpr int kHintDelayMs = 800;

constexpr Rect kMinimizeBounds{602, 1, 602 + 25, 1 + 17};
constexpr Rect kMaximizeBounds{627, 1, 627 + 25, 1 + 17};
constexpr Rect kCloseBounds{652, 1, 652 + 43, 1 + 17};

constexpr int kTabTop = 35;
constexpr int kFirstTabLeft = 12;
constexpr Size kTabSize{128, 31};
constexpr int kTabOverlap = 13;
constexpr const wchar_t* kTabCaptions[] = {L"Dusk Relay", L"Our Products", L"Vimbly"};

// Hosts: the chrome buttons, then the tabs, then the skin buttons.
constexpr std::size_t kMinimizeHost = 0, kMaximizeHost = 1, kRestoreHost = 2, kCloseHost = 3;
constexpr std::size_t kFirstTabHost = 4;
constexpr std::size_t kFirstSkinHost = kFirstTabHost + TitleArea::kTabCount;

ColorButtonLayout ChromeButtonLayout(const Rect& bounds, bool enabled) {
    ColorButtonLayout layout;
    layout.bounds = bounds;
    layout.enabled = enabled;
    return layout;
}

ColorButtonLayout TabLayout(int tab) {
    // Each tab overlaps its left neighbour.
    const int left = kFirstTabLeft + tab * (kTabSize.width - kTabOverlap);
    ColorButtonLayout layout;
    layout.caption = kTabCaptions[tab];
    layout.font = {L"Tahoma", 12, true, 0xFFFFFF};
    layout.fontDisable = {L"Tahoma", 13, true, 0x000000};
    layout.captionAlign = TextAlign::Center;
    layout.captionLeft = 0;
    layout.captionTop = 2;
    layout.needStretch = true;
    layout.animationEnd = 64;
    layout.animationParam = 4;
    layout.bounds = {left, kTabTop, left + kTabSize.width, kTabTop + kTabSize.height};
    return layout;
}

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TitleArea::TitleArea(const ResourceWindow& resources)
    : minimize(text_),
      maximize(text_),
      restore(text_),
      close(text_),
      tabs{ColorImageButton(text_), ColorImageButton(text_), ColorImageButton(text_)},
      skinButtons{ImageButton(text_), ImageButton(text_), ImageButton(text_), ImageButton(text_),
                  ImageButton(text_)},
      resources_(resources) {
    LoadColorButton(minimize, ChromeButtonLayout(kMinimizeBounds, true), resources.minimizeButtons);
    LoadColorButton(maximize, ChromeButtonLayout(kMaximizeBounds, false),
                    resources.maximizeButtons);
    LoadColorButton(restore, ChromeButtonLayout(kMaximizeBounds, false), resources.restoreButtons);
    restore.SetVisible(false);  // nothing shows it
    LoadColorButton(close, ChromeButtonLayout(kCloseBounds, true), resources.closeButtons);
    for (int tab = 0; tab < kTabCount; ++tab) {
        LoadColorButton(tabs[std::size_t(tab)], TabLayout(tab), resources.tabButtons);
    }
    for (std::size_t i = 0; i < skinButtons.size(); ++i) {
        ImageButton& button = skinButtons[i];
        const SkinButtonPlace& place = kSkinButtons[i];
        button.SetEnableAnimation(false);
        button.SetBounds(place.left, kSkinButtonTop, 0, 0);
        button.SetHint(place.hint);
        const auto code = std::uint8_t(std::size_t(place.color) + 1);
        button.onClick = [this, code] {
            if (onSkinButton) onSkinButton(code);
        };
        button.onMouseEnter = [this] { hints_.SetInitialDelay(kSkinHintDelayMs); };
        button.onMouseLeave = [this] { hints_.SetInitialDelay(kHintDelayMs); };
    }
    minimize.SetHint(L"Minimize");
    maximize.SetHint(L"Maximize");
    restore.SetHint(L"Maximize");
    close.SetHint(L"Close");
}

std::array<ImageButton*, TitleArea::kButtonCount> TitleArea::Buttons() {
    return {&minimize,       &maximize,       &restore,        &close,
            &tabs[0],        &tabs[1],        &tabs[2],        &skinButtons[0],
            &skinButtons[1], &skinButtons[2], &skinButtons[3], &skinButtons[4]};
}

bool TitleArea::Create(HWND window, const std::function<void(ImageButtonHost&)>& addButton) {
    window_ = window;
    // The pictures are loaded by now; a plain button keeps the one it is given.
    for (std::size_t i = 0; i < skinButtons.size(); ++i) {
        skinButtons[i].SetPicture(resources_.main.skinButtons[std::size_t(kSkinButtons[i].color)]);
    }
    const auto buttons = Buttons();
    for (std::size_t i = 0; i < hosts_.size(); ++i) {
        hosts_[i].emplace(window, *buttons[i]);
        addButton(*hosts_[i]);
    }
    return true;
}

bool TitleArea::MakeHints() {
    if (hints_.Handle() != nullptr) return true;
    if (!hints_.Create(window_)) return false;
    hints_.SetInitialDelay(kHintDelayMs);
    const auto buttons = Buttons();
    for (std::size_t i = 0; i < hosts_.size(); ++i) {
        // A disabled control shows no hint.
        if (hosts_[i] && !buttons[i]->Hint().empty() && buttons[i]->Enabled()) {
            hints_.Add(i, hosts_[i]->Bounds(), buttons[i]->Hint());
        }
    }
    return true;
}

void TitleArea::Layout(int clientWidth) {
    const int shift = clientWidth - kDesignWidth;
    const int by = shift - shift_;
    shift_ = shift;
    ImageButton* const rightGroup[] = {&minimize,       &maximize,       &restore,
                                       &close,          &skinButtons[0], &skinButtons[1],
                                       &skinButtons[2], &skinButtons[3], &skinButtons[4]};
    for (ImageButton* button : rightGroup) {
        if (by != 0) {
            button->SetBounds(button->Left() + by, button->Top(), button->Width(),
                              button->Height());
        }
    }
    // The hints always: a change of scale moves them too.
    for (std::size_t i = 0; i < hosts_.size(); ++i) {
        if (hosts_[i]) hints_.Move(i, hosts_[i]->Bounds());
    }
}

void TitleArea::Paint(Canvas& canvas) const {
    canvas.DrawTextLine(L"Tolvane Dusk Relay", kCaptionFont, kCaptionAt);
    const Rect box = LinkBox();
    const Size text = canvas.MeasureText(kLinkText, kLinkFont);
    const Point at{box.right - text.width, box.top};
    canvas.DrawTextLine(kLinkText, kLinkFont, at);
    if (linkHover_) {
        const int y = at.y + text.height - 2;
        canvas.DrawLine({at.x, y}, {box.right, y}, kLinkFont.color);
    }
    for (std::size_t i = 0; i < kFirstTabHost; ++i) {
        if (hosts_[i]) hosts_[i]->Paint(canvas);
    }
    for (std::size_t i = kFirstSkinHost; i < hosts_.size(); ++i) {
        if (hosts_[i]) hosts_[i]->Paint(canvas);
    }
    for (const int tab : paintOrder_) {
        if (hosts_[kFirstTabHost + std::size_t(tab)]) {
            hosts_[kFirstTabHost + std::size_t(tab)]->Paint(canvas);
        }
    }
}

void TitleArea::SetColor(ButtonColor color) {
    for (ColorImageButton* button : {&minimize, &maximize, &close, &restore}) {
        button->SetColor(color);
    }
    for (ColorImageButton& tab : tabs) tab.SetColor(color);
}

ImageButtonHost& TitleArea::ShowTabActive(int tab) {
    // Tabs 3, 2, 1 to the front in turn, then the active one once more.
    std::size_t next = 0;
    for (int other = kTabCount - 1; other >= 0; --other) {
        if (other != tab) paintOrder_[next++] = other;
    }
    paintOrder_[next] = tab;
    for (int i = 0; i < kTabCount; ++i) tabs[std::size_t(i)].SetEnabled(i != tab);
    if (window_ != nullptr) {
        const RECT area =
            DeviceRect(window_, {kFirstTabLeft, kTabTop, kFirstTabLeft + 3 * kTabSize.width,
                                 kTabTop + kTabSize.height});
        ::InvalidateRect(window_, &area, FALSE);
    }
    return *hosts_[kFirstTabHost + std::size_t(tab)];
}

Rect TitleArea::LinkBox() const {
    return {kLinkBox.left + shift_, kLinkBox.top, kLinkBox.right + shift_, kLinkBox.bottom};
}

bool TitleArea::OnLink(POINT point) const {
    const RECT box = ToRect(LinkBox());
    return ::PtInRect(&box, point) != FALSE;
}

void TitleArea::InvalidateLink() const {
    if (window_ == nullptr) return;
    const RECT box = DeviceRect(window_, LinkBox());
    ::InvalidateRect(window_, &box, FALSE);
}

bool TitleArea::LinkMouseMove(POINT point) {
    const bool on = OnLink(point);
    if (on != linkHover_) {
        linkHover_ = on;
        InvalidateLink();
    }
    return on;
}

void TitleArea::LinkMouseLeft() {
    if (!linkHover_) return;
    linkHover_ = false;
    InvalidateLink();
}

bool TitleArea::LinkPress(POINT point, bool doubleClick) {
    if (!OnLink(point)) return false;
    linkClicks_.Press(MouseButton::Left, doubleClick);
    return true;
}

bool TitleArea::LinkRelease(POINT point) {
    return linkClicks_.Release(MouseButton::Left, OnLink(point));
}

}  // namespace dusk::win32
