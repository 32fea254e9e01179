#include "core/countdown.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/message_catalogue.h"
#include "core/task_model.h"

namespace dusk {

namespace {

std::optional<CatalogueEntry> CaptionFor(TaskAction action) {
    switch (action) {
        case TaskAction::ShutDown:
            return CatalogueEntry::CountdownShutDownCaption;
        case TaskAction::LogOff:
            return CatalogueEntry::CountdownLogOffCaption;
        case TaskAction::StandBy:
            return CatalogueEntry::CountdownStandByCaption;
        case TaskAction::Hibernate:
            return CatalogueEntry::CountdownHibernateCaption;
        case TaskAction::Restart:
            return CatalogueEntry::CountdownRestartCaption;
        case TaskAction::None:
            break;
    }
    return std::nullopt;  // the caption stays as it is
}

}  // namespace

Countdown::Countdown(const MessageCatalogue& catalogue, UserPrompts& prompts)
    : catalogue_(catalogue), prompts_(prompts) {
    tickTimer.onTimer = [this] { OnTick(); };
    blinkTimer.onTimer = [this] { OnBlinkTick(); };
}

void Countdown::Start(TaskAction action, std::function<void(CountdownOutcome)> onDone) {
    if (Running()) {
        onDone(CountdownOutcome::Interrupted);
        return;
    }
    onDone_ = std::move(onDone);
    if (host.showTopmost) host.showTopmost();
    blinkPhase_ = true;
    seconds_ = kCountdownLength;
    ShowNumber(kCountdownLength);
    tickTimer.SetEnabled(true);
    blinkTimer.SetEnabled(true);
    if (const auto entry = CaptionFor(action)) caption_ = catalogue_.Text(*entry);
    ViewChanged();
}

void Countdown::OnTick() {
    ShowNumber(seconds_);
    ViewChanged();
    const bool ranOut = seconds_ <= 0;
    --seconds_;
    if (ranOut) Finish(CountdownOutcome::RanOut);
}

void Countdown::OnBlinkTick() {
    firstIconVisible_ = blinkPhase_;
    secondIconVisible_ = !blinkPhase_;
    blinkPhase_ = !blinkPhase_;
    ViewChanged();
}

void Countdown::OnCancelClick() {
    if (!Running()) return;
    // The count stands still while the question is open; the icon keeps blinking.
    tickTimer.SetEnabled(false);
    const bool yes = prompts_.Ask(catalogue_.Text(CatalogueEntry::ConfirmCancelCountdown));
    if (!Running()) return;  // ended meanwhile
    if (yes) {
        Finish(CountdownOutcome::Cancelled);
    } else {
        tickTimer.SetEnabled(true);
    }
}

void Countdown::OnPostpone(int minutes) {
    if (!Running()) return;
    postponedMinutes_ = minutes;
    Finish(CountdownOutcome::Postponed);
}

void Countdown::Interrupt() {
    if (Running()) Finish(CountdownOutcome::Interrupted);
}

void Countdown::ShowNumber(std::int32_t seconds) {
    // Two digits with a leading zero; the count never shows below 00.
    const std::int32_t shown = std::clamp(seconds, 0, 99);
    tensDigit_ = shown / 10;
    unitsDigit_ = shown % 10;
}

void Countdown::Finish(CountdownOutcome outcome) {
    // A hidden window has nothing to count or blink until its next showing.
    tickTimer.SetEnabled(false);
    blinkTimer.SetEnabled(false);
    auto onDone = std::exchange(onDone_, nullptr);
    if (host.hide) host.hide();
    onDone(outcome);
}

void Countdown::ViewChanged() {
    if (host.viewChanged) host.viewChanged();
}

}  // namespace dusk
