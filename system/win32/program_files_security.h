#pragma once
#include <string>
#include <vector>

#include "system/program_protection.h"

namespace dusk::win32 {

// What a security descriptor says of the file or folder at `path`.
FileSecurity SecurityOf(void* descriptor, const std::wstring& path);

// The security of one file or folder: owner and access list through GetNamedSecurityInfoW.
FileSecurity ReadFileSecurity(const std::wstring& path);

// The program's folder, the running program and the companion library beside it.
class SystemProgramFilesSecurity : public ProgramFilesSecurity {
public:
    explicit SystemProgramFilesSecurity(std::wstring programFolder);  // with trailing separator
    std::vector<FileSecurity> Read() override;

private:
    std::wstring programFolder_;
};

}  // namespace dusk::win32
