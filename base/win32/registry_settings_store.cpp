#include "base/win32/registry_settings_store.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "base/win32/unique_handle.h"

namespace dusk::win32 {
namespace {

HKEY PredefinedKey(std::uint32_t root) {
    switch (root) {
        case 0x80000000:
            return HKEY_CLASSES_ROOT;
        case 0x80000001:
            return HKEY_CURRENT_USER;
        case 0x80000002:
            return HKEY_LOCAL_MACHINE;
        case 0x80000003:
            return HKEY_USERS;
        case 0x80000005:
            return HKEY_CURRENT_CONFIG;
        default:
            return nullptr;
    }
}

// Text from raw registry data: an odd trailing byte is dropped and the text ends at the first
// terminator, if there is one inside the data.
std::wstring TextFromData(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    if (auto end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
    return text;
}

StoredValue ValueFromData(DWORD type, const std::vector<BYTE>& data) {
    StoredValue value;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        value.kind = StoredValue::Kind::Text;
        value.text = TextFromData(data);
    } else if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        value.kind = StoredValue::Kind::Integer;
        value.integer = static_cast<std::int32_t>(number);
    }
    return value;  // anything else stays Kind::Other
}

class RegistryKey : public SettingsKey {
public:
    explicit RegistryKey(UniqueKey key) : key_(std::move(key)) {}

    std::optional<StoredValue> Read(std::wstring_view name) const override {
        const std::wstring valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        LSTATUS status =
            ::RegQueryValueExW(key_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        std::vector<BYTE> data;
        // The value may grow between two queries: ask again, a few times, with the size then
        // reported. The query never writes past the size it is given.
        for (int attempt = 0; attempt < 4 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
             ++attempt) {
            data.resize(size);
            status = ::RegQueryValueExW(key_.Get(), valueName.c_str(), nullptr, &type,
                                        data.empty() ? nullptr : data.data(), &size);
            if (status == ERROR_SUCCESS && size <= data.size()) {
                data.resize(size);
                return ValueFromData(type, data);
            }
        }
        return std::nullopt;
    }

    bool WriteInteger(std::wstring_view name, std::int32_t value) override {
        const DWORD number = static_cast<DWORD>(value);
        return Write(name, REG_DWORD, &number, sizeof number);
    }

    bool WriteText(std::wstring_view name, std::wstring_view value) override {
        const std::wstring text(value);  // with its terminator, which the registry stores
        return Write(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }

    void Delete(std::wstring_view name) override {
        ::RegDeleteValueW(key_.Get(), std::wstring(name).c_str());
    }

private:
    bool Write(std::wstring_view name, DWORD type, const void* data, std::size_t size) {
        return ::RegSetValueExW(key_.Get(), std::wstring(name).c_str(), 0, type,
                                static_cast<const BYTE*>(data),
                                static_cast<DWORD>(size)) == ERROR_SUCCESS;
    }

    UniqueKey key_;
};

}  // namespace

std::unique_ptr<SettingsKey> RegistrySettingsStore::Open(std::uint32_t root, std::wstring_view path,
                                                         bool create) {
    const HKEY rootKey = PredefinedKey(root);
    if (rootKey == nullptr) return nullptr;
    while (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
    const std::wstring subKey(path);

    UniqueKey key;
    LSTATUS status;
    if (create) {
        status = ::RegCreateKeyExW(rootKey, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, key.Put(), nullptr);
    } else {
        status = ::RegOpenKeyExW(rootKey, subKey.c_str(), 0, KEY_READ | KEY_WRITE, key.Put());
        // Without write access the key can still be read; its writes then fail.
        if (status == ERROR_ACCESS_DENIED)
            status = ::RegOpenKeyExW(rootKey, subKey.c_str(), 0, KEY_READ, key.Put());
    }
    if (status != ERROR_SUCCESS) return nullptr;
    return std::make_unique<RegistryKey>(std::move(key));
}

}  // namespace dusk::win32
