#include "fakes/memory_settings_store.h"

#include <stdexcept>

#include "base/text_case.h"

namespace dusk::test {

class MemorySettingsStore::Key : public SettingsKey {
public:
    Key(std::shared_ptr<Values> values, std::shared_ptr<int> openKeys, const bool& failWrites)
        : values_(std::move(values)), openKeys_(std::move(openKeys)), failWrites_(failWrites) {
        ++*openKeys_;
    }
    ~Key() override { --*openKeys_; }

    std::optional<StoredValue> Read(std::wstring_view name) const override {
        const auto found = values_->find(FoldCase(name));
        if (found == values_->end()) return std::nullopt;
        return found->second.value;
    }
    bool WriteInteger(std::wstring_view name, std::int32_t value) override {
        return Write(name, {StoredValue::Kind::Integer, value, {}});
    }
    bool WriteText(std::wstring_view name, std::wstring_view value) override {
        return Write(name, {StoredValue::Kind::Text, 0, std::wstring(value)});
    }
    void Delete(std::wstring_view name) override {
        if (!failWrites_) values_->erase(FoldCase(name));
    }

private:
    bool Write(std::wstring_view name, StoredValue value) {
        if (failWrites_) return false;
        // An existing value keeps the spelling of its name.
        auto [slot, added] = values_->try_emplace(FoldCase(name), Value{std::wstring(name), {}});
        slot->second.value = std::move(value);
        return true;
    }

    std::shared_ptr<Values> values_;
    std::shared_ptr<int> openKeys_;
    const bool& failWrites_;
};

std::optional<std::wstring> MemorySettingsStore::Normalise(std::wstring_view path) {
    if (!path.empty() && path.front() == L'\\') path.remove_prefix(1);
    // Empty path components ("a\\b", a trailing backslash) name no key.
    if (!path.empty() && (path.back() == L'\\' || path.find(L"\\\\") != std::wstring_view::npos ||
                          path.front() == L'\\')) {
        return std::nullopt;
    }
    return FoldCase(path);
}

std::unique_ptr<SettingsKey> MemorySettingsStore::Open(std::uint32_t root, std::wstring_view path,
                                                       bool create) {
    const auto normalised = Normalise(path);
    if (failOpen || !normalised) return nullptr;
    const auto found = keys_.find({root, *normalised});
    if (found != keys_.end()) return std::make_unique<Key>(found->second, openKeys_, failWrites);
    if (!create) return nullptr;
    return std::make_unique<Key>(CreateKey(root, *normalised), openKeys_, failWrites);
}

std::shared_ptr<MemorySettingsStore::Values> MemorySettingsStore::CreateKey(
    std::uint32_t root, const std::wstring& normalised) {
    // Every missing key along the path, ending with the key itself.
    std::shared_ptr<Values> values;
    for (std::size_t end = 0; end != std::wstring::npos;) {
        end = normalised.find(L'\\', end + 1);
        auto& slot = keys_[{root, normalised.substr(0, end)}];
        if (!slot) slot = std::make_shared<Values>();
        values = slot;
    }
    return values;
}

void MemorySettingsStore::Put(std::uint32_t root, std::wstring_view path, std::wstring_view name,
                              StoredValue value) {
    const auto normalised = Normalise(path);
    if (!normalised) throw std::invalid_argument("malformed key path");
    (*CreateKey(root, *normalised))[FoldCase(name)] = {std::wstring(name), std::move(value)};
}

const MemorySettingsStore::Values* MemorySettingsStore::Find(std::uint32_t root,
                                                             std::wstring_view path) const {
    const auto normalised = Normalise(path);
    if (!normalised) return nullptr;
    const auto found = keys_.find({root, *normalised});
    return found == keys_.end() ? nullptr : found->second.get();
}

std::optional<StoredValue> MemorySettingsStore::Peek(std::uint32_t root, std::wstring_view path,
                                                     std::wstring_view name) const {
    const Values* values = Find(root, path);
    if (!values) return std::nullopt;
    const auto found = values->find(FoldCase(name));
    if (found == values->end()) return std::nullopt;
    return found->second.value;
}

bool MemorySettingsStore::KeyExists(std::uint32_t root, std::wstring_view path) const {
    return Find(root, path) != nullptr;
}

std::vector<std::wstring> MemorySettingsStore::ValueNames(std::uint32_t root,
                                                          std::wstring_view path) const {
    std::vector<std::wstring> names;
    if (const Values* values = Find(root, path)) {
        for (const auto& [folded, value] : *values) names.push_back(value.name);
    }
    return names;
}

}  // namespace dusk::test
