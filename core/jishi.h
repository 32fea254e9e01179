#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "companion/companion.h"
#include "core/timer_model.h"

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
class Tjishi_frm {
public:
    // actionCode is the process-wide action code, read at each showing for the caption.
    Tjishi_frm(CountdownState& state, const std::int32_t& actionCode,
               const MessageCatalogue& catalogue, Companion& companion);

    CountdownHost host;
    TimerModel dao_jishi_timer{1000};  // countdown tick
    TimerModel Timer2{500};            // icon blink

    // Digit shown by Image4 (tens) and Image5 (units): index into the ten digit pictures.
    int Image4Digit() const { return image4Digit_; }
    int Image5Digit() const { return image5Digit_; }
    bool Image1Visible() const { return image1Visible_; }
    bool Image2Visible() const { return image2Visible_; }
    const std::wstring& Label3Caption() const { return label3Caption_; }

    void FormShow();
    void dao_jishi_timerTimer();
    void Timer2Timer();
    void btnCancelClick();
    // The window never blocks a log-off or shut-down.
    int WMQueryEndSession() const { return 1; }

private:
    void ShowNumber(std::int32_t seconds);
    void Close();
    void ViewChanged();

    CountdownState& state_;
    const std::int32_t& actionCode_;
    const MessageCatalogue& catalogue_;
    Companion& companion_;

    int image4Digit_ = 3;
    int image5Digit_ = 0;
    bool image1Visible_ = true;
    bool image2Visible_ = false;
    std::wstring label3Caption_ = L"Time before shut down:";
};

}  // namespace dusk
