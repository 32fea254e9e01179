#pragma once
#include <windows.h>

#include <string>

#include "base/clock.h"
#include "base/win32/unique_handle.h"
#include "core/activity_log.h"

namespace dusk::win32 {

// %ProgramData% as the system keeps it (never the caller's environment); empty when unknown.
std::wstring ProgramDataFolder();

// The activity log in <base>\Tolvane\Dusk Relay\<name>.log, the previous one beside it as
// <name>.1.log. The program runs elevated and ordinary users may create folders in the base,
// so the log's folders are made readable by Users only, and a folder or file that is a reparse
// point or that someone other than Administrators or SYSTEM owns is never written through. A
// line that cannot be written is dropped.
class FileActivityLog : public ActivityLog {
public:
    FileActivityLog(const Clock& clock, std::wstring baseFolder, std::wstring name);

    void Record(std::wstring_view event) override;

    // With its trailing separator.
    const std::wstring& Folder() const { return folder_; }

private:
    // Opens the log for appending, rotating it first when the line would take it past its
    // size; no handle when it may not or cannot be written.
    UniqueFile OpenForLine(std::size_t lineBytes) const;

    const Clock& clock_;
    const std::wstring base_;
    const std::wstring folder_;
    const std::wstring path_;
    const std::wstring previousPath_;
};

}  // namespace dusk::win32
