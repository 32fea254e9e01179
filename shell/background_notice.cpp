#include "shell/background_notice.h"

#include <utility>

#include "core/stored_settings.h"

namespace dusk {

namespace {
constexpr const wchar_t* kShowNotice = L"0";
constexpr const wchar_t* kNoticeOff = L"1";
}  // namespace

BackgroundNotice::BackgroundNotice(SettingsStore& store) : store_(store) {
    ignoreBox.SetCaption(L"Do not prompt me in the future?");
}

void BackgroundNotice::ReadIgnorePreference() {
    ignoreNotice_ = kShowNotice;
    ReadStoredText(store_, kRootLocalMachine, kSettingsKeyPathUpper, kIgnoreValue, ignoreNotice_);
}

void BackgroundNotice::ShowNoticeIfWanted(std::function<void()> onClosed) {
    if (ignoreNotice_ != kShowNotice || !host.show) {
        onClosed();
        return;
    }
    onClosed_ = std::move(onClosed);
    host.show();
}

void BackgroundNotice::OnOkClick() {
    if (ignoreBox.Status() == CheckBoxStatus::Checked) {
        // Off for the rest of the run even when the write fails; then it returns next start.
        WriteStoredText(store_, kRootLocalMachine, kSettingsKeyPathUpper, kIgnoreValue, kNoticeOff);
        ignoreNotice_ = kNoticeOff;
    }
    Close();
}

void BackgroundNotice::OnCloseRequest() { Close(); }

void BackgroundNotice::Close() {
    if (host.hide) host.hide();
    if (onClosed_) std::exchange(onClosed_, nullptr)();
}

}  // namespace dusk
