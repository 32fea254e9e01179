#pragma once
#include <cstdint>
#include <string>

namespace dusk {

// What a control tells assistive technology: its name (its caption), its role and its state.
enum class AccessibleRole { CheckBox, RadioButton, PushButton, PageTab, StaticText };

struct AccessibleFacts {
    bool checked = false;
    bool enabled = true;
    bool focused = false;
    bool focusable = true;
    bool visible = true;
};

// The Microsoft Active Accessibility role and state numbers (ROLE_SYSTEM_*, STATE_SYSTEM_*).
std::int32_t AccessibleRoleNumber(AccessibleRole role);
std::int32_t AccessibleStateBits(AccessibleRole role, const AccessibleFacts& facts);
// The default action's name: what Enter, Space or a click does.
std::wstring AccessibleDefaultAction(AccessibleRole role, bool checked);

}  // namespace dusk
