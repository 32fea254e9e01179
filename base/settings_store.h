#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace dusk {

constexpr std::uint32_t kRootLocalMachine = 0x80000002;  // HKEY_LOCAL_MACHINE

// A stored value as read. Text covers plain and expandable texts (never expanded);
// Other is any further type (binary, multi-text, 64-bit...), which no reader accepts.
struct StoredValue {
    enum class Kind { Integer, Text, Other };
    Kind kind = Kind::Other;
    std::int32_t integer = 0;
    std::wstring text;
};

// One open key. Value names compare without regard to letter case.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // Nothing when the value does not exist; a text value with no data reads as empty text.
    virtual std::optional<StoredValue> Read(std::wstring_view name) const = 0;
    virtual bool WriteInteger(std::wstring_view name, std::int32_t value) = 0;
    virtual bool WriteText(std::wstring_view name, std::wstring_view value) = 0;
    virtual void Delete(std::wstring_view name) = 0;
};

// Typed values under case-insensitive key paths; one store serves the whole machine.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // path may start with a backslash (it then starts at the root). With create, missing keys
    // on the path are created. Null when the key cannot be opened.
    virtual std::unique_ptr<SettingsKey> Open(std::uint32_t root, std::wstring_view path,
                                              bool create) = 0;
};

}  // namespace dusk
