#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "base/timer_model.h"
#include "companion/companion.h"

namespace dusk {

class MessageCatalogue;

constexpr std::int32_t kCountdownLength = 30;  // seconds; not a setting

// Process-wide countdown state, shared by the countdown window and the code that shows it.
struct CountdownState {
    std::int32_t CountdownSeconds = 0;  // the number shown next
    bool BlinkPhase = false;
    // Outcome of the latest countdown, read once the modal showing has returned: true only
    // after a confirmed cancel.
    bool CountdownCancelled = false;
    // True only when the latest countdown reached zero; a countdown that ended any other way
    // must perform nothing.
    bool RanOut = false;
};

// What the countdown window does on screen; filled in by the Windows window.
struct CountdownHost {
    WindowHandle window = nullptr;      // owner of the cancel question
    std::function<void()> showTopmost;  // topmost at its current place and size, and shown
    std::function<void()> closeModal;   // hides the window; the modal showing returns
    std::function<void()> viewChanged;  // a picture's digit, visibility or the caption changed
};

// The countdown window: shows 30 seconds counting down in two digit pictures, blinks its icon
// and offers a confirmed cancel. It performs nothing; the caller reads CountdownCancelled.
class Countdown {
public:
    Countdown(CountdownState& state, const MessageCatalogue& catalogue, Companion& companion);

    CountdownHost host;
    TimerModel tickTimer{1000};  // countdown tick
    TimerModel blinkTimer{500};  // icon blink

    // The two digits shown: indexes into the ten digit pictures.
    int TensDigit() const { return tensDigit_; }
    int UnitsDigit() const { return unitsDigit_; }
    bool FirstIconVisible() const { return firstIconVisible_; }
    bool SecondIconVisible() const { return secondIconVisible_; }
    const std::wstring& Caption() const { return caption_; }

    // The caption names the action the countdown ends in.
    void onShow(std::int32_t actionCode);
    void onTick();
    void onBlinkTick();
    void onCancelClick();
    // The window never blocks a log-off or shut-down.
    int onQueryEndSession() const { return 1; }

private:
    void ShowNumber(std::int32_t seconds);
    void Close();
    void ViewChanged();

    CountdownState& state_;
    const MessageCatalogue& catalogue_;
    Companion& companion_;

    int tensDigit_ = 3;
    int unitsDigit_ = 0;
    bool firstIconVisible_ = true;
    bool secondIconVisible_ = false;
    std::wstring caption_ = L"Time before shut down:";
};

}  // namespace dusk
