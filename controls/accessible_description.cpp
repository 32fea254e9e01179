#include "controls/accessible_description.h"

namespace dusk {
namespace {

// The values of oleacc.h, kept here so that this stays portable.
constexpr std::int32_t kRoleCheckButton = 0x2C, kRoleRadioButton = 0x2D, kRolePushButton = 0x2B,
                       kRolePageTab = 0x25, kRoleStaticText = 0x29;
constexpr std::int32_t kStateUnavailable = 0x1, kStateFocused = 0x4, kStateChecked = 0x10,
                       kStateReadOnly = 0x40, kStateInvisible = 0x8000, kStateFocusable = 0x100000;

}  // namespace

std::int32_t AccessibleRoleNumber(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::CheckBox:
            return kRoleCheckButton;
        case AccessibleRole::RadioButton:
            return kRoleRadioButton;
        case AccessibleRole::PushButton:
            return kRolePushButton;
        case AccessibleRole::PageTab:
            return kRolePageTab;
        case AccessibleRole::StaticText:
            return kRoleStaticText;
    }
    return kRoleStaticText;
}

std::int32_t AccessibleStateBits(AccessibleRole role, const AccessibleFacts& facts) {
    std::int32_t bits = 0;
    if (role == AccessibleRole::StaticText) bits |= kStateReadOnly;
    if (!facts.visible) bits |= kStateInvisible;
    if (!facts.enabled) return bits | kStateUnavailable;  // neither focusable nor focused
    if (facts.focusable) bits |= kStateFocusable;
    if (facts.focusable && facts.focused) bits |= kStateFocused;
    // A selected tab reads as checked, as a chosen radio button does.
    if (facts.checked && role != AccessibleRole::PushButton && role != AccessibleRole::StaticText) {
        bits |= kStateChecked;
    }
    return bits;
}

std::wstring AccessibleDefaultAction(AccessibleRole role, bool checked) {
    switch (role) {
        case AccessibleRole::CheckBox:
            return checked ? L"Uncheck" : L"Check";
        case AccessibleRole::RadioButton:
            return L"Check";
        case AccessibleRole::PushButton:
            return L"Press";
        case AccessibleRole::PageTab:
            return L"Switch";
        case AccessibleRole::StaticText:
            return L"";
    }
    return L"";
}

}  // namespace dusk
