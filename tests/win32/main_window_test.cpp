// The main window for real: its layout and pictures, the task controls as child windows bound to
// the task view's models, clicks and keys reaching the models and the task controller, tabs, the
// system's requests and the program's own messages.
#include "shell/win32/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>

#include "controls/picture_ops.h"
#include "controls/win32/keyboard_navigation.h"
#include "core/task_controller.h"
#include "core/win32/regional_settings_reader.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_companion.h"
#include "fakes/fake_countdown_runner.h"
#include "fakes/fake_logon_start.h"
#include "fakes/fake_startup_shortcut.h"
#include "fakes/fake_task_registration.h"
#include "fakes/memory_settings_store.h"
#include "fakes/recording_activity_log.h"
#include "gui_test_support.h"
#include "program_pictures_test.h"
#include "shell/skin.h"
#include "shell/tray_menu.h"
#include "shell/win32/countdown_window.h"
#include "shell/win32/tray_popup_menu.h"

namespace dusk::win32 {
namespace {

using test::CountDiffering;
using test::CountMismatches;

class NoPowerAction : public PowerAction {
public:
    std::uint32_t Perform(TaskAction) override {
        ADD_FAILURE() << "no action may be performed";
        return 0;
    }
};

// Runs every message that is waiting, the paints they cause included.
void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void ClickAt(HWND window, POINT at) {
    test::PostClick(window, at);
    Pump();
}

// Where a child lies in its parent's client coordinates.
Rect PlaceOf(HWND child) {
    RECT bounds{};
    ::GetWindowRect(child, &bounds);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
    return {bounds.left, bounds.top, bounds.right, bounds.bottom};
}

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return *DateTime::FromParts({y, mo, d, h, mi, s, 0});
}

DateTime PickerValue(const DateTimePickerHost& picker) {
    SYSTEMTIME time{};
    ::SendMessageW(picker.Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return FromSystemTime(time);
}

std::wstring TextOf(HWND window) {
    wchar_t text[64]{};
    ::GetWindowTextW(window, text, 64);
    return text;
}

class MainWindowTest : public test::OwnedWindowTest {
protected:
    void SetUp() override {
        OwnedWindowTest::SetUp();
        ASSERT_TRUE(window.Create(owner));
        controller.emplace(task, view,
                           TaskControllerServices{clock, formats, resources->catalogue, taskStore,
                                                  prompts, registration, countdown, window,
                                                  shortcut, power, log, L"windows10"});
        window.BindTimers(controller->watchTimer, controller->clockTimer);
        controller->BindWarningLead(store);
    }

    MainWindowEvents Events() {
        MainWindowEvents events;
        events.onFirstShow = [this] {
            ++firstShows;
            controller->OnFirstShow();
        };
        events.onRefresh = [this] { controller->OnRefreshMessage(); };
        events.onSkinButton = [this](std::uint8_t code) { skinClicks.push_back(code); };
        events.countdownShowing = [this] { return countdownShowing; };
        events.taskSet = [this] { return IsTaskSet(task.status); };
        return events;
    }

    void ShowWindow() {
        window.Show();
        Pump();
    }
    HWND BoxWindow(const ImageCheckBox& box) { return window.Page().CheckBoxHandle(box); }

    test::FakeClock clock{At(2026, 12, 8, 8, 30, 0)};
    RegionalFormats formats{ReadUserRegionalSettings()};
    test::MemorySettingsStore store;
    test::FakeCompanion companion;
    MessageBoxUserPrompts prompts{companion, resources->catalogue,
                                  [this] { return WindowHandle(window.Handle()); }};
    test::FakeTaskRegistration registration;
    test::FakeCountdownRunner countdown;
    test::FakeStartupShortcut shortcut;
    NoPowerAction power;
    TaskRecord task;
    RecordingActivityLog log;
    FakeLogonStart logonStart;
    TaskStore taskStore{store, formats, L"C:\\Dusk Relay", logonStart};
    TaskView view{task, resources->catalogue, formats, clock};
    std::uint8_t skinCode = 1;
    int firstShows = 0;
    bool countdownShowing = false;
    std::vector<std::uint8_t> skinClicks;
    MainWindow window{*resources, view, Events(), skinCode, companion};
    std::optional<TaskController> controller;
};

TEST_F(MainWindowTest, LaysOutTheWindowTheTabsAndTheTaskControls) {
    wchar_t className[32]{};
    ::GetClassNameW(window.Handle(), className, 32);
    EXPECT_STREQ(className, L"TfrmMain");
    EXPECT_EQ(TextOf(window.Handle()), L"123456");
    EXPECT_TRUE(::GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    ShowWindow();
    RECT bounds{};
    ::GetWindowRect(window.Handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 700);
    EXPECT_EQ(bounds.bottom - bounds.top, 524);
    EXPECT_NEAR((bounds.left + bounds.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((bounds.top + bounds.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    // The first showing selected the first tab and ran the task part once: the no-task view.
    EXPECT_EQ(firstShows, 1);
    EXPECT_EQ(window.ActiveTab(), MainWindow::kTaskTab);
    EXPECT_FALSE(window.Title().tabs[0].Enabled());
    EXPECT_TRUE(window.Title().tabs[1].Enabled());
    EXPECT_EQ(view.controls.standByRadio.Caption(), L"Sleep");
    EXPECT_EQ(PlaceOf(window.PageHandle(0)), (Rect{20, 72, 681, 491}));

    const TaskControls& c = view.controls;
    const struct {
        const ImageCheckBox& box;
        Point at;
    } boxes[] = {{c.shutDownRadio, {57, 153}}, {c.logOffRadio, {57, 195}},
                 {c.standByRadio, {57, 237}},  {c.hibernateRadio, {57, 279}},
                 {c.restartRadio, {57, 321}},  {c.dailyBox, {316, 152}},
                 {c.specifiedBox, {316, 205}}, {c.fromNowBox, {316, 256}}};
    for (const auto& [box, at] : boxes) {
        const Rect place = PlaceOf(BoxWindow(box));
        EXPECT_EQ((Point{place.left, place.top}), at);
        EXPECT_EQ(place.Height(), 14);
        EXPECT_GT(place.Width(), 40);  // fitted to its caption
    }
    const TaskPage& page = window.Page();
    EXPECT_EQ(PlaceOf(page.DailyTimePicker().Handle()), (Rect{335, 176, 449, 196}));
    EXPECT_EQ(PlaceOf(page.SpecifiedDatePicker().Handle()), (Rect{336, 227, 449, 247}));
    EXPECT_EQ(PlaceOf(page.SpecifiedTimePicker().Handle()), (Rect{483, 227, 579, 247}));
    EXPECT_EQ(PlaceOf(page.DelayHours().FieldHandle()), (Rect{337, 279, 449, 301}));
    EXPECT_EQ(PlaceOf(page.DelayHours().UpDownHandle()).left, 449);
    EXPECT_EQ(PlaceOf(page.DelayMinutes().FieldHandle()), (Rect{337, 307, 449, 329}));
    EXPECT_TRUE(::IsWindowEnabled(page.DailyTimePicker().Handle()));
    EXPECT_FALSE(::IsWindowEnabled(page.SpecifiedDatePicker().Handle()));
    EXPECT_FALSE(::IsWindowEnabled(page.DelayHours().UpDownHandle()));
    EXPECT_EQ(TextOf(page.DelayHours().FieldHandle()), L"1");

    const Picture screen = test::CaptureWindow(window.Handle());
    ASSERT_TRUE(test::SaveArtifact(screen, "main_no_task.png"));
    // Frame, the corner picture's place and the content area's grey top line.
    const Picture& frame = resources->frames.For(skinCode);
    EXPECT_EQ(CountMismatches(screen, {0, 0}, test::Crop(frame, {0, 0, 5, 15}), 0), 0);
    EXPECT_EQ(CountDiffering(screen, {380, 65, 686, 66}, 0x666666, 0), 0);
    EXPECT_EQ(CountDiffering(screen, {15, 66, 19, 400}, 0xFFFFFF, 0), 0);
    // The title area on screen exactly as the window paints it.
    const Picture painted = window.RenderClient();
    const Rect titleArea{0, 0, 700, 65};
    EXPECT_EQ(CountMismatches(screen, {0, 0}, test::Crop(painted, titleArea), 0), 0);
    // Start Task at (495, 372) of the page; the box title bars in the skin's picture.
    Picture start(135, 33, false);
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 135; ++x) start.SetColorAt(x, y, 0xFFFFFF);
    }
    CompositeOnto(start, page.StartTaskButton().Picture(), {0, 0});
    EXPECT_EQ(CountMismatches(screen, {20 + 495, 72 + 372}, start, 2), 0);
    // Each row of the action box's title bar is one of the title picture's rows, stretched.
    const Picture& title = resources->main.boxTitles[std::size_t(SkinFor(1).boxTitlePicture)];
    for (int y = 72 + 116; y < 72 + 135; ++y) {
        const Color shown = screen.ColorAt(20 + 150, y);
        EXPECT_EQ(CountDiffering(screen, {20 + 150, y, 20 + 280, y + 1}, shown, 0), 0);
        EXPECT_LT(CountDiffering(title, {0, 0, 1, title.Height()}, shown, 0), title.Height());
    }
    // The summary is written in the page.
    EXPECT_GT(CountDiffering(screen, {20 + 60, 72 + 382, 20 + 300, 72 + 396}, 0xFFFFFF, 60), 40);
}

TEST_F(MainWindowTest, ClicksReachTheModelsAndTheController) {
    ShowWindow();
    const TaskPage& page = window.Page();
    ClickAt(BoxWindow(view.controls.specifiedBox), {5, 7});
    EXPECT_EQ(view.controls.specifiedBox.Status(), CheckBoxStatus::Checked);
    EXPECT_EQ(view.controls.dailyBox.Status(), CheckBoxStatus::Unchecked);
    EXPECT_TRUE(::IsWindowEnabled(page.SpecifiedDatePicker().Handle()));
    EXPECT_FALSE(::IsWindowEnabled(page.DailyTimePicker().Handle()));

    ClickAt(BoxWindow(view.controls.fromNowBox), {5, 7});
    ClickAt(BoxWindow(view.controls.logOffRadio), {5, 7});
    EXPECT_EQ(CheckedAction(view.controls), TaskAction::LogOff);
    EXPECT_TRUE(::IsWindowEnabled(page.DelayMinutes().UpDownHandle()));

    // Start Task: asked, registered, the task-set view, and the window goes away.
    companion.answers = {kAnswerYes};
    registration.answer = RegistrationResult::Registered;
    ClickAt(page.Handle(), {495 + 60, 372 + 16});
    ASSERT_EQ(companion.boxes.size(), 1u);
    EXPECT_EQ(companion.boxes[0].owner, window.Handle());
    ASSERT_EQ(registration.requests.size(), 1u);
    EXPECT_EQ(registration.requests[0].actionKeyword, L"Logoff");
    EXPECT_EQ(registration.requests[0].trigger, TriggerKind::FromNow);
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    EXPECT_FALSE(page.StartTaskButton().Visible());
    EXPECT_TRUE(page.CancelTaskButton().Visible());

    // Shown again from the notification area, it stays and shows Cancel Task in its place.
    ShowWindow();
    EXPECT_TRUE(::IsWindowVisible(window.Handle()));
    const Picture screen = test::CaptureWindow(window.Handle());
    ASSERT_TRUE(test::SaveArtifact(screen, "main_task_set.png"));
    Picture cancel(135, 33, false);
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 135; ++x) cancel.SetColorAt(x, y, 0xFFFFFF);
    }
    CompositeOnto(cancel, page.CancelTaskButton().Picture(), {0, 0});
    EXPECT_EQ(CountMismatches(screen, {20 + 495, 72 + 372}, cancel, 2), 0);
    EXPECT_FALSE(::IsWindowEnabled(page.DelayHours().FieldHandle()));

    // Cancel Task, answered No, keeps the task and the window.
    companion.answers = {kAnswerNo};
    ClickAt(page.Handle(), {495 + 60, 372 + 16});
    EXPECT_EQ(companion.boxes.size(), 2u);
    EXPECT_TRUE(IsTaskSet(task.status));
    EXPECT_TRUE(::IsWindowVisible(window.Handle()));
}

// Keys go the way the message loop sends them; no click anywhere. From no focus: nine Tabs pass
// the actions, Daily, its picker and Specified (whose pickers are unavailable) to From now.
TEST_F(MainWindowTest, KeyboardAloneSetsAFromNowTaskAndCancelsIt) {
    ShowWindow();
    const auto press = [](WPARAM key) {
        const HWND focus = ::GetFocus();
        DispatchWithNavigation(MSG{focus, WM_KEYDOWN, key, 1, 0, {}});
        DispatchWithNavigation(MSG{focus, WM_KEYUP, key, LPARAM(0xC0000001), 0, {}});
        Pump();
    };
    const auto tab = [&](int times) {
        for (int i = 0; i < times; ++i) press(VK_TAB);
    };
    // The modifier as the key state the navigation reads.
    const auto pressWith = [&](BYTE modifier, WPARAM key) {
        BYTE keys[256]{};
        ::GetKeyboardState(keys);
        keys[modifier] = 0x80;
        ::SetKeyboardState(keys);
        press(key);
        keys[modifier] = 0;
        ::SetKeyboardState(keys);
    };
    tab(2);
    EXPECT_EQ(::GetFocus(), BoxWindow(view.controls.logOffRadio));
    press(VK_SPACE);
    EXPECT_EQ(CheckedAction(view.controls), TaskAction::LogOff);
    tab(7);
    EXPECT_EQ(::GetFocus(), BoxWindow(view.controls.fromNowBox));
    // The focus cue in the skin's window colour round the focused box.
    const Picture box = test::CaptureWindow(BoxWindow(view.controls.fromNowBox));
    EXPECT_EQ(CountDiffering(box, {0, 0, box.Width(), 1}, SkinFor(skinCode).window, 0), 0);
    press(VK_SPACE);
    EXPECT_EQ(view.controls.fromNowBox.Status(), CheckBoxStatus::Checked);
    tab(4);  // the hours, the minutes, the early warning, Start Task (Postpone is not offered)
    companion.answers = {kAnswerYes};
    registration.answer = RegistrationResult::Registered;
    press(VK_RETURN);
    ASSERT_EQ(registration.requests.size(), 1u);
    EXPECT_EQ(registration.requests[0].trigger, TriggerKind::FromNow);
    EXPECT_EQ(registration.requests[0].actionKeyword, L"Logoff");

    ShowWindow();
    ::SetFocus(window.Handle());
    pressWith(VK_SHIFT, VK_TAB);  // backwards from nothing: the last stop, Cancel Task
    ASSERT_TRUE(window.Page().CancelTaskButton().Visible());
    companion.answers = {kAnswerYes};
    press(VK_RETURN);
    EXPECT_FALSE(IsTaskSet(task.status));
    EXPECT_EQ(registration.deletions, 1);
    EXPECT_EQ(companion.boxes.size(), 2u);

    pressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(window.ActiveTab(), MainWindow::kOurProductsTab);
}

struct AccessibleNode {
    std::wstring name;
    std::wstring value;
    long role = 0;
    long state = 0;
};

// What a window's own accessible object (the one WM_GETOBJECT hands out) says of itself.
AccessibleNode Describe(HWND window) {
    AccessibleNode node;
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                            reinterpret_cast<void**>(&object)))) {
        return node;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (object->get_accName(self, &name) == S_OK && name != nullptr) node.name = name;
    ::SysFreeString(name);
    BSTR text = nullptr;
    if (object->get_accValue(self, &text) == S_OK && text != nullptr) node.value = text;
    ::SysFreeString(text);
    VARIANT value{};
    if (SUCCEEDED(object->get_accRole(self, &value)) && value.vt == VT_I4) node.role = value.lVal;
    if (SUCCEEDED(object->get_accState(self, &value)) && value.vt == VT_I4) node.state = value.lVal;
    object->Release();
    return node;
}

std::vector<std::pair<DWORD, HWND>> g_winEvents;

void CALLBACK RecordWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
    g_winEvents.push_back({event, window});
}

BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> found;
    ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The probe a screen reader's view stands on: every child window of the main window asked
// through oleacc in this process (Wine's oleacc does not cross processes), printed as a tree.
TEST_F(MainWindowTest, EveryControlTellsItsNameRoleAndStateToAccessibility) {
    ShowWindow();
    std::map<std::wstring, AccessibleNode> byName;
    for (const HWND child : Descendants(window.Handle())) {
        const AccessibleNode node = Describe(child);
        int depth = 0;
        for (HWND up = child; up != window.Handle(); up = ::GetParent(up)) ++depth;
        wchar_t className[64]{};
        ::GetClassNameW(child, className, 64);
        std::wprintf(L"%*ls%ls \"%ls\" role 0x%lx state 0x%lx\n", depth * 2, L"", className,
                     node.name.c_str(), node.role, node.state);
        if (!node.name.empty()) byName[node.name] = node;
    }
    constexpr long kCheck = ROLE_SYSTEM_CHECKBUTTON, kRadio = ROLE_SYSTEM_RADIOBUTTON,
                   kButton = ROLE_SYSTEM_PUSHBUTTON, kTab = ROLE_SYSTEM_PAGETAB;
    constexpr long kChecked = STATE_SYSTEM_CHECKED, kFocusable = STATE_SYSTEM_FOCUSABLE,
                   kHidden = STATE_SYSTEM_INVISIBLE;
    const struct {
        const wchar_t* name;
        long role;
        long state;
    } expected[] = {
        {L"Shut down", kRadio, kFocusable | kChecked},
        {L"Log off", kRadio, kFocusable},
        {L"Sleep", kRadio, kFocusable},
        {L"Hibernate", kRadio, kFocusable},
        {L"Restart", kRadio, kFocusable},
        {L"Daily:", kCheck, kFocusable | kChecked},
        {L"Specified date and time:", kCheck, kFocusable},
        {L"From now:", kCheck, kFocusable},
        {L"Early warning: 5 minutes before", kButton, kFocusable},
        {L"Postpone", kButton, kFocusable | kHidden},
        {L"Start Task", kButton, kFocusable},
        {L"Cancel Task", kButton, kFocusable | kHidden},
        {L"Dusk Relay", kTab, kChecked},
        {L"Our Products", kTab, 0},
        {L"Vimbly", kTab, 0},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(testing::Message() << std::string(e.name, e.name + std::wcslen(e.name)));
        ASSERT_TRUE(byName.contains(e.name));
        EXPECT_EQ(byName[e.name].role, e.role);
        EXPECT_EQ(byName[e.name].state, e.state);
    }
    // The standard fields take the names of their painted labels; the pickers keep their text
    // as the value.
    const TaskPage& page = window.Page();
    const struct {
        HWND window;
        const wchar_t* name;
    } fields[] = {{page.DailyTimePicker().Handle(), L"Daily time"},
                  {page.SpecifiedDatePicker().Handle(), L"Specified date"},
                  {page.SpecifiedTimePicker().Handle(), L"Specified time"},
                  {page.DelayHours().FieldHandle(), L"hours"},
                  {page.DelayHours().UpDownHandle(), L"hours"},
                  {page.DelayMinutes().FieldHandle(), L"minutes"},
                  {page.DelayMinutes().UpDownHandle(), L"minutes"}};
    for (const auto& field : fields) {
        EXPECT_EQ(Describe(field.window).name, field.name);
    }
    EXPECT_EQ(Describe(page.DailyTimePicker().Handle()).value,
              TextOf(page.DailyTimePicker().Handle()));

    // Focus and check changes are told as events and show in the state.
    g_winEvents.clear();
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, RecordWinEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    const auto& events = g_winEvents;
    const HWND logOff = BoxWindow(view.controls.logOffRadio);
    ::SetFocus(logOff);
    ::SendMessageW(logOff, WM_KEYDOWN, VK_SPACE, 1);
    Pump();
    ::UnhookWinEvent(hook);
    EXPECT_EQ(Describe(logOff).state, kFocusable | STATE_SYSTEM_FOCUSED | kChecked);
    EXPECT_EQ(Describe(BoxWindow(view.controls.shutDownRadio)).state, kFocusable);
    EXPECT_NE(std::find(events.begin(), events.end(), std::pair{DWORD(EVENT_OBJECT_FOCUS), logOff}),
              events.end());
    EXPECT_NE(
        std::find(events.begin(), events.end(), std::pair{DWORD(EVENT_OBJECT_STATECHANGE), logOff}),
        events.end());

    // The countdown's seconds as text.
    CountdownWindow countdownWindow{*resources, skinCode, companion};
    ASSERT_TRUE(countdownWindow.Create(owner));
    ::ShowWindow(countdownWindow.Handle(), SW_SHOWNA);  // its controls come at the first showing
    std::vector<AccessibleNode> texts;
    for (const HWND child : Descendants(countdownWindow.Handle())) {
        if (Describe(child).role == ROLE_SYSTEM_STATICTEXT) texts.push_back(Describe(child));
    }
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].name.find(L"30 seconds"), std::wstring::npos);
}

TEST_F(MainWindowTest, PickersAndSpinButtonsKeepInStepWithTheirModels) {
    ShowWindow();
    TaskControls& c = view.controls;
    const TaskPage& page = window.Page();

    // The model shows in the control...
    c.dailyTimePicker.SetValue(At(2026, 12, 8, 21, 30, 15));
    EXPECT_EQ(PickerValue(page.DailyTimePicker()), At(2026, 12, 8, 21, 30, 15));
    c.specifiedDatePicker.SetValue(At(2027, 2, 28, 9, 0, 0));
    EXPECT_EQ(PickerValue(page.SpecifiedDatePicker()), At(2027, 2, 28, 9, 0, 0));

    // ... and the user's change in the control reaches the model and the summary.
    ClickAt(page.DailyTimePicker().Handle(), {8, 10});  // selects the hour
    ::SendMessageW(page.DailyTimePicker().Handle(), WM_KEYDOWN, VK_UP, 0);
    Pump();
    const DateTime changed = PickerValue(page.DailyTimePicker());
    EXPECT_NE(changed, At(2026, 12, 8, 21, 30, 15));
    EXPECT_EQ(c.dailyTimePicker.Value(), changed);
    EXPECT_NE(view.summaryLabel.Text().find(formats.FormatLongTime(changed)), std::wstring::npos);

    // The up-downs step through their models, within range, and write the fields.
    controller->OnFromNowClick();
    const HWND hoursUp = page.DelayHours().UpDownHandle();
    const HWND minutesUp = page.DelayMinutes().UpDownHandle();
    ClickAt(hoursUp, {8, 4});
    EXPECT_EQ(c.delayHoursField.Text(), L"2");
    EXPECT_EQ(TextOf(page.DelayHours().FieldHandle()), L"2");
    EXPECT_EQ(::SendMessageW(hoursUp, UDM_GETPOS32, 0, 0), 2);
    ClickAt(minutesUp, {8, 18});
    EXPECT_EQ(c.delayMinutesField.Text(), L"0");  // not below 0
    for (int i = 0; i < 61; ++i) ClickAt(minutesUp, {8, 4});
    EXPECT_EQ(c.delayMinutesField.Text(), L"60");  // not above 60
    EXPECT_EQ(TextOf(page.DelayMinutes().FieldHandle()), L"60");
    EXPECT_NE(view.summaryLabel.Text().find(L"2"), std::wstring::npos);
}

TEST_F(MainWindowTest, TabsShowOnePageAndTheActiveTabTakesNoClick) {
    const auto filled = [this](const wchar_t* page) {
        return std::count(companion.calls.begin(), companion.calls.end(), page);
    };
    ShowWindow();
    // A companion page is made, and filled by the library, when its tab is first chosen.
    EXPECT_EQ(filled(L"ShowProductsPage") + filled(L"ShowCompanionPage"), 0);
    EXPECT_EQ(window.PageHandle(1), nullptr);
    EXPECT_EQ(window.PageHandle(2), nullptr);
    ClickAt(window.Handle(), {127 + 80, 50});
    EXPECT_EQ(window.ActiveTab(), MainWindow::kOurProductsTab);
    EXPECT_EQ(companion.calls.back(), L"ShowProductsPage");
    EXPECT_TRUE(::IsWindowVisible(window.PageHandle(1)));
    EXPECT_EQ(PlaceOf(window.PageHandle(1)), (Rect{24, 72, 675, 477}));
    EXPECT_FALSE(::IsWindowVisible(window.PageHandle(0)));
    EXPECT_FALSE(window.Title().tabs[1].Enabled());
    EXPECT_TRUE(window.Title().tabs[0].Enabled());
    // Where the tabs overlap, the active one lies on top: the first tab does not take it.
    ClickAt(window.Handle(), {133, 50});
    EXPECT_EQ(window.ActiveTab(), MainWindow::kOurProductsTab);
    ClickAt(window.Handle(), {242 + 90, 50});
    EXPECT_EQ(window.ActiveTab(), MainWindow::kVimblyTab);
    EXPECT_EQ(companion.calls.back(), L"ShowCompanionPage");
    EXPECT_TRUE(::IsWindowVisible(window.PageHandle(2)));
    EXPECT_FALSE(::IsWindowVisible(window.PageHandle(1)));

    // A second showing runs none of the first showing's steps.
    window.Hide();
    ShowWindow();
    EXPECT_EQ(firstShows, 1);
    EXPECT_EQ(window.ActiveTab(), MainWindow::kVimblyTab);
    ClickAt(window.Handle(), {127 + 80, 50});
    EXPECT_EQ(filled(L"ShowProductsPage"), 1);
    EXPECT_EQ(filled(L"ShowCompanionPage"), 1);
}

TEST_F(MainWindowTest, TitleAreaButtonsAndSystemRequests) {
    ShowWindow();
    // Skin buttons report their codes; the link visits the home page and starts no drag.
    const int skinLefts[] = {525, 540, 555, 570, 585};
    for (const int left : skinLefts) ClickAt(window.Handle(), {left + 7, 11});
    EXPECT_EQ(skinClicks, (std::vector<std::uint8_t>{2, 5, 4, 1, 3}));
    ClickAt(window.Handle(), {670, 56});
    EXPECT_EQ(companion.calls.back(), L"OpenHomePage");
    EXPECT_TRUE(window.Title().LinkUnderlined());

    // Hints on minimize, close and the five skin buttons; over a skin button they come at once.
    const HWND hints = window.Title().HintsHandle();
    const auto initialDelay = [hints] {
        return ::SendMessageW(hints, TTM_GETDELAYTIME, TTDT_INITIAL, 0);
    };
    EXPECT_EQ(::SendMessageW(hints, TTM_GETTOOLCOUNT, 0, 0), 7);
    EXPECT_EQ(initialDelay(), 800);
    ::SendMessageW(window.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(531, 11));
    EXPECT_EQ(initialDelay(), 0);
    ::SendMessageW(window.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 20));
    EXPECT_EQ(initialDelay(), 800);
    EXPECT_FALSE(window.Title().LinkUnderlined());

    // The refresh message pads the box titles once more each time.
    ::SendMessageW(window.Handle(), MainWindow::kRefreshMessage, 0, 0);
    ::SendMessageW(window.Handle(), MainWindow::kRefreshMessage, 0, 0);
    EXPECT_EQ(view.actionBoxTitle.Text(), L"      Task      ");  // the first showing's and two

    MINMAXINFO limits{};
    ::SendMessageW(window.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 700);
    EXPECT_EQ(limits.ptMinTrackSize.y, 524);
    EXPECT_EQ(::SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), 1);

    // A close request is ignored while the countdown shows, and minimizes otherwise.
    countdownShowing = true;
    ::SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsIconic(window.Handle()));
    countdownShowing = false;
    ::SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsIconic(window.Handle()));
    EXPECT_TRUE(::IsWindow(window.Handle()));
    window.Restore();
    Pump();
    EXPECT_FALSE(::IsIconic(window.Handle()));

    // The close button hides the window.
    ClickAt(window.Handle(), {652 + 20, 9});
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    EXPECT_TRUE(::IsWindow(window.Handle()));
}

TEST_F(MainWindowTest, ApplySkinRecoloursTheWindowsOwnParts) {
    const char* names[] = {"", "blue", "green", "black", "yellow", "red"};
    ShowWindow();
    for (std::uint8_t code = 1; code <= 5; ++code) {
        SCOPED_TRACE(names[code]);
        skinCode = code;
        window.ApplySkin();
        const Skin& skin = SkinFor(code);
        EXPECT_EQ(window.FormColor(), skin.window);
        EXPECT_EQ(window.Title().close.Color(), skin.button);
        EXPECT_EQ(window.Title().tabs[2].Color(), skin.button);
        EXPECT_EQ(window.Page().CancelTaskButton().Color(), skin.button);
        const HWND datePicker = window.Page().SpecifiedDatePicker().Handle();
        EXPECT_EQ(::SendMessageW(datePicker, DTM_GETMCCOLOR, MCSC_TITLEBK, 0),
                  LRESULT(skin.calendar));
        EXPECT_EQ(::SendMessageW(datePicker, DTM_GETMCCOLOR, MCSC_BACKGROUND, 0),
                  LRESULT(skin.calendar));
        ::UpdateWindow(window.Handle());
        const Picture screen = test::CaptureWindow(window.Handle());
        ASSERT_TRUE(test::SaveArtifact(screen, std::string("main_") + names[code] + ".png"));
        EXPECT_EQ(CountDiffering(screen, {250, 20, 400, 30}, skin.window, 0), 0);
        EXPECT_EQ(
            CountDiffering(screen, {20 + 28, 72 + 200, 20 + 29, 72 + 300}, skin.boxOutline, 0), 0);
    }
}

// Opens a menu of the program's in a nested loop, presses Down `downs` times and Enter there, and
// keeps what the screen showed meanwhile.
Picture ChooseFromMenu(int downs, const std::function<void()>& open) {
    const test::MenuChooser chooser(downs);
    open();
    Pump();
    return chooser.screen;
}

// The early warning's lead time is picked from the program's menu under the task summary and
// stored at once; once a task is warned of, Postpone beside Cancel Task moves it later.
TEST_F(MainWindowTest, TheLeadTimeIsPickedAndStoredAndPostponeFollowsTheWarning) {
    TrayPopupMenu leadMenu{WarnMinutesMenuItems(kDefaultWarnMinutes)};
    TrayPopupMenu postponeMenu{PostponeMenuItems()};
    leadMenu.SetCheckPictures(resources->menuChecks);
    postponeMenu.SetCheckPictures(resources->menuChecks);
    TaskPage& page = window.Page();
    page.WarningLead().choose = [&](POINT at, std::int32_t current) {
        leadMenu.Menu().SetItems(WarnMinutesMenuItems(current));
        return WarnMinutesOfCommand(leadMenu.Menu().ShowAt(at));
    };
    page.choosePostpone = [&](POINT at) { return postponeMenu.Menu().ShowAt(at); };
    ShowWindow();
    std::int32_t stored = -1;
    EXPECT_FALSE(
        ReadStoredInteger(store, kRootLocalMachine, kSettingsKeyPath, kWarnMinutesValue, stored));
    EXPECT_EQ(Describe(page.WarningLead().FocusHandle()).name, L"Early warning: 5 minutes before");
    ASSERT_TRUE(test::SaveArtifact(test::CaptureWindow(window.Handle()), "main_warning.png"));

    // A click on the lead time; the fifth item, 15 minutes.
    const Picture menuShown = ChooseFromMenu(5, [&] {
        test::PostClick(page.Handle(), {60 + 120, 399 + 6});
    });
    ASSERT_FALSE(menuShown.Empty()) << "the menu never showed";
    ASSERT_TRUE(test::SaveArtifact(menuShown, "main_warning_menu.png"));
    EXPECT_EQ(view.warningLead.Value(), 15);
    EXPECT_EQ(ReadWarnMinutes(store), 15);
    EXPECT_EQ(Describe(page.WarningLead().FocusHandle()).name, L"Early warning: 15 minutes before");
    // From the keyboard: Enter on the focused choice, then Off at the top.
    ::SetFocus(page.WarningLead().FocusHandle());
    ChooseFromMenu(1, [&] { ::SendMessageW(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1); });
    EXPECT_EQ(ReadWarnMinutes(store), 0);
    view.warningLead.Choose(5);

    // A task ten minutes away: Postpone comes once it is warned of, five minutes before.
    controller->OnFromNowClick();
    view.controls.delayHoursField.SetText(L"0");
    view.controls.delayMinutesField.SetText(L"10");
    companion.answers = {kAnswerYes};
    registration.answer = RegistrationResult::Registered;
    controller->OnStartTaskClick();
    ASSERT_TRUE(registration.registered);
    const DateTime due = task.due;
    controller->clockTimer.Tick();
    EXPECT_FALSE(page.PostponeButton().Visible());
    clock.Set(due.Plus(-4 * DateTime::kMsPerMinute));
    controller->clockTimer.Tick();
    ShowWindow();
    ASSERT_TRUE(page.PostponeButton().Visible());
    ::SendMessageW(page.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // off the lead time
    Pump();
    ASSERT_TRUE(test::SaveArtifact(test::CaptureWindow(window.Handle()), "main_postpone.png"));
    ChooseFromMenu(1, [&] { test::PostClick(page.Handle(), {390 + 50, 372 + 16}); });
    EXPECT_EQ(registration.registered->start, due.Plus(10 * DateTime::kMsPerMinute));
    EXPECT_FALSE(page.PostponeButton().Visible());  // the new moment is not warned of yet
}

TEST_F(MainWindowTest, FirstActivationWithATaskSetHidesTheWindow) {
    // The first showing restores a daily task from the scheduler.
    registration.registered =
        ScheduledTask{L"Shutdown", TriggerKind::Daily, At(2026, 12, 8, 22, 0, 0), L"", L""};
    ShowWindow();
    EXPECT_TRUE(IsTaskSet(task.status));
    EXPECT_FALSE(::IsWindowVisible(window.Handle()));
    // Shown again from the notification area, it stays.
    ShowWindow();
    EXPECT_TRUE(::IsWindowVisible(window.Handle()));
}

}  // namespace
}  // namespace dusk::win32
