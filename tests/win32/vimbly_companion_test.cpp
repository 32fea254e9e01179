// Vimbly.dll through the companion seam, which calls the DLL's imported functions.
#include "companion/win32/vimbly_companion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/win32/unique_handle.h"
#include "companion/os_info_record.h"
#include "companion/os_info_texts.h"
#include "companion/vimbly_abi.h"

namespace dusk::win32 {
namespace {

constexpr wchar_t kSkinKey[] = L"Software\\Tolvane\\Vimbly";

UniqueWindow MakeWindow(const wchar_t* className, DWORD style) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);  // fails harmlessly when registered before
    return UniqueWindow(::CreateWindowExW(0, className, L"test", style, 0, 0, 700, 500, nullptr,
                                          nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

TEST(VimblyOsInfo, FillsTheRecord) {
    OsInfoRecord record;
    std::memset(&record, 0xCD, sizeof record);
    g_VimblyDLL_GetOSInfo(&record);

    const std::u16string family = ReadOsInfoText(record, kOsFamilyText);
    const std::u16string allowed[] = {u"98", u"me",    u"nt",       u"2000",     u"2003",
                                      u"xp", u"vista", u"windows7", u"windows8", u"windows10"};
    EXPECT_NE(std::find(std::begin(allowed), std::end(allowed), family), std::end(allowed))
        << std::string(family.begin(), family.end());
    // The family and the version numbers come from the same source.
    EXPECT_EQ(family, OsFamilyFor({2, static_cast<std::uint32_t>(record.majorVersion),
                                   static_cast<std::uint32_t>(record.minorVersion),
                                   static_cast<std::uint32_t>(record.buildNumber),
                                   ReadOsInfoText(record, 12) == u"workstation"}));
    const std::u16string number = ReadOsInfoText(record, 2);
    const std::wstring expected = std::to_wstring(record.majorVersion) + L"." +
                                  std::to_wstring(record.minorVersion) + L"." +
                                  std::to_wstring(record.buildNumber);
    EXPECT_EQ(std::wstring(number.begin(), number.end()), expected);

    wchar_t user[257] = {};
    DWORD size = 257;
    ASSERT_TRUE(::GetUserNameW(user, &size));
    const std::u16string suffix = ReadOsInfoText(record, kTaskNameSuffixText);
    EXPECT_FALSE(suffix.empty());
    EXPECT_EQ(suffix, SafeTaskNameSuffix(std::u16string(user, user + wcslen(user))));
    EXPECT_EQ(suffix.find_first_of(u"<>:\"/\\|?*"), std::u16string::npos);

    // Every text is terminated within its capacity: nothing of the 0xCD fill is left.
    for (int number = 1; number <= kOsInfoTextCount; ++number) {
        const std::u16string text = ReadOsInfoText(record, number);
        EXPECT_EQ(text.find(u'\xCDCD'), std::u16string::npos) << number;
    }
    g_VimblyDLL_GetOSInfo(nullptr);  // refused without harm
}

TEST(VimblyOsInfo, SeamReturnsTheTwoTextsUsed) {
    OsInfoRecord record{};
    g_VimblyDLL_GetOSInfo(&record);
    const OsInfo info = VimblyCompanion().ReadOsInfo();
    const auto wide = [](const std::u16string& text) {
        return std::wstring(text.begin(), text.end());
    };
    EXPECT_EQ(info.osFamily, wide(ReadOsInfoText(record, kOsFamilyText)));
    EXPECT_EQ(info.taskNameSuffix, wide(ReadOsInfoText(record, kTaskNameSuffixText)));
}

// Keeps this user's remembered skin as it was before the test.
class VimblySkinTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = ReadSkin(); }
    void TearDown() override {
        if (saved_) {
            SetSkinValue(REG_DWORD, &*saved_, sizeof *saved_);
        } else {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSkinKey, L"Skin");
        }
    }

    static std::optional<DWORD> ReadSkin() {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (::RegGetValueW(HKEY_CURRENT_USER, kSkinKey, L"Skin", RRF_RT_REG_DWORD, nullptr, &value,
                           &size) != ERROR_SUCCESS)
            return std::nullopt;
        return value;
    }

    static void SetSkinValue(DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kSkinKey, L"Skin", type, data, size),
                  ERROR_SUCCESS);
    }

    std::optional<DWORD> saved_;
    VimblyCompanion companion_;
};

TEST_F(VimblySkinTest, ReportsTheSkinLastSet) {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSkinKey, L"Skin");
    EXPECT_EQ(companion_.StartLibrary(nullptr), 1);  // Blue the first time
    for (std::uint8_t colour : {3, 0, 4, 1, 2}) {
        companion_.UseSkinColor(colour);
        EXPECT_EQ(ReadSkin(), colour);
        EXPECT_EQ(companion_.StartLibrary(nullptr), colour + 1);
    }
}

TEST_F(VimblySkinTest, UnusableRememberedValueGivesBlue) {
    companion_.UseSkinColor(9);  // paints like Blue, so it comes back as Blue
    EXPECT_EQ(companion_.StartLibrary(nullptr), 1);

    const DWORD minusOne = 0xFFFFFFFF;
    SetSkinValue(REG_DWORD, &minusOne, sizeof minusOne);
    EXPECT_EQ(companion_.StartLibrary(nullptr), 1);

    SetSkinValue(REG_SZ, L"3", 4);
    EXPECT_EQ(companion_.StartLibrary(nullptr), 1);
}

TEST_F(VimblySkinTest, InitDLLWritesOnlyTheSkinCode) {
    companion_.UseSkinColor(2);
    std::int32_t unused = 12345;
    std::uint8_t skinCode = 1;
    g_VimblyDLL_InitDLL(L"Tolvane Dusk Relay", L"2.1.0.0", nullptr, nullptr, 4, &unused, &skinCode,
                        nullptr);
    EXPECT_EQ(skinCode, 3);
    EXPECT_EQ(unused, 12345);
    g_VimblyDLL_InitDLL(nullptr, nullptr, nullptr, nullptr, 4, nullptr, nullptr, nullptr);
}

// Answers the next message box of this thread from a timer, noting what it showed.
struct BoxAnswer {
    static inline WPARAM button = IDYES;
    static inline HWND owner = nullptr;
    static inline std::wstring text;
    static inline std::wstring caption;
    static inline bool seen = false;

    static void Arm(WPARAM answer) {
        button = answer;
        owner = nullptr;
        text.clear();
        caption.clear();
        seen = false;
        ::SetTimer(nullptr, 0, 50, Tick);
    }

    static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
        if (ClassName(window) != L"#32770") return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr) return;
        ::KillTimer(nullptr, id);
        seen = true;
        owner = ::GetWindow(box, GW_OWNER);
        caption = WindowText(box);
        text = WindowText(::GetDlgItem(box, 0xFFFF));
        ::PostMessageW(box, WM_COMMAND, button, 0);
    }
};

TEST(VimblyMessageBox, AnswersTheButtonPressed) {
    UniqueWindow owner = MakeWindow(L"DuskTestOwner", WS_POPUP);
    ASSERT_TRUE(owner);
    VimblyCompanion companion;
    for (WPARAM button : {IDYES, IDNO}) {
        BoxAnswer::Arm(button);
        const int answer = companion.ShowMessageBox(owner.Get(), L"Please set the time.",
                                                    L"Tolvane Dusk Relay", kMbQuestionYesNo);
        EXPECT_TRUE(BoxAnswer::seen);
        EXPECT_EQ(answer, static_cast<int>(button));
        EXPECT_EQ(BoxAnswer::owner, owner.Get());
        EXPECT_EQ(BoxAnswer::caption, L"Tolvane Dusk Relay");
        EXPECT_EQ(BoxAnswer::text, L"Please set the time.");
    }
}

TEST(VimblyMessageBox, BoxWithoutOwnerBelongsToTheMainForm) {
    UniqueWindow mainForm = MakeWindow(L"DuskTestOwner", WS_POPUP);
    ASSERT_TRUE(mainForm);
    VimblyCompanion companion;
    companion.RegisterWindow(L"frmMain", mainForm.Get());
    BoxAnswer::Arm(IDOK);
    EXPECT_EQ(companion.ShowMessageBox(nullptr, L"x", L"y", kMbWarning), IDOK);
    EXPECT_EQ(BoxAnswer::owner, mainForm.Get());
}

TEST(VimblyPages, FillThePanelsOnce) {
    UniqueWindow vimblyPanel = MakeWindow(L"DuskTestPanel", WS_POPUP);
    UniqueWindow productsPanel = MakeWindow(L"DuskTestPanel", WS_POPUP);
    VimblyCompanion companion;
    companion.StartLibrary(vimblyPanel.Get());
    struct Page {
        HWND panel;
        void (VimblyCompanion::*show)(WindowHandle, int, int);
        const wchar_t* heading;
    };
    for (const Page& page :
         {Page{vimblyPanel.Get(), &VimblyCompanion::ShowCompanionPage, L"Vimbly"},
          Page{productsPanel.Get(), &VimblyCompanion::ShowProductsPage, L"Our Products"}}) {
        SCOPED_TRACE(page.heading);
        (companion.*page.show)(page.panel, 651, 405);
        (companion.*page.show)(page.panel, 300, 200);  // again: the same child, new size
        const HWND child = ::GetWindow(page.panel, GW_CHILD);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(::GetWindow(child, GW_HWNDNEXT), nullptr);
        EXPECT_EQ(::lstrcmpiW(ClassName(child).c_str(), L"Static"), 0);
        const std::wstring text = WindowText(child);
        EXPECT_EQ(text.rfind(page.heading, 0), 0u) << std::string(text.begin(), text.end());
        EXPECT_NE(text.find(L"Tolvane Dusk Relay 2.1.0.0"), std::wstring::npos);
        RECT place{};
        ::GetClientRect(child, &place);
        EXPECT_EQ(place.right, 300);
        EXPECT_EQ(place.bottom, 200);
    }
    companion.ShowCompanionPage(nullptr, 651, 405);  // no panel: nothing happens
}

TEST(VimblyFormStyle, ShadowsOnlyBorderlessTopLevelWindows) {
    UniqueWindow borderless = MakeWindow(L"DuskTestBorderless", WS_POPUP);
    UniqueWindow framed = MakeWindow(L"DuskTestFramed", WS_OVERLAPPEDWINDOW);
    VimblyCompanion companion;
    companion.StyleWindow(borderless.Get());
    companion.StyleWindow(framed.Get());
    companion.StyleWindow(nullptr);
    companion.MainWindowResized();
    EXPECT_NE(::GetClassLongPtrW(borderless.Get(), GCL_STYLE) & CS_DROPSHADOW, 0u);
    EXPECT_EQ(::GetClassLongPtrW(framed.Get(), GCL_STYLE) & CS_DROPSHADOW, 0u);
}

}  // namespace
}  // namespace dusk::win32
