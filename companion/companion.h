#pragma once
#include <cstdint>
#include <string>

namespace dusk {

// A window as the companion library sees it (an HWND on Windows).
using WindowHandle = void*;

// Message-box styles and answers.
constexpr std::uint32_t kMbQuestionYesNo = 0x24;  // MB_YESNO | MB_ICONQUESTION
constexpr std::uint32_t kMbWarning = 0x30;        // MB_OK | MB_ICONEXCLAMATION
constexpr std::uint32_t kMbInformation = 0x40;    // MB_OK | MB_ICONINFORMATION
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// The two texts of the operating-system record that the program uses.
struct OsInfo {
    std::wstring osFamily;  // "98", "me", "nt", "2000", "2003", or contains "xp", "windows10"...
    std::wstring taskNameSuffix;  // appended to the scheduled task's name; its account name
};

// The calls into the companion library.
class Companion {
public:
    virtual ~Companion() = default;
    // Starts the library; answers the skin code it reports (1 Blue ... 5 Red).
    virtual std::uint8_t StartLibrary(WindowHandle mainWindow) = 0;
    virtual OsInfo ReadOsInfo() = 0;
    // Fill the main window's third and second tab pages.
    virtual void ShowCompanionPage(WindowHandle panel, int width, int height) = 0;
    virtual void ShowProductsPage(WindowHandle panel, int width, int height) = 0;
    // Introduces a window under the name the library knows it by ("frmMain"...).
    virtual void RegisterWindow(const std::wstring& name, WindowHandle window) = 0;
    // Each skinned window on creation and resize.
    virtual void StyleWindow(WindowHandle window) = 0;
    virtual void MainWindowResized() = 0;
    // The skin's button colour (0 Blue ... 4 Red), which the library reports at the next start.
    virtual void UseSkinColor(std::uint8_t buttonColor) = 0;
    // The maker's web page.
    virtual void OpenHomePage() = 0;
    // Modal; answers kAnswerYes or kAnswerNo for a question, anything for the others.
    // (Not named MessageBox: windows.h turns that name into a macro.)
    virtual int ShowMessageBox(WindowHandle owner, const std::wstring& text,
                               const std::wstring& caption, std::uint32_t style) = 0;
};

}  // namespace dusk
