#pragma once
#include "base/settings_store.h"

namespace dusk::win32 {

// The settings store over the system registry. Roots are the predefined keys by their 32-bit
// numbers (0x80000002 is HKEY_LOCAL_MACHINE); each Open opens its own key, closed with the
// SettingsKey it returns.
class RegistrySettingsStore : public SettingsStore {
public:
    std::unique_ptr<SettingsKey> Open(std::uint32_t root, std::wstring_view path,
                                      bool create) override;
};

}  // namespace dusk::win32
