#pragma once
#include <string>

#include "base/date_time.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/task_controls.h"
#include "core/task_model.h"

namespace dusk {

// The one-line summary of the task under the task controls, from the checked action and
// trigger. While a from-now task is set, its due moment is the one summarised, else the task's,
// else the delay fields' from now, and is kept in task.fromNowDueText.
std::wstring BuildTaskSummary(const TaskControls& controls, TaskRecord& task,
                              const MessageCatalogue& catalogue, const RegionalFormats& formats,
                              DateTime now);

}  // namespace dusk
