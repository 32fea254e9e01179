#include "core/task_model.h"

namespace dusk {

const ActionInfo* FindAction(std::int32_t code) {
    if (code < 0 || code >= static_cast<std::int32_t>(kActions.size())) return nullptr;
    return &kActions[static_cast<std::size_t>(code)];
}

std::wstring_view ActionKeyword(std::int32_t code) {
    const ActionInfo* action = FindAction(code);
    return action ? action->keyword : std::wstring_view();
}

}  // namespace dusk
