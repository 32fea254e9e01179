#include "shell/tishi.h"

#include "core/registry_option.h"

namespace dusk {

namespace {
constexpr const wchar_t* kShowNotice = L"0";
constexpr const wchar_t* kNoticeOff = L"1";
}  // namespace

Ttishi_frm::Ttishi_frm(SettingsStore& store) : store_(store) {
    chkIgnore.SetCaption(L"Do not prompt me in the future?");
}

void Ttishi_frm::ReadIgnorePreference() {
    ignoreNotice_ = kShowNotice;
    ReadStoredText(store_, kRootLocalMachine, kSettingsKeyPathUpper, kIgnoreValue, ignoreNotice_);
}

void Ttishi_frm::ShowNoticeIfWanted() {
    if (ignoreNotice_ == kShowNotice && host.showModal) host.showModal();
}

void Ttishi_frm::btnOkClick() {
    if (chkIgnore.Status() == csChecked) {
        // Off for the rest of the run even when the write fails; then it returns next start.
        WriteStoredText(store_, kRootLocalMachine, kSettingsKeyPathUpper, kIgnoreValue, kNoticeOff);
        ignoreNotice_ = kNoticeOff;
    }
    if (host.closeModal) host.closeModal();
}

}  // namespace dusk
