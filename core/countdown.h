#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "base/timer_model.h"
#include "core/countdown_runner.h"
#include "core/user_prompts.h"

namespace dusk {

constexpr std::int32_t kCountdownLength = 30;  // seconds; not a setting

// What the countdown window does on screen; filled in by the Windows window.
struct CountdownHost {
    std::function<void()> showTopmost;  // topmost at its current place and size, shown, and the
                                        // other windows disabled
    std::function<void()> hide;         // hidden, and the other windows enabled again
    std::function<void()> viewChanged;  // a picture's digit, visibility or the caption changed
};

// The countdown window: shows 30 seconds counting down in two digit pictures, blinks its icon
// and offers a confirmed cancel. It performs nothing; it tells its caller how it ended.
class Countdown {
public:
    // The cancel question goes through prompts over the countdown window.
    Countdown(const MessageCatalogue& catalogue, UserPrompts& prompts);

    CountdownHost host;
    TimerModel tickTimer{1000};  // countdown tick
    TimerModel blinkTimer{500};  // icon blink

    // The two digits shown: indexes into the ten digit pictures.
    int TensDigit() const { return tensDigit_; }
    int UnitsDigit() const { return unitsDigit_; }
    bool FirstIconVisible() const { return firstIconVisible_; }
    bool SecondIconVisible() const { return secondIconVisible_; }
    const std::wstring& Caption() const { return caption_; }
    bool Running() const { return static_cast<bool>(onDone_); }
    // The number the next tick shows.
    std::int32_t SecondsLeft() const { return seconds_; }

    // Shows the countdown; the caption names the action it ends in. onDone runs once at its
    // end. A start while one runs ends the new one at once as interrupted.
    void Start(TaskAction action, std::function<void(CountdownOutcome)> onDone);
    void OnTick();
    void OnBlinkTick();
    void OnCancelClick();
    // A choice from the Postpone menu: the countdown ends as postponed, nothing is performed.
    void OnPostpone(int minutes);
    int PostponedMinutes() const { return postponedMinutes_; }
    // The window went away without an answer: nothing may be performed.
    void Interrupt();
    // The window never blocks a log-off or shut-down.
    int OnQueryEndSession() const { return 1; }

private:
    void ShowNumber(std::int32_t seconds);
    void Finish(CountdownOutcome outcome);
    void ViewChanged();

    const MessageCatalogue& catalogue_;
    UserPrompts& prompts_;
    std::function<void(CountdownOutcome)> onDone_;  // set while running

    std::int32_t seconds_ = 0;
    int postponedMinutes_ = 0;
    bool blinkPhase_ = false;
    int tensDigit_ = 3;
    int unitsDigit_ = 0;
    bool firstIconVisible_ = true;
    bool secondIconVisible_ = false;
    std::wstring caption_ = L"Time before shut down:";
};

}  // namespace dusk
