#include "core/jishi.h"

#include <algorithm>
#include <optional>

#include "core/task_model.h"
#include "shell/message_catalogue.h"

namespace dusk {

namespace {

std::optional<CatalogueEntry> CaptionFor(std::int32_t actionCode) {
    switch (actionCode) {
        case kActionShutDown:
            return CatalogueEntry::Lbl_lan8;
        case kActionLogOff:
            return CatalogueEntry::Lbl_lan9;
        case kActionStandBy:
            return CatalogueEntry::Lbl_lan10;
        case kActionHibernate:
            return CatalogueEntry::Lbl_lan11;
        default:
            return std::nullopt;  // code 4 and others keep the caption they have
    }
}

}  // namespace

Tjishi_frm::Tjishi_frm(CountdownState& state, const std::int32_t& actionCode,
                       const MessageCatalogue& catalogue, Companion& companion)
    : state_(state), actionCode_(actionCode), catalogue_(catalogue), companion_(companion) {
    dao_jishi_timer.OnTimer = [this] { dao_jishi_timerTimer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

void Tjishi_frm::FormShow() {
    if (host.showTopmost) host.showTopmost();
    state_.CountdownCancelled = false;
    state_.BlinkPhase = true;
    state_.CountdownSeconds = kCountdownLength;
    ShowNumber(kCountdownLength);
    dao_jishi_timer.SetEnabled(true);
    Timer2.SetEnabled(true);
    if (const auto entry = CaptionFor(actionCode_)) label3Caption_ = catalogue_.Text(*entry);
    ViewChanged();
}

void Tjishi_frm::dao_jishi_timerTimer() {
    ShowNumber(state_.CountdownSeconds);
    ViewChanged();
    if (state_.CountdownSeconds <= 0) Close();
    --state_.CountdownSeconds;
}

void Tjishi_frm::Timer2Timer() {
    image1Visible_ = state_.BlinkPhase;
    image2Visible_ = !state_.BlinkPhase;
    state_.BlinkPhase = !state_.BlinkPhase;
    ViewChanged();
}

void Tjishi_frm::btnCancelClick() {
    // The count stands still while the question is open; the icon keeps blinking.
    dao_jishi_timer.SetEnabled(false);
    const int answer =
        companion_.ShowMessageBox(host.window, catalogue_.Text(CatalogueEntry::Lbl_lan7),
                                  catalogue_.Text(CatalogueEntry::Lbl_lan2), kMbQuestionYesNo);
    if (answer == kAnswerYes) {
        state_.CountdownCancelled = true;
        Close();
    } else {
        dao_jishi_timer.SetEnabled(true);
    }
}

void Tjishi_frm::ShowNumber(std::int32_t seconds) {
    // Two digits with a leading zero; the count never shows below 00.
    const std::int32_t shown = std::clamp(seconds, 0, 99);
    image4Digit_ = shown / 10;
    image5Digit_ = shown % 10;
}

void Tjishi_frm::Close() {
    // A hidden window has nothing to count or blink until its next showing.
    dao_jishi_timer.SetEnabled(false);
    Timer2.SetEnabled(false);
    if (host.closeModal) host.closeModal();
}

void Tjishi_frm::ViewChanged() {
    if (host.viewChanged) host.viewChanged();
}

}  // namespace dusk
