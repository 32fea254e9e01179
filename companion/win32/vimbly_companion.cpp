#include "companion/win32/vimbly_companion.h"

#include "companion/os_info_record.h"
#include "companion/vimbly_abi.h"
#include "resources/version.h"

namespace dusk::win32 {
namespace {

HWND AsWindow(WindowHandle window) { return static_cast<HWND>(window); }

std::wstring AsWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::uint8_t VimblyCompanion::StartLibrary(WindowHandle mainWindow) {
    std::int32_t unused = 0;
    std::uint8_t skinCode = 1;
    g_VimblyDLL_InitDLL(DUSK_WIDEN(DUSK_PRODUCT_NAME), DUSK_WIDEN(DUSK_VERSION_TEXT),
                        AsWindow(mainWindow), nullptr, 4, &unused, &skinCode, nullptr);
    return skinCode;
}

OsInfo VimblyCompanion::ReadOsInfo() {
    OsInfoRecord record{};
    g_VimblyDLL_GetOSInfo(&record);
    return {AsWide(ReadOsInfoText(record, kOsFamilyText)),
            AsWide(ReadOsInfoText(record, kTaskNameSuffixText))};
}

void VimblyCompanion::ShowCompanionPage(WindowHandle panel, int width, int height) {
    g_VimblyDLL_ShowVimbly(AsWindow(panel), 0, 0, width, height);
}

void VimblyCompanion::ShowProductsPage(WindowHandle panel, int width, int height) {
    g_VimblyDLL_ShowOurProducts(AsWindow(panel), 0, 0, width, height);
}

void VimblyCompanion::RegisterWindow(const std::wstring& name, WindowHandle window) {
    g_VimblyDLL_AddForm(name.c_str(), AsWindow(window));
}

void VimblyCompanion::StyleWindow(WindowHandle window) { g_VimblyDLL_FormStyle(AsWindow(window)); }

void VimblyCompanion::MainWindowResized() { g_VimblyDLL_ChangeSize(); }

void VimblyCompanion::UseSkinColor(std::uint8_t buttonColor) { g_VimblyDLL_SetSkin(buttonColor); }

void VimblyCompanion::OpenHomePage() { g_VimblyDLL_VisitHomePage(); }

int VimblyCompanion::ShowMessageBox(WindowHandle owner, const std::wstring& text,
                                    const std::wstring& caption, std::uint32_t style) {
    return g_VimblyDLL_MessageBox(AsWindow(owner), text.c_str(), caption.c_str(), style);
}

}  // namespace dusk::win32
