#include "core/task_model.h"

namespace dusk {

std::optional<std::size_t> ActionIndex(std::int32_t code) {
    for (std::size_t i = 0; i < kActions.size(); ++i) {
        if (kActions[i].code == code) return i;
    }
    return std::nullopt;
}

const ActionInfo* FindAction(std::int32_t code) {
    const auto index = ActionIndex(code);
    return index ? &kActions[*index] : nullptr;
}

std::wstring_view ActionKeyword(std::int32_t code) {
    const ActionInfo* action = FindAction(code);
    return action ? action->keyword : std::wstring_view();
}

}  // namespace dusk
