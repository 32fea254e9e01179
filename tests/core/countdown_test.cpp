#include "core/countdown.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/message_catalogue.h"
#include "fakes/fake_companion.h"

namespace dusk {
namespace {

// Notes how the timers stood while the cancel question was open.
class AskingCompanion : public test::FakeCompanion {
public:
    int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                       std::uint32_t style) override {
        countingWhileAsked.push_back(form->tickTimer.Enabled());
        blinkingWhileAsked.push_back(form->blinkTimer.Enabled());
        return FakeCompanion::ShowMessageBox(owner, text, caption, style);
    }
    const Countdown* form = nullptr;
    std::vector<bool> countingWhileAsked;
    std::vector<bool> blinkingWhileAsked;
};

class CountdownTest : public ::testing::Test {
protected:
    CountdownTest() {
        companion.form = &form;
        form.host.showTopmost = [this] { events.push_back("topmost"); };
        form.host.hide = [this] { events.push_back("close"); };
    }

    std::string Shown() const {
        return std::to_string(form.TensDigit()) + std::to_string(form.UnitsDigit());
    }

    // Ticks the countdown timer as the message loop would, until the window closes or
    // maxTicks have arrived; answers what each tick showed.
    std::vector<std::string> TickUntilClosed(int maxTicks = 40) {
        std::vector<std::string> shown;
        for (int i = 0; i < maxTicks && !Closed(); ++i) {
            form.tickTimer.Tick();
            shown.push_back(Shown());
        }
        return shown;
    }

    bool Closed() const { return !events.empty() && events.back() == "close"; }

    // What the ticks of a whole showing display: 30 again, then 29 down to 00.
    static std::vector<std::string> TickSequence() {
        std::vector<std::string> expected;
        for (int n = 30; n >= 0; --n)
            expected.push_back(std::string(1, char('0' + n / 10)) + char('0' + n % 10));
        return expected;
    }

    void Show() {
        form.Start(action, [this](CountdownOutcome outcome) { outcomes.push_back(outcome); });
    }

    int window = 0;
    TaskAction action = TaskAction::ShutDown;
    MessageCatalogue catalogue;
    AskingCompanion companion;
    MessageBoxUserPrompts prompts{companion, catalogue, [this] { return WindowHandle(&window); }};
    Countdown form{catalogue, prompts};
    std::vector<std::string> events;
    std::vector<CountdownOutcome> outcomes;
};

TEST_F(CountdownTest, ShowsThirtyThenCountsDownAndClosesOnTheTickThatShowsZero) {
    Show();
    EXPECT_EQ(events, std::vector<std::string>{"topmost"});
    EXPECT_EQ(Shown(), "30");
    EXPECT_TRUE(form.tickTimer.Enabled());
    EXPECT_TRUE(form.blinkTimer.Enabled());

    const auto shown = TickUntilClosed();
    EXPECT_EQ(shown.size(), 31u);
    EXPECT_EQ(shown[23], "07");
    EXPECT_EQ(shown, TickSequence());
    EXPECT_EQ(events, (std::vector<std::string>{"topmost", "close"}));
    EXPECT_EQ(outcomes, std::vector<CountdownOutcome>{CountdownOutcome::RanOut});
    EXPECT_FALSE(form.tickTimer.Enabled());
    EXPECT_FALSE(form.blinkTimer.Enabled());

    form.tickTimer.Tick();  // a late tick changes nothing
    EXPECT_EQ(Shown(), "00");
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(CountdownTest, ConfirmedCancelEndsAsCancelledAndCloses) {
    Show();
    TickUntilClosed(5);
    companion.answers = {kAnswerYes};
    form.OnCancelClick();

    EXPECT_EQ(outcomes, std::vector<CountdownOutcome>{CountdownOutcome::Cancelled});
    EXPECT_TRUE(Closed());
    EXPECT_FALSE(form.tickTimer.Enabled());
    ASSERT_EQ(companion.boxes.size(), 1u);
    EXPECT_EQ(companion.boxes[0].owner, &window);
    EXPECT_EQ(companion.boxes[0].text, L"Are you sure you want to cancel the current task?");
    EXPECT_EQ(companion.boxes[0].caption, L"Tolvane Dusk Relay");
    EXPECT_EQ(companion.boxes[0].style, 0x24u);
    EXPECT_EQ(companion.countingWhileAsked, std::vector<bool>{false});
    EXPECT_EQ(companion.blinkingWhileAsked, std::vector<bool>{true});
}

TEST_F(CountdownTest, AnyOtherAnswerResumesWhereTheCountStood) {
    for (int answer : {kAnswerNo, 2 /* box closed */}) {
        events.clear();
        Show();
        const auto before = TickUntilClosed(6);  // 30 29 28 27 26 25
        ASSERT_EQ(before.back(), "25");
        companion.answers = {answer};
        form.OnCancelClick();

        EXPECT_TRUE(outcomes.empty()) << answer;
        EXPECT_FALSE(Closed()) << answer;
        EXPECT_EQ(companion.countingWhileAsked.back(), false) << answer;
        EXPECT_TRUE(form.tickTimer.Enabled()) << answer;
        const auto after = TickUntilClosed();
        EXPECT_EQ(after.front(), "24") << answer;
        EXPECT_EQ(before.size() + after.size(), 31u) << answer;
        EXPECT_TRUE(Closed()) << answer;
        EXPECT_EQ(outcomes, std::vector<CountdownOutcome>{CountdownOutcome::RanOut});
        outcomes.clear();
    }
}

TEST_F(CountdownTest, EachShowingStartsAfreshAndEndsOnce) {
    Show();
    TickUntilClosed(10);
    Show();  // a second start while one runs ends at once and leaves the first running
    EXPECT_EQ(outcomes, std::vector<CountdownOutcome>{CountdownOutcome::Interrupted});
    form.Interrupt();  // the window went away
    form.Interrupt();
    companion.answers = {};
    form.OnCancelClick();  // nothing left to cancel: no question
    EXPECT_EQ(outcomes, (std::vector<CountdownOutcome>{CountdownOutcome::Interrupted,
                                                       CountdownOutcome::Interrupted}));
    EXPECT_TRUE(companion.boxes.empty());

    events.clear();
    outcomes.clear();
    Show();
    EXPECT_EQ(Shown(), "30");
    EXPECT_EQ(TickUntilClosed(), TickSequence());
    EXPECT_EQ(outcomes, std::vector<CountdownOutcome>{CountdownOutcome::RanOut});
}

TEST_F(CountdownTest, CaptionFollowsTheActionAndNoneKeepsIt) {
    using enum TaskAction;
    struct Step {
        TaskAction action;
        const wchar_t* caption;
    };
    const Step steps[] = {
        {None, L"Time before shut down:"},  // the design text until an action is shown
        {ShutDown, L"Time before shutdown:"},     {LogOff, L"Time before logoff:"},
        {None, L"Time before logoff:"},           {StandBy, L"Time before standby:"},
        {Hibernate, L"Time before hibernation:"}, {Restart, L"Time before restart:"},
    };
    for (const Step& step : steps) {
        action = step.action;
        Show();
        EXPECT_EQ(form.Caption(), step.caption) << static_cast<int>(step.action);
        form.Interrupt();
    }
}

TEST_F(CountdownTest, CaptionIsReadFromTheCatalogueAtEachShowing) {
    action = TaskAction::Hibernate;
    Show();
    form.Interrupt();
    catalogue.SetText(CatalogueEntry::CountdownHibernateCaption, L"Ruhezustand in:");
    EXPECT_EQ(form.Caption(), L"Time before hibernation:");
    Show();
    EXPECT_EQ(form.Caption(), L"Ruhezustand in:");
}

TEST_F(CountdownTest, IconPicturesAlternateFromTheFirstPictureAtEachShowing) {
    using Pair = std::pair<bool, bool>;
    auto blink = [this] {
        form.blinkTimer.Tick();
        return Pair{form.FirstIconVisible(), form.SecondIconVisible()};
    };
    Show();
    EXPECT_EQ(blink(), Pair(true, false));
    EXPECT_EQ(blink(), Pair(false, true));
    EXPECT_EQ(blink(), Pair(true, false));
    EXPECT_EQ(blink(), Pair(false, true));

    form.Interrupt();
    Show();
    EXPECT_EQ(blink(), Pair(true, false));
}

TEST_F(CountdownTest, EveryChangeOnScreenIsReported) {
    int changes = 0;
    form.host.viewChanged = [&] { ++changes; };
    Show();
    EXPECT_EQ(changes, 1);
    form.tickTimer.Tick();
    form.blinkTimer.Tick();
    EXPECT_EQ(changes, 3);
}

TEST(TimerModel, ReportsOnlyRealChangesAndDropsTicksWhileStopped) {
    TimerModel timer(1000);
    int changes = 0;
    int ticks = 0;
    timer.onStateChanged = [&] { ++changes; };
    timer.onTimer = [&] { ++ticks; };

    timer.Tick();
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    timer.SetEnabled(true);
    timer.SetInterval(1000);
    EXPECT_EQ(changes, 1);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(20000);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(timer.Interval(), 20000u);
    timer.SetEnabled(false);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace dusk
