#include "shell/win32/task_page.h"

#include "controls/win32/window_scale.h"
#include "core/task_model.h"
#include "shell/color_button_layout.h"
#include "shell/skin.h"

namespace dusk::win32 {

namespace {

constexpr Color kPageColor = 0xFFFFFF;
constexpr Color kTextGrey = 0x666666;
const Font kChoiceFont{L"Tahoma", 11, true, kTextGrey};
const Font kBoxTitleFont{L"Century Gothic", 12, true, 0x9D4700};
const Font kSummaryFont{L"Tahoma", 12, true, 0x9D4700};
const Font kClockFont{L"Tahoma", 12, false, 0x0080FF};
const Font kInputFont{L"Tahoma", 12, false, 0x000000};

constexpr Point kProductAt{34, 16};
constexpr Point kHourglassAt{28, 372};
constexpr Rect kActionBox{28, 112, 28 + 258, 112 + 241};
constexpr Rect kTriggerBox{298, 112, 298 + 331, 112 + 241};
constexpr Rect kActionTitleBar{30, 116, 30 + 254, 116 + 19};
constexpr Rect kTriggerTitleBar{300, 114, 300 + 327, 114 + 21};
constexpr Point kActionTitleAt{35, 114};
constexpr Point kTriggerTitleAt{305, 114};
constexpr Point kSummaryAt{60, 380};
constexpr Point kClockAt{520, 0};

constexpr int kCheckBoxHeight = 14;
constexpr int kActionLeft = 57;
// The five actions evenly spaced in their box, as far from its bottom as the first is from the
// title bar.
constexpr int kActionTops[] = {153, 195, 237, 279, 321};
constexpr int kTriggerLeft = 316;
constexpr int kTriggerTops[] = {152, 205, 256};

constexpr Rect kDailyTimeBounds{335, 176, 335 + 114, 176 + 20};
constexpr Rect kSpecifiedDateBounds{336, 227, 336 + 113, 227 + 20};
constexpr Rect kSpecifiedTimeBounds{483, 227, 483 + 96, 227 + 20};
constexpr Rect kHoursBounds{337, 279, 337 + 112, 279 + 22};
constexpr Rect kHoursUpDownBounds{449, 279, 449 + 16, 279 + 22};
constexpr Rect kMinutesBounds{337, 307, 337 + 112, 307 + 22};
constexpr Rect kMinutesUpDownBounds{449, 307, 449 + 16, 307 + 22};
constexpr Rect kPickerBounds[] = {kDailyTimeBounds, kSpecifiedDateBounds, kSpecifiedTimeBounds};
// What assistive technology calls the fields, whose labels are painted.
constexpr const wchar_t* kPickerNames[] = {L"Daily time", L"Specified date", L"Specified time"};
constexpr Rect kTaskButtonBounds{495, 372, 495 + 135, 372 + 33};
constexpr Rect kPostponeBounds{390, 372, 390 + 100, 372 + 33};  // beside Cancel Task
constexpr Point kWarningLeadAt{60, 399};                        // under the summary

std::vector<Label> StaticLabels() {
    return {
        {{120, 12, 0, 0}, L"Dusk Relay", {L"Tahoma", 19, false, 0xBF6C11}},
        {{120, 35, 120 + 509, 35 + 71},
         L"Tolvane Dusk Relay is a freeware utility that can turn off your computer "
         L"automatically. With simple settings, it can shut down, restart, stand by or log off "
         L"the computer unattended at a scheduled time. ",
         {L"Tahoma", 12, false, 0x333333},
         true},
        {{469, 282, 0, 0}, L"hours", {L"Tahoma", 12, true, kTextGrey}},
        {{469, 310, 0, 0}, L"minutes", {L"Tahoma", 12, true, kTextGrey}},
    };
}

// smallPicture: none for a caption alone.
ColorButtonLayout TaskButtonLayout(const wchar_t* caption, const Picture* smallPicture,
                                   const Rect& bounds = kTaskButtonBounds) {
    ColorButtonLayout layout;
    layout.caption = caption;
    layout.font = {L"Tahoma", 12, true, 0x9D4700};
    layout.captionAlign = TextAlign::Center;
    layout.captionLeft = smallPicture != nullptr ? 8 : 0;
    layout.captionTop = -1;
    layout.smallPicture = smallPicture;
    layout.smallPictureAt = {13, 7};
    layout.needStretch = true;
    layout.animationEnd = 64;
    layout.animationParam = 4;
    layout.bounds = bounds;
    return layout;
}

}  // namespace

TaskPage::TaskPage(TaskView& view, const ResourceWindow& resources, const std::uint8_t& skinCode)
    : view_(view),
      resources_(resources),
      skinCode_(skinCode),
      hours_(view.controls.delayHoursField, view.controls.delayHoursUpDown),
      minutes_(view.controls.delayMinutesField, view.controls.delayMinutesUpDown),
      startButton_(view.startTaskButton, text_,
                   TaskButtonLayout(L"Start Task", &resources.taskStartSmall),
                   resources.taskButtons),
      cancelButton_(view.cancelTaskButton, text_,
                    TaskButtonLayout(L"Cancel Task", &resources.taskCancelSmall),
                    resources.taskButtons),
      postponeButton_(view.postponeButton, text_,
                      TaskButtonLayout(L"Postpone", nullptr, kPostponeBounds),
                      resources.taskButtons),
      warningLead_(view.warningLead, kWarningLeadAt),
      staticLabels_(StaticLabels()) {
    TaskControls& c = view_.controls;
    using Kind = DateTimePickerHost::Kind;
    pickers_[0] = std::make_unique<DateTimePickerHost>(c.dailyTimePicker, Kind::Time);
    pickers_[1] = std::make_unique<DateTimePickerHost>(c.specifiedDatePicker, Kind::Date);
    pickers_[2] = std::make_unique<DateTimePickerHost>(c.specifiedTimePicker, Kind::Time);
    SetUpCheckBoxes();
    view_.postponeButton.onClick = [this] { OnPostponeClick(); };
}

TaskPage::~TaskPage() {
    view_.postponeButton.onClick = nullptr;
    for (LabelModel* label : boundLabels_) label->onStateChanged = nullptr;
}

void TaskPage::SetUpCheckBoxes() {
    TaskControls& c = view_.controls;
    const auto place = [this](ImageCheckBox& box, int left, int top, AccessibleRole role) {
        box.SetBounds(left, top, box.Width(), kCheckBoxHeight);
        box.SetFont(kChoiceFont);
        box.SetPictureList(&resources_.taskCheckBoxes);
        box.SetParent(this);
        checkBoxes_.push_back(std::make_unique<CheckBoxWindow>(box, role));
    };
    const auto radios = c.ActionRadios();
    for (std::size_t i = 0; i < radios.size(); ++i) {
        place(*radios[i], kActionLeft, kActionTops[i], AccessibleRole::RadioButton);
    }
    const auto boxes = c.TriggerBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        place(*boxes[i], kTriggerLeft, kTriggerTops[i], AccessibleRole::CheckBox);
    }
}

void TaskPage::OnPostponeClick() {
    if (!choosePostpone || !view_.onPostponeChosen || Handle() == nullptr) return;
    const RECT button = ScreenRect(Handle(), kPostponeBounds);
    const int minutes = choosePostpone({button.left, button.bottom});
    if (minutes > 0) view_.onPostponeChosen(minutes);
}

void TaskPage::BindLabel(LabelModel& model, const Rect& area) {
    model.onStateChanged = [this, area] {
        if (Handle() == nullptr) return;
        const RECT r = DeviceRect(Handle(), area);
        ::InvalidateRect(Handle(), &r, FALSE);
    };
    boundLabels_.push_back(&model);
}

bool TaskPage::Create(HWND parent, const Rect& bounds) {
    Creation creation{L"DuskTaskPage"};
    creation.classStyle = CS_DBLCLKS;
    creation.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    creation.bounds = DeviceRect(parent, bounds);
    creation.parent = parent;
    if (!CreateWindowFor(creation)) return false;
    fontScale_ = ScaleOf(Handle());

    for (const auto& box : checkBoxes_) {
        if (!box->Create(Handle(), {})) return false;
    }
    inputFont_ = CreateGdiFont(fontScale_.Of(kInputFont));
    for (std::size_t i = 0; i < pickers_.size(); ++i) {
        if (!pickers_[i]->Create(Handle(), kPickerBounds[i], inputFont_.Get(), kPickerNames[i])) {
            return false;
        }
    }
    if (!hours_.Create(Handle(), kHoursBounds, kHoursUpDownBounds, inputFont_.Get(), L"hours") ||
        !minutes_.Create(Handle(), kMinutesBounds, kMinutesUpDownBounds, inputFont_.Get(),
                         L"minutes")) {
        return false;
    }
    const auto repaint = [this] { ::InvalidateRect(Handle(), nullptr, FALSE); };
    for (TaskPageButton* button : {&startButton_, &cancelButton_, &postponeButton_}) {
        if (!button->Create(Handle(), buttons_, repaint)) return false;
    }
    if (!warningLead_.Create(Handle())) return false;

    const int right = kDesignSize.width;
    BindLabel(view_.summaryLabel, {kSummaryAt.x, kSummaryAt.y - 4, right, kSummaryAt.y + 24});
    BindLabel(view_.clockLabel, {kClockAt.x, kClockAt.y, right, kClockAt.y + 20});
    BindLabel(view_.actionBoxTitle, kActionBox);
    BindLabel(view_.triggerBoxTitle, kTriggerBox);
    ApplySkin();
    return true;
}

void TaskPage::Relayout() {
    if (Handle() == nullptr) return;
    const DisplayScale scale = ScaleOf(Handle());
    if (scale != fontScale_) {
        fontScale_ = scale;
        inputFont_ = CreateGdiFont(scale.Of(kInputFont));
        const HWND inputs[] = {pickers_[0]->Handle(), pickers_[1]->Handle(), pickers_[2]->Handle(),
                               hours_.FieldHandle(), minutes_.FieldHandle()};
        for (const HWND input : inputs) {
            ::SendMessageW(input, WM_SETFONT, reinterpret_cast<WPARAM>(inputFont_.Get()), FALSE);
        }
    }
    for (const auto& box : checkBoxes_) box->Place();
    for (std::size_t i = 0; i < pickers_.size(); ++i) {
        PlaceChild(pickers_[i]->Handle(), kPickerBounds[i]);
    }
    PlaceChild(hours_.FieldHandle(), kHoursBounds);
    PlaceChild(hours_.UpDownHandle(), kHoursUpDownBounds);
    PlaceChild(minutes_.FieldHandle(), kMinutesBounds);
    PlaceChild(minutes_.UpDownHandle(), kMinutesUpDownBounds);
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

std::vector<HWND> TaskPage::FocusOrder() const {
    // The check boxes were made actions first, then Daily, Specified and From now.
    std::vector<HWND> order;
    constexpr std::size_t daily = kActions.size();
    for (std::size_t i = 0; i < daily; ++i) order.push_back(checkBoxes_[i]->Handle());
    order.push_back(checkBoxes_[daily]->Handle());
    order.push_back(pickers_[0]->Handle());
    order.push_back(checkBoxes_[daily + 1]->Handle());
    order.push_back(pickers_[1]->Handle());
    order.push_back(pickers_[2]->Handle());
    order.push_back(checkBoxes_[daily + 2]->Handle());
    order.push_back(hours_.FieldHandle());
    order.push_back(minutes_.FieldHandle());
    order.push_back(warningLead_.FocusHandle());
    order.push_back(postponeButton_.FocusHandle());
    order.push_back(startButton_.FocusHandle());
    order.push_back(cancelButton_.FocusHandle());
    return order;
}

HWND TaskPage::CheckBoxHandle(const ImageCheckBox& box) const {
    const TaskControls& c = view_.controls;
    const ImageCheckBox* const order[] = {&c.shutDownRadio,  &c.logOffRadio,  &c.standByRadio,
                                          &c.hibernateRadio, &c.restartRadio, &c.dailyBox,
                                          &c.specifiedBox,   &c.fromNowBox};
    for (std::size_t i = 0; i < checkBoxes_.size(); ++i) {
        if (order[i] == &box) return checkBoxes_[i]->Handle();
    }
    return nullptr;
}

void TaskPage::ApplySkin() {
    const Skin& skin = SkinFor(skinCode_);
    startButton_.SetColor(skin.button);
    cancelButton_.SetColor(skin.button);
    postponeButton_.SetColor(skin.button);
    for (const auto& box : checkBoxes_) box->SetFocusCueColor(skin.window);
    pickers_[1]->SetCalendarColors(skin.calendar, ::GetSysColor(COLOR_BACKGROUND));
    if (Handle() != nullptr) {
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

Size TaskPage::ClientSize() const { return DesignClientSize(Handle()); }

void TaskPage::EraseBackground(Canvas& canvas) {
    const Size size = ClientSize();
    canvas.FillRectangle({0, 0, size.width, size.height}, kPageColor);
}

void TaskPage::PaintBox(Canvas& canvas, const Rect& outline, const Rect& titleBar) const {
    const Skin& skin = SkinFor(skinCode_);
    canvas.DrawRectangle(outline, skin.boxOutline, kPageColor);
    const Picture& title = resources_.main.boxTitles[std::size_t(skin.boxTitlePicture)];
    canvas.StretchCopy(title, {0, 0, title.Width(), title.Height()}, titleBar);
}

void TaskPage::PaintContent(Canvas& canvas) {
    const MainWindowPictures& pictures = resources_.main;
    canvas.DrawPicture(pictures.product, kProductAt);
    for (const Label& label : staticLabels_) label.Paint(canvas);
    canvas.DrawTextLine(view_.clockLabel.Text(), kClockFont, kClockAt);
    PaintBox(canvas, kActionBox, kActionTitleBar);
    PaintBox(canvas, kTriggerBox, kTriggerTitleBar);
    canvas.DrawTextLine(view_.actionBoxTitle.Text(), kBoxTitleFont, kActionTitleAt);
    canvas.DrawTextLine(view_.triggerBoxTitle.Text(), kBoxTitleFont, kTriggerTitleAt);
    canvas.DrawPicture(pictures.hourglass, kHourglassAt);
    canvas.DrawTextLine(view_.summaryLabel.Text(), kSummaryFont, kSummaryAt);
    warningLead_.Paint(canvas, SkinFor(skinCode_).window);
    for (const TaskPageButton* button : {&startButton_, &cancelButton_, &postponeButton_}) {
        button->Paint(canvas, SkinFor(skinCode_).window);
    }
}

std::optional<LRESULT> TaskPage::Notify(const NMHDR& header) {
    for (const auto& picker : pickers_) {
        if (picker->Notify(header)) return 0;
    }
    if (const auto answer = hours_.Notify(header)) return answer;
    return minutes_.Notify(header);
}

LRESULT TaskPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (warningLead_.Route(message, lParam)) return message == WM_SETCURSOR;
    if (buttons_.Route(Handle(), message, wParam, lParam)) return message == WM_SETCURSOR;
    const auto paint = [this](Canvas& canvas) {
        EraseBackground(canvas);
        PaintContent(canvas);
    };
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            paintBuffer_.PaintWindow(Handle(), paint);
            return 0;
        case WM_PRINTCLIENT:
            paintBuffer_.PrintClient(Handle(), reinterpret_cast<HDC>(wParam), paint);
            return 0;
        case WM_NOTIFY:
            if (const auto answer = Notify(*reinterpret_cast<const NMHDR*>(lParam))) {
                return *answer;
            }
            break;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lParam);
            const auto dc = reinterpret_cast<HDC>(wParam);
            if (const auto answer = hours_.FieldColor(control, dc)) return *answer;
            if (const auto answer = minutes_.FieldColor(control, dc)) return *answer;
            break;
        }
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace dusk::win32
