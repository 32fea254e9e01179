#pragma once
#include "companion/companion.h"

namespace dusk::win32 {

// The companion seam over Vimbly.dll's exported functions.
class VimblyCompanion : public Companion {
public:
    std::uint8_t InitDLL(WindowHandle mainWindow) override;
    OsInfo GetOSInfo() override;
    void ShowVimbly(WindowHandle panel, int width, int height) override;
    void ShowOurProducts(WindowHandle panel, int width, int height) override;
    void AddForm(const std::wstring& name, WindowHandle window) override;
    void FormStyle(WindowHandle window) override;
    void ChangeSize() override;
    void SetSkin(std::uint8_t buttonColor) override;
    void VisitHomePage() override;
    int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                       std::uint32_t style) override;
};

}  // namespace dusk::win32
