#include "core/win32/file_activity_log.h"

// After windows.h.
#include <shlobj.h>

#include "base/win32/object_security.h"
#include "core/activity_log_lines.h"

namespace dusk::win32 {

namespace {

constexpr const wchar_t* kFolders[] = {L"Tolvane", L"Dusk Relay"};

LogPathFacts FactsOf(HANDLE opened) {
    BY_HANDLE_FILE_INFORMATION info{};
    LogPathFacts facts;
    facts.exists = true;
    // Facts that cannot be read count against the write.
    facts.reparsePoint = !::GetFileInformationByHandle(opened, &info) ||
                         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    facts.ownedByAdministrators = OwnedByAdministrators(opened, SE_FILE_OBJECT);
    return facts;
}

// The folder at `path`, made for administrators when missing; held open without sharing its
// deletion, so that it cannot be swapped for another while the log is written through it. No
// handle when it may not be written through.
UniqueFile HoldFolder(const std::wstring& path) {
    SecurityAttributes folderSecurity(kAdministratorsFolderUsersRead);
    const bool made = folderSecurity.Get() != nullptr &&
                      ::CreateDirectoryW(path.c_str(), folderSecurity.Get()) != FALSE;
    if (!made && ::GetLastError() != ERROR_ALREADY_EXISTS) return {};
    UniqueFile folder(::CreateFileW(path.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                    nullptr));
    if (!folder) return {};
    LogPathFacts facts = FactsOf(folder.Get());
    if (made) facts.ownedByAdministrators = true;  // made with that owner just now
    if (DecideLogWrite(facts) != LogWriteDecision::Write) return {};
    return folder;
}

// Opens the file for appending, made for administrators when missing. A file that existed must
// pass the same check as the folders.
UniqueFile OpenLogFile(const std::wstring& path) {
    SecurityAttributes fileSecurity(kAdministratorsFileUsersRead);
    if (fileSecurity.Get() == nullptr) return {};
    UniqueFile file(
        ::CreateFileW(path.c_str(), FILE_APPEND_DATA | READ_CONTROL | FILE_READ_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, fileSecurity.Get(), OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) return {};
    if (::GetLastError() == ERROR_ALREADY_EXISTS &&
        DecideLogWrite(FactsOf(file.Get())) != LogWriteDecision::Write) {
        return {};
    }
    return file;
}

}  // namespace

std::wstring ProgramDataFolder() {
    // Not the known-folder call: its task memory would load COM at start-up.
    wchar_t path[MAX_PATH] = {};
    if (FAILED(
            ::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}

FileActivityLog::FileActivityLog(const Clock& clock, std::wstring baseFolder, std::wstring name)
    : clock_(clock),
      base_(std::move(baseFolder)),
      folder_(base_ + L"\\" + kFolders[0] + L"\\" + kFolders[1] + L"\\"),
      path_(folder_ + name + L".log"),
      previousPath_(folder_ + name + L".1.log") {}

void FileActivityLog::Record(std::wstring_view event) {
    if (base_.empty()) return;
    const std::string line = ActivityLogLine(clock_.Now(), event);
    // Each folder is checked before anything is made inside it, and held while the file is
    // written.
    const UniqueFile parent = HoldFolder(base_ + L"\\" + kFolders[0]);
    const UniqueFile folder =
        parent ? HoldFolder(folder_.substr(0, folder_.size() - 1)) : UniqueFile();
    if (!folder) return;
    const UniqueFile file = OpenForLine(line.size());
    if (!file) return;
    DWORD written = 0;
    ::WriteFile(file.Get(), line.data(), DWORD(line.size()), &written, nullptr);
}

UniqueFile FileActivityLog::OpenForLine(std::size_t lineBytes) const {
    UniqueFile file = OpenLogFile(path_);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size) ||
        !ActivityLogNeedsRotation(std::uint64_t(size.QuadPart), lineBytes)) {
        return file;
    }
    file.Reset();
    // A rename replaces whatever lies at the previous file's name; it follows no link there.
    if (!::MoveFileExW(path_.c_str(), previousPath_.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
    return OpenLogFile(path_);
}

}  // namespace dusk::win32
