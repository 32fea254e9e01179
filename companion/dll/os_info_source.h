#pragma once
#include "companion/os_info_record.h"

namespace dusk::vimbly {

// Fills every field of the record from the running system; the record is zeroed first.
void FillOsInfoRecord(OsInfoRecord& record);

}  // namespace dusk::vimbly
