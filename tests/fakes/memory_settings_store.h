#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/settings_store.h"

namespace dusk::test {

// A settings store in memory that follows the registry's rules: paths and value names compare
// without regard to case, a leading backslash starts at the root, opening for writing creates
// every missing key on the path, opening for reading fails for a missing key, and a missing
// value differs from an empty one.
class MemorySettingsStore : public SettingsStore {
public:
    std::unique_ptr<SettingsKey> Open(std::uint32_t root, std::wstring_view path,
                                      bool create) override;

    // Puts a value of any kind, Other included, creating the key.
    void Put(std::uint32_t root, std::wstring_view path, std::wstring_view name, StoredValue value);
    std::optional<StoredValue> Peek(std::uint32_t root, std::wstring_view path,
                                    std::wstring_view name) const;
    bool KeyExists(std::uint32_t root, std::wstring_view path) const;
    // Names as first written, in case-insensitive order; empty for a missing key.
    std::vector<std::wstring> ValueNames(std::uint32_t root, std::wstring_view path) const;
    // Keys opened and not yet closed.
    int OpenKeyCount() const { return *openKeys_; }

    bool failOpen = false;    // every Open answers null
    bool failWrites = false;  // keys open, but writes fail and change nothing

private:
    struct Value {
        std::wstring name;
        StoredValue value;
    };
    using Values = std::map<std::wstring, Value>;  // by case-folded name
    class Key;

    // Case-folded path without leading backslash; nothing for a malformed path.
    static std::optional<std::wstring> Normalise(std::wstring_view path);
    const Values* Find(std::uint32_t root, std::wstring_view path) const;
    std::shared_ptr<Values> CreateKey(std::uint32_t root, const std::wstring& normalised);

    std::map<std::pair<std::uint32_t, std::wstring>, std::shared_ptr<Values>> keys_;
    std::shared_ptr<int> openKeys_ = std::make_shared<int>(0);
};

}  // namespace dusk::test
