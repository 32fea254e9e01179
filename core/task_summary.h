#pragma once
#include <string>

#include "base/date_time.h"
#include "core/message_catalogue.h"
#include "core/regional_formats.h"
#include "core/task_controls.h"
#include "core/task_model.h"

namespace dusk {

// The one-line summary under the task controls: of the task while one is set, else of the
// checked action and trigger as they would be set now.
std::wstring BuildTaskSummary(const TaskControls& controls, const TaskRecord& task,
                              const MessageCatalogue& catalogue, const RegionalFormats& formats);

}  // namespace dusk
