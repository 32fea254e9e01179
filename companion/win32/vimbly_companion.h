#pragma once
#include "companion/companion.h"

namespace dusk::win32 {

// The companion seam over Vimbly.dll's exported functions.
class VimblyCompanion : public Companion {
public:
    std::uint8_t StartLibrary(WindowHandle mainWindow) override;
    OsInfo ReadOsInfo() override;
    void ShowCompanionPage(WindowHandle panel, int width, int height) override;
    void ShowProductsPage(WindowHandle panel, int width, int height) override;
    void RegisterWindow(const std::wstring& name, WindowHandle window) override;
    void StyleWindow(WindowHandle window) override;
    void MainWindowResized() override;
    void UseSkinColor(std::uint8_t buttonColor) override;
    void OpenHomePage() override;
    int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                       std::uint32_t style) override;
};

}  // namespace dusk::win32
