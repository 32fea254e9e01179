#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dusk {

// The companion library's operating-system record: 3,980 bytes, thirteen UTF-16 texts of fixed
// capacity (terminator included) and three 32-bit integers. Texts are numbered from 1.
struct OsInfoRecord {
    char16_t osFamily[64];        // 1: "98", "me", "nt", "2000", "2003", "xp" ... "windows10"
    char16_t versionNumber[64];   // 2: major.minor.build
    char16_t productName[256];    // 3
    char16_t servicePack[256];    // 4
    char16_t platform[64];        // 5: "Windows 9x" or "Windows NT"
    char16_t architecture[64];    // 6: "x86", "x64", "ARM64"...
    char16_t taskNameSuffix[64];  // 7: the user name, safe for a task name
    char16_t userName[256];       // 8
    char16_t computerName[256];   // 9
    char16_t windowsFolder[256];  // 10
    char16_t localeName[64];      // 11
    char16_t productType[64];     // 12: "workstation", "domain controller" or "server"
    char16_t systemFolder[256];   // 13
    std::int32_t majorVersion;
    std::int32_t minorVersion;
    std::int32_t buildNumber;
};

static_assert(sizeof(char16_t) == 2);
static_assert(sizeof(OsInfoRecord) == 3980);
static_assert(offsetof(OsInfoRecord, osFamily) == 0);
static_assert(offsetof(OsInfoRecord, versionNumber) == 128);
static_assert(offsetof(OsInfoRecord, productName) == 256);
static_assert(offsetof(OsInfoRecord, servicePack) == 768);
static_assert(offsetof(OsInfoRecord, platform) == 1280);
static_assert(offsetof(OsInfoRecord, architecture) == 1408);
static_assert(offsetof(OsInfoRecord, taskNameSuffix) == 1536);
static_assert(offsetof(OsInfoRecord, userName) == 1664);
static_assert(offsetof(OsInfoRecord, computerName) == 2176);
static_assert(offsetof(OsInfoRecord, windowsFolder) == 2688);
static_assert(offsetof(OsInfoRecord, localeName) == 3200);
static_assert(offsetof(OsInfoRecord, productType) == 3328);
static_assert(offsetof(OsInfoRecord, systemFolder) == 3456);
static_assert(offsetof(OsInfoRecord, majorVersion) == 3968);
static_assert(offsetof(OsInfoRecord, minorVersion) == 3972);
static_assert(offsetof(OsInfoRecord, buildNumber) == 3976);

constexpr int kOsInfoTextCount = 13;
constexpr int kOsFamilyText = 1;
constexpr int kTaskNameSuffixText = 7;

// Text number 1 to 13, up to its terminator or its capacity, whichever comes first, so an
// unterminated text never reads into the next one. Empty for a number out of range.
std::u16string ReadOsInfoText(const OsInfoRecord& record, int number);

// Stores text number 1 to 13, cut to its capacity less the terminator, zero-filling the rest.
// Answers false (and changes nothing) for a number out of range.
bool WriteOsInfoText(OsInfoRecord& record, int number, std::u16string_view text);

}  // namespace dusk
