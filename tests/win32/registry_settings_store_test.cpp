#include "base/win32/registry_settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <vector>

namespace dusk::win32 {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\Tolvane\\DuskRelayTest";
constexpr wchar_t kTestPath[] = L"\\Software\\Tolvane\\DuskRelayTest";

// Each test starts and ends without the test key in HKEY_LOCAL_MACHINE.
class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveTestKey(); }
    void TearDown() override { RemoveTestKey(); }

    static void RemoveTestKey() { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestKey); }

    std::unique_ptr<SettingsKey> OpenTestKey(bool create = true) {
        return store_.Open(kRootLocalMachine, kTestPath, create);
    }

    // Stores raw data of any type, bypassing the store.
    static void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
    }

    RegistrySettingsStore store_;
};

TEST_F(RegistrySettingsStoreTest, OpensOnlyExistingKeysUnlessAskedToCreate) {
    EXPECT_EQ(OpenTestKey(false), nullptr);
    // Creates the missing keys on the path.
    auto nested = store_.Open(kRootLocalMachine, L"\\Software\\Tolvane\\DuskRelayTest\\a\\b", true);
    ASSERT_NE(nested, nullptr);
    EXPECT_NE(OpenTestKey(false), nullptr);
    // The leading backslash is optional.
    EXPECT_NE(store_.Open(kRootLocalMachine, kTestKey, false), nullptr);
    // Roots are the predefined keys only.
    EXPECT_EQ(store_.Open(0x12345678, kTestPath, true), nullptr);
}

TEST_F(RegistrySettingsStoreTest, PathsAndNamesIgnoreLetterCase) {
    OpenTestKey()->WriteText(L"WaitTime", L"12/8/2026 1:30:00 AM");
    auto key = store_.Open(kRootLocalMachine, L"\\SOFTWARE\\tolvane\\DUSKRELAYTEST", false);
    ASSERT_NE(key, nullptr);
    const auto value = key->Read(L"Waittime");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->text, L"12/8/2026 1:30:00 AM");
    key->Delete(L"WAITTIME");
    EXPECT_FALSE(key->Read(L"WaitTime").has_value());
}

TEST_F(RegistrySettingsStoreTest, IntegersRoundTrip) {
    auto key = OpenTestKey();
    for (std::int32_t number : {0, 3, -1, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(key->WriteInteger(L"AdjustInfo", number));
        const auto value = key->Read(L"AdjustInfo");
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->kind, StoredValue::Kind::Integer);
        EXPECT_EQ(value->integer, number);
    }
}

TEST_F(RegistrySettingsStoreTest, TextsRoundTripAndMissingDiffersFromEmpty) {
    auto key = OpenTestKey();
    EXPECT_FALSE(key->Read(L"Ignore").has_value());
    const std::wstring long_text(10000, L'x');
    for (const std::wstring& text : {std::wstring(), std::wstring(L"1|30"),
                                     std::wstring(L"\u5348\u540e 9:30:00"), long_text}) {
        ASSERT_TRUE(key->WriteText(L"Ignore", text));
        const auto value = key->Read(L"Ignore");
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->kind, StoredValue::Kind::Text);
        EXPECT_EQ(value->text, text);
    }
    // Writing replaces a value of another type.
    key->WriteInteger(L"Ignore", 1);
    EXPECT_EQ(key->Read(L"Ignore")->kind, StoredValue::Kind::Integer);
    // Deleting a value that is not there is harmless.
    key->Delete(L"Ignore");
    key->Delete(L"Ignore");
    EXPECT_FALSE(key->Read(L"Ignore").has_value());
}

TEST_F(RegistrySettingsStoreTest, RawDataOfEveryTypeReadsSafely) {
    struct Case {
        const wchar_t* name;
        DWORD type;
        std::vector<BYTE> data;
        StoredValue::Kind kind;
        std::wstring text;
        std::int32_t integer;
    };
    const auto bytes = [](const void* data, std::size_t size) {
        const BYTE* begin = static_cast<const BYTE*>(data);
        return std::vector<BYTE>(begin, begin + size);
    };
    const wchar_t expandable[] = L"%WINDIR%\\x";
    const wchar_t embedded[] = L"ab\0cd";
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    const DWORD number = 0xFFFFFFFE;
    const ULONGLONG wide = 7;
    const Case cases[] = {
        {L"Expandable", REG_EXPAND_SZ, bytes(expandable, sizeof expandable),
         StoredValue::Kind::Text, L"%WINDIR%\\x", 0},
        {L"NoData", REG_SZ, {}, StoredValue::Kind::Text, L"", 0},
        {L"NoDataExpandable", REG_EXPAND_SZ, {}, StoredValue::Kind::Text, L"", 0},
        {L"Unterminated", REG_SZ, bytes(unterminated, sizeof unterminated), StoredValue::Kind::Text,
         L"abc", 0},
        {L"OddSize", REG_SZ, bytes(L"abc", 7), StoredValue::Kind::Text, L"abc", 0},
        {L"OneByte", REG_SZ, {0x41}, StoredValue::Kind::Text, L"", 0},
        {L"Embedded", REG_SZ, bytes(embedded, sizeof embedded), StoredValue::Kind::Text, L"ab", 0},
        {L"Dword", REG_DWORD, bytes(&number, sizeof number), StoredValue::Kind::Integer, L"", -2},
        {L"ShortDword", REG_DWORD, {1, 0}, StoredValue::Kind::Other, L"", 0},
        {L"BigEndian", REG_DWORD_BIG_ENDIAN, bytes(&number, 4), StoredValue::Kind::Other, L"", 0},
        {L"Qword", REG_QWORD, bytes(&wide, sizeof wide), StoredValue::Kind::Other, L"", 0},
        {L"Binary", REG_BINARY, {1, 2, 3}, StoredValue::Kind::Other, L"", 0},
        {L"Multi", REG_MULTI_SZ, bytes(L"a\0b\0", 10), StoredValue::Kind::Other, L"", 0},
    };
    for (const Case& c : cases) {
        SetRaw(c.name, c.type, c.data.empty() ? nullptr : c.data.data(),
               static_cast<DWORD>(c.data.size()));
    }
    auto key = OpenTestKey(false);
    ASSERT_NE(key, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto value = key->Read(c.name);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->kind, c.kind);
        EXPECT_EQ(value->text, c.text);
        EXPECT_EQ(value->integer, c.integer);
    }
}

}  // namespace
}  // namespace dusk::win32
