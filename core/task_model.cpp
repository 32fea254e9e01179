#include "core/task_model.h"

namespace dusk {

std::optional<std::size_t> ActionIndex(TaskAction action) {
    for (std::size_t i = 0; i < kActions.size(); ++i) {
        if (kActions[i].action == action) return i;
    }
    return std::nullopt;
}

std::wstring_view ActionKeyword(TaskAction action) {
    const auto index = ActionIndex(action);
    return index ? kActions[*index].keyword : std::wstring_view();
}

TaskAction ActionOfKeyword(std::wstring_view keyword) {
    for (const ActionInfo& info : kActions) {
        if (info.keyword == keyword) return info.action;
    }
    return TaskAction::None;
}

}  // namespace dusk
