#include "companion/dll/os_info_source.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/settings_store.h"
#include "base/win32/registry_settings_store.h"
#include "companion/os_info_texts.h"

namespace dusk::vimbly {
namespace {

std::u16string ToU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

struct KernelInfo {
    OsVersion version;
    std::wstring servicePack;
    WORD productType = VER_NT_WORKSTATION;
};

// RtlGetVersion reports the real version; GetVersionExW is shimmed to the newest version the
// program's manifest declares.
KernelInfo ReadKernelInfo() {
    RTL_OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOEXW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll == nullptr ? nullptr
                         : reinterpret_cast<RtlGetVersionFunction>(
                               reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")));
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
        info = {};
        info.dwOSVersionInfoSize = sizeof info;
        ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
    }
    const bool workstation =
        info.wProductType != VER_NT_DOMAIN_CONTROLLER && info.wProductType != VER_NT_SERVER;
    return {{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
             workstation},
            info.szCSDVersion,
            info.wProductType};
}

std::wstring ProductName() {
    win32::RegistrySettingsStore store;
    const auto key =
        store.Open(kRootLocalMachine, L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", false);
    if (!key) return {};
    const auto value = key->Read(L"ProductName");
    return value && value->kind == StoredValue::Kind::Text ? value->text : std::wstring();
}

const wchar_t* ArchitectureName() {
    SYSTEM_INFO info{};
    ::GetNativeSystemInfo(&info);
    switch (info.wProcessorArchitecture) {
        case PROCESSOR_ARCHITECTURE_INTEL:
            return L"x86";
        case PROCESSOR_ARCHITECTURE_AMD64:
            return L"x64";
        case PROCESSOR_ARCHITECTURE_ARM:
            return L"ARM";
        case PROCESSOR_ARCHITECTURE_ARM64:
            return L"ARM64";
        case PROCESSOR_ARCHITECTURE_IA64:
            return L"IA64";
        default:
            return L"unknown";
    }
}

const wchar_t* ProductTypeName(int productType) {
    switch (productType) {
        case VER_NT_DOMAIN_CONTROLLER:
            return L"domain controller";
        case VER_NT_SERVER:
            return L"server";
        default:
            return L"workstation";
    }
}

// A text that a Windows function writes into a buffer of the given size; empty on failure.
template <typename Call>
std::wstring BufferText(DWORD capacity, Call call) {
    std::wstring text(capacity, L'\0');
    DWORD size = capacity;
    if (!call(text.data(), size)) return {};
    text.resize(std::min<std::size_t>(text.find(L'\0'), text.size()));
    return text;
}

}  // namespace

void FillOsInfoRecord(OsInfoRecord& record) {
    std::memset(&record, 0, sizeof record);
    const KernelInfo kernel = ReadKernelInfo();
    const OsVersion& version = kernel.version;

    const std::wstring userName = BufferText(
        257, [](wchar_t* buffer, DWORD& size) { return ::GetUserNameW(buffer, &size) != FALSE; });
    const std::wstring computerName = BufferText(
        MAX_COMPUTERNAME_LENGTH + 1,
        [](wchar_t* buffer, DWORD& size) { return ::GetComputerNameW(buffer, &size) != FALSE; });
    const std::wstring windowsFolder = BufferText(MAX_PATH, [](wchar_t* buffer, DWORD& size) {
        const UINT length = ::GetWindowsDirectoryW(buffer, size);
        return length > 0 && length < size;
    });
    const std::wstring systemFolder = BufferText(MAX_PATH, [](wchar_t* buffer, DWORD& size) {
        const UINT length = ::GetSystemDirectoryW(buffer, size);
        return length > 0 && length < size;
    });
    const std::wstring localeName =
        BufferText(LOCALE_NAME_MAX_LENGTH, [](wchar_t* buffer, DWORD& size) {
            return ::GetUserDefaultLocaleName(buffer, static_cast<int>(size)) > 0;
        });

    const std::wstring number = std::to_wstring(version.major) + L"." +
                                std::to_wstring(version.minor) + L"." +
                                std::to_wstring(version.build);
    WriteOsInfoText(record, 1, OsFamilyFor(version));
    WriteOsInfoText(record, 2, ToU16(number));
    WriteOsInfoText(record, 3, ToU16(ProductName()));
    WriteOsInfoText(record, 4, ToU16(kernel.servicePack));
    WriteOsInfoText(record, 5, version.platformId == 1 ? u"Windows 9x" : u"Windows NT");
    WriteOsInfoText(record, 6, ToU16(ArchitectureName()));
    WriteOsInfoText(record, 7, SafeTaskNameSuffix(ToU16(userName)));
    WriteOsInfoText(record, 8, ToU16(userName));
    WriteOsInfoText(record, 9, ToU16(computerName));
    WriteOsInfoText(record, 10, ToU16(windowsFolder));
    WriteOsInfoText(record, 11, ToU16(localeName));
    WriteOsInfoText(record, 12, ToU16(ProductTypeName(kernel.productType)));
    WriteOsInfoText(record, 13, ToU16(systemFolder));
    record.majorVersion = static_cast<std::int32_t>(version.major);
    record.minorVersion = static_cast<std::int32_t>(version.minor);
    record.buildNumber = static_cast<std::int32_t>(version.build);
}

}  // namespace dusk::vimbly
