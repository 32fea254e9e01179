#pragma once
#include <string>

#include "base/date_time.h"
#include "base/settings_store.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/task_controls.h"
#include "core/task_model.h"

namespace dusk {

// The one-line summary of the task under the task controls, from the checked action and
// trigger. While a from-now task is set, its due moment is taken from the task, else from the
// store ("Waittime"), else from the delay fields, and kept in task.fromNowDueText.
std::wstring BuildTaskSummary(const TaskControls& controls, TaskRecord& task,
                              const MessageCatalogue& catalogue, const RegionalFormats& formats,
                              SettingsStore& store, DateTime now);

}  // namespace dusk
