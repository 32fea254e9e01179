#include "core/countdown.h"

#include <algorithm>
#include <optional>

#include "core/message_catalogue.h"
#include "core/task_model.h"

namespace dusk {

namespace {

std::optional<CatalogueEntry> CaptionFor(std::int32_t actionCode) {
    switch (actionCode) {
        case kActionShutDown:
            return CatalogueEntry::CountdownShutDownCaption;
        case kActionLogOff:
            return CatalogueEntry::CountdownLogOffCaption;
        case kActionStandBy:
            return CatalogueEntry::CountdownStandByCaption;
        case kActionHibernate:
            return CatalogueEntry::CountdownHibernateCaption;
        default:
            return std::nullopt;  // code 4 and others keep the caption they have
    }
}

}  // namespace

Countdown::Countdown(CountdownState& state, const MessageCatalogue& catalogue, Companion& companion)
    : state_(state), catalogue_(catalogue), companion_(companion) {
    tickTimer.OnTimer = [this] { onTick(); };
    blinkTimer.OnTimer = [this] { onBlinkTick(); };
}

void Countdown::onShow(std::int32_t actionCode) {
    if (host.showTopmost) host.showTopmost();
    state_.CountdownCancelled = false;
    state_.RanOut = false;
    state_.BlinkPhase = true;
    state_.CountdownSeconds = kCountdownLength;
    ShowNumber(kCountdownLength);
    tickTimer.SetEnabled(true);
    blinkTimer.SetEnabled(true);
    if (const auto entry = CaptionFor(actionCode)) caption_ = catalogue_.Text(*entry);
    ViewChanged();
}

void Countdown::onTick() {
    ShowNumber(state_.CountdownSeconds);
    ViewChanged();
    if (state_.CountdownSeconds <= 0) {
        state_.RanOut = true;
        Close();
    }
    --state_.CountdownSeconds;
}

void Countdown::onBlinkTick() {
    firstIconVisible_ = state_.BlinkPhase;
    secondIconVisible_ = !state_.BlinkPhase;
    state_.BlinkPhase = !state_.BlinkPhase;
    ViewChanged();
}

void Countdown::onCancelClick() {
    // The count stands still while the question is open; the icon keeps blinking.
    tickTimer.SetEnabled(false);
    const int answer = companion_.ShowMessageBox(
        host.window, catalogue_.Text(CatalogueEntry::ConfirmCancelCountdown),
        catalogue_.Text(CatalogueEntry::AppTitle), kMbQuestionYesNo);
    if (answer == kAnswerYes) {
        state_.CountdownCancelled = true;
        Close();
    } else {
        tickTimer.SetEnabled(true);
    }
}

void Countdown::ShowNumber(std::int32_t seconds) {
    // Two digits with a leading zero; the count never shows below 00.
    const std::int32_t shown = std::clamp(seconds, 0, 99);
    tensDigit_ = shown / 10;
    unitsDigit_ = shown % 10;
}

void Countdown::Close() {
    // A hidden window has nothing to count or blink until its next showing.
    tickTimer.SetEnabled(false);
    blinkTimer.SetEnabled(false);
    if (host.closeModal) host.closeModal();
}

void Countdown::ViewChanged() {
    if (host.viewChanged) host.viewChanged();
}

}  // namespace dusk
