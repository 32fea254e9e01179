#include "companion/dll/skin_memory.h"

#include "base/win32/registry_settings_store.h"

namespace dusk::vimbly {
namespace {

constexpr std::uint32_t kRootCurrentUser = 0x80000001;  // HKEY_CURRENT_USER
constexpr wchar_t kKeyPath[] = L"\\Software\\Tolvane\\Vimbly";
constexpr wchar_t kValueName[] = L"Skin";
constexpr std::int32_t kColourCount = 5;

}  // namespace

std::uint8_t RememberedSkinCode() {
    win32::RegistrySettingsStore store;
    const auto key = store.Open(kRootCurrentUser, kKeyPath, false);
    if (!key) return 1;
    const auto value = key->Read(kValueName);
    if (!value || value->kind != StoredValue::Kind::Integer) return 1;
    if (value->integer < 0 || value->integer >= kColourCount) return 1;
    return static_cast<std::uint8_t>(value->integer + 1);
}

void RememberSkin(std::uint8_t buttonColor) {
    // Kept as given: a colour out of range paints like Blue now and so reads back as Blue.
    win32::RegistrySettingsStore store;
    if (const auto key = store.Open(kRootCurrentUser, kKeyPath, true))
        key->WriteInteger(kValueName, buttonColor);
}

}  // namespace dusk::vimbly
